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

// The figure over a worked solution: lines, what the pupil typed, what was worked out,
// helper lines (heights), and the circumcircle and incircle.
inline const QColor kInk{30, 30, 30};
inline const QColor kGivenInk{20, 80, 190};
inline const QColor kComputedInk{190, 40, 30};
inline const QColor kAuxiliaryInk{90, 90, 120};
inline const QColor kExtraInk{0, 130, 60};

// The drill history: how well a fact is known, and the two curves of progress.
inline const QColor kMastered{76, 175, 80};
inline const QColor kShaky{255, 193, 7};
inline const QColor kWrong{229, 57, 53};
inline const QColor kUnseen{224, 224, 224};
inline const QColor kAccuracy{30, 100, 200};
inline const QColor kSpeed{230, 120, 0};

}  // namespace velunda::ui
