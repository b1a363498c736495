// The colours of the program's windows, named once.
#pragma once

#include <QColor>

namespace velunda::ui {

inline const QColor kBlack{0, 0, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kRed{255, 0, 0};
inline const QColor kOrange{255, 128, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kLightYellow{255, 255, 192};
inline const QColor kBrightGreen{0, 255, 0};
inline const QColor kLightGreen{128, 255, 128};
inline const QColor kLightCyan{128, 255, 255};

}  // namespace velunda::ui
