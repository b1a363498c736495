#pragma once

#include <QFont>

#include "app/windowdesign.h"

namespace velunda::ui {

// The font of a caption, asked for by the name it was designed with and then by the
// installed CJK faces of the same style (SimSun → Noto Serif CJK SC → AR PL UMing ...),
// so that Chinese text renders in a fitting face wherever the Windows font is missing.
QFont MakeFont(const FontStyle& design);

}  // namespace velunda::ui
