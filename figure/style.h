// What the sketch, its layout and its painter share: the sizes of marks, the faces and
// inks of the labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <string>

#include "figure/sketch.h"

namespace velunda::ui {

inline constexpr double kGap = 3;         // between a point and its label
inline constexpr double kMarkSize = 9;    // the legs of a right-angle mark
inline constexpr double kArcRadius = 15;  // an angle's arc

// The letters and numbers in the serif face the solution text shows (its √ and π sit right),
// the Chinese of the legend in the captions' face.
QFont LabelFont(Tone tone);
QColor InkOf(Tone tone);
QPointF Unit(QPointF p);
inline QString Text(const std::string& s) { return QString::fromStdString(s); }
// "a = 5√2": a quantity as a label and the description state it.
QString Stated(const FigureValue& value);
inline QString LegendText(Tone tone) { return tone == Tone::Given ? "■ 已知" : "■ 求得"; }
inline bool Shown(Show show, bool extras) { return show == Show::Always || (show == Show::WithExtras) == extras; }

}  // namespace velunda::ui
