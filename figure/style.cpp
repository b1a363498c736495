#include "figure/style.h"

#include <QStringList>
#include <cmath>

#include "ui/fonts.h"
#include "ui/palette.h"

namespace velunda::ui {

QFont LabelFont(Tone tone) {
    QFont font = MakeFont(SimSun(10));
    QStringList families = font.families();
    families.prepend("DejaVu Serif");
    font.setFamilies(families);
    font.setPixelSize(14);
    font.setItalic(tone == Tone::Name);
    return font;
}

QColor InkOf(Tone tone) { return tone == Tone::Given ? kGivenInk : tone == Tone::Computed ? kComputedInk : kInk; }

QPointF Unit(QPointF p) {
    const double length = std::hypot(p.x(), p.y());
    return length > 0 ? p / length : QPointF();
}

// "a = 5√2": a quantity as a label and the description state it.
QString Stated(const FigureValue& value) { return Text(value.symbol) + " = " + Text(value.label); }

}  // namespace velunda::ui
