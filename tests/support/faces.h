// Which faces a text is drawn from, as the toolkit lays it out.
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

namespace velunda::testing {

// One face per run of glyphs, in order: a character missing from the first face shows
// as a second one. Mnemonic marks (&) are not drawn and not counted.
inline QStringList FacesDrawing(const QString& text, const QFont& font) {
    QTextLayout layout(QString(text).remove('&'), font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns())
        if (!faces.contains(run.rawFont().familyName())) faces << run.rawFont().familyName();
    return faces;
}

// Whether a face the windows were designed with is installed here; the captions then
// rightly use it and not the program's cuts.
inline bool DesignedFacesInstalled() {
    const QStringList present = QFontDatabase::families();
    for (const char* family : {"SimSun", "宋体", "SimHei", "黑体", "KaiTi", "楷体_GB2312"})
        if (present.contains(QString::fromUtf8(family), Qt::CaseInsensitive)) return true;
    return false;
}

}  // namespace velunda::testing
