#include "ui/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>
#include <array>
#include <filesystem>
#include <system_error>

namespace velunda::ui {
namespace {

// The three lists of faces: serif (SimSun and the default), sans (SimHei) and kai.
enum List { Serif, Sans, Kai };

List ListOf(Face face) {
    switch (face) {
        case Face::SimHei:
            return Sans;
        case Face::KaiTi:
            return Kai;
        case Face::SimSun:
        case Face::Default:
            break;
    }
    return Serif;
}

const QStringList& families(Face face) {
    // "Velunda Serif", "Velunda Sans" and "Velunda Kai" are the program's own cuts of the
    // Noto and AR PL faces that follow them (see AddProgramFonts).
    static const std::array<QStringList, 3> lists{
        QStringList{"SimSun", "宋体", "Velunda Serif", "Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"},
        QStringList{"SimHei", "黑体", "Velunda Sans", "Noto Sans CJK SC", "WenQuanYi Zen Hei", "Noto Serif CJK SC"},
        QStringList{"KaiTi", "楷体_GB2312", "Velunda Kai", "AR PL UKai CN", "Noto Serif CJK SC", "Noto Sans CJK SC"},
    };
    return lists[ListOf(face)];
}

// The face a caption gets is the first installed family of its list. Asking the font
// database for it once, and then for that family alone, spares every font of a window
// the search through fontconfig's fallback faces, which costs more than drawing the
// whole menu; a glyph the face lacks is still found among the fallbacks when needed.
QStringList installed(Face face) {
    static const QStringList present = QFontDatabase::families();
    const QStringList& all = families(face);
    for (const QString& family : all)
        if (present.contains(family, Qt::CaseInsensitive)) return {family};
    return all;
}

const QStringList& resolved(Face face) {
    static const std::array<QStringList, 3> lists{installed(Face::SimSun), installed(Face::SimHei),
                                                  installed(Face::KaiTi)};
    return lists[ListOf(face)];
}

}  // namespace

std::filesystem::path ProgramFontDirectory() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const auto directory = program.parent_path();
    for (const auto& candidate : {directory / "fonts", directory / "../share/velunda/fonts"})
        if (std::filesystem::is_directory(candidate, error)) return candidate;
    return {};
}

int AddProgramFonts() {
    FcInit();  // reads fontconfig's configuration once; later calls return at once
    const auto directory = ProgramFontDirectory();
    if (directory.empty()) return 0;
    int added = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        const auto extension = entry.path().extension();
        if (extension != ".otf" && extension != ".ttf") continue;
        const auto file = entry.path().string();
        if (FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file.c_str()))) ++added;
    }
    return added;
}

QFont MakeFont(const FontStyle& design) {
    QFont font;
    font.setFamilies(resolved(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    return font;
}

}  // namespace velunda::ui
