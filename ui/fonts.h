#pragma once

#include <QFont>
#include <filesystem>

#include "ui/fontstyle.h"

namespace velunda::ui {

// The font of a caption, asked for by the name it was designed with and then by the
// installed CJK faces of the same style (SimSun → Noto Serif CJK SC → AR PL UMing ...),
// so that Chinese text renders in a fitting face wherever the Windows font is missing.
QFont MakeFont(const FontStyle& design);

// The program's own cuts of its CJK faces: the same outlines, hints and layout tables,
// holding only the characters its captions and messages use and what a pupil types into
// a field. They load in a fraction of the time and memory of the 20 to 27 MB font files
// they are cut from, and look the same. Built with the program into <program dir>/fonts,
// installed into <prefix>/share/velunda/fonts; empty when neither is there.
std::filesystem::path ProgramFontDirectory();

// Reads fontconfig's configuration, if not yet read, and hands those faces to it. Call it
// once, before the toolkit first looks at its font database. Returns how many faces were added; with none the
// captions are drawn from the system's faces, which look the same.
int AddProgramFonts();

}  // namespace velunda::ui
