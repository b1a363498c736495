#include "app/fonts.h"

#include <QStringList>

namespace velunda::ui {
namespace {

const QStringList& families(Face face) {
    static const QStringList serif{"SimSun", "宋体", "Noto Serif CJK SC", "AR PL UMing CN",
                                   "Noto Sans CJK SC"};
    static const QStringList sans{"SimHei", "黑体", "Noto Sans CJK SC", "WenQuanYi Zen Hei",
                                  "Noto Serif CJK SC"};
    static const QStringList kai{"KaiTi", "楷体_GB2312", "AR PL UKai CN", "Noto Serif CJK SC",
                                 "Noto Sans CJK SC"};
    switch (face) {
    case Face::SimHei: return sans;
    case Face::KaiTi: return kai;
    case Face::SimSun:
    case Face::Default: break;
    }
    return serif;
}

}  // namespace

QFont MakeFont(const FontSpec& spec) {
    QFont font;
    font.setFamilies(families(spec.face));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

}  // namespace velunda::ui
