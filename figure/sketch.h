// The figure above a worked solution: the square, triangle or cylinder drawn to scale from
// the quantities of the last computation and labelled like a textbook figure. A sketch
// describes it in the figure's own lengths; one painting code lays it out in any box, on
// the screen, in the PDF and on the printer.
#pragma once

#include <QPointF>
#include <QString>
#include <bitset>
#include <initializer_list>
#include <vector>

#include "exact/workedsolution.h"

namespace velunda::ui {

// The quantities of a solution as a figure reads them: by measure. It remembers the
// measures it was asked for, found or not, so that a test can tell a figure that asks for
// a measure its windows never record.
class Quantities {
public:
    using Measures = std::bitset<kMeasures>;

    // The figure of a solution (implicit: a maker is called with the solution's figure).
    Quantities(const std::vector<FigureValue>& values) : values_(values) {}

    // The quantity of that measure in the solution, or nullptr.
    const FigureValue* Find(Measure measure) const;
    Measures asked() const { return asked_; }

private:
    const std::vector<FigureValue>& values_;
    mutable Measures asked_;
};

enum class Stroke {
    Edge,       // an edge of the figure
    Hidden,     // an edge behind the solid: dashed
    Auxiliary,  // a height, a radius, a diagonal: thin and dashed
    Extra,      // the circumcircle and the incircle, drawn on request
};

enum class Tone { Name, Given, Computed };

// What is drawn with the extras (the circles) and what gives them room.
enum class Show { Always, WithExtras, WithoutExtras };

// A figure in its own lengths, y upwards.
struct Sketch {
    struct Segment {
        QPointF from, to;
        Stroke stroke = Stroke::Edge;
        Measure measures = Measure::None;  // the length it is drawn to
        Show show = Show::Always;
    };
    struct Ellipse {
        QPointF centre;
        double rx = 0, ry = 0;
        double startDegrees = 0, spanDegrees = 360;  // counter-clockwise from the x axis
        Stroke stroke = Stroke::Edge;
        Show show = Show::Always;
    };
    struct Label {
        QString text;
        QPointF at;    // the point it names
        QPointF away;  // the way from the point to the label
        Tone tone = Tone::Name;
        Show show = Show::Always;
        double beyond = 0;   // pixels more between point and label (past an angle's arc)
        bool stays = false;  // keeps its place over a line (inside a narrow angle)
    };
    // The mark of a right angle at a corner, between the ways to two points.
    struct RightAngle {
        QPointF corner, first, second;
        Show show = Show::Always;
    };
    // The arc of an angle at a vertex, from one way to the other counter-clockwise.
    struct AngleArc {
        QPointF vertex, first, second;
    };

    std::vector<Segment> segments;
    std::vector<Ellipse> ellipses;
    std::vector<Label> labels;
    std::vector<RightAngle> rightAngles;
    std::vector<AngleArc> arcs;
    QString description;      // what the figure shows, for screen readers
    QString whyNot;           // where the figure cannot exist: why it is not drawn
    bool notToScale = false;  // lengths clamped to keep an extreme figure readable
    bool hasExtras = false;

    // Marks what was added since `from` to be shown only that way.
    void ShowOnly(Show show, std::size_t segmentsFrom, std::size_t labelsFrom, std::size_t marksFrom);

    bool empty() const { return segments.empty() && ellipses.empty() && whyNot.isEmpty(); }

    // Building: an edge or a length between two points, labelled on the side `away`
    // points to; the label names the quantity and its value ("a = 5√2").
    void Side(QPointF from, QPointF to, const FigureValue* value, Stroke stroke = Stroke::Edge, QPointF away = {});
    void Name(const QString& name, QPointF at, QPointF away);
    void Value(const FigureValue* value, QPointF at, QPointF away);
    // An angle's arc at the vertex, from the way to `first` counter-clockwise to the way to
    // `second`, and its value inside; a right angle gets its mark instead of the arc.
    void Angle(QPointF vertex, QPointF first, QPointF second, const FigureValue* value);
    // A quantity the figure has no place for (the area): in the description only.
    void Mention(const FigureValue* value);
    void Mention(const Quantities& values, std::initializer_list<Measure> measures);
    // Names the corners A, B, C … in order, each outwards from their centre.
    void NameCorners(std::initializer_list<QPointF> corners);
    // Starts the description with the figure's name ("三角形 ABC").
    void Describe(const QString& name);
};

// Makes a window's sketch from the quantities of its last solution.
using SketchMaker = Sketch (*)(const Quantities& values);

// Whether the ways from the vertex to the two points meet at a right angle.
bool IsRightAngle(QPointF vertex, QPointF first, QPointF second);

// The quantity of that measure in the solution, or nullptr.
inline const FigureValue* Find(const Quantities& values, Measure measure) { return values.Find(measure); }
// The length of that measure where it is known and positive; 0 where not.
double Length(const Quantities& values, Measure measure);

// Whether the lengths of the measures can be drawn: each known and above 0. Where one is
// missing (nothing was computed) the sketch stays empty; where one is not above 0 it says
// why it is not drawn.
bool Drawable(Sketch& sketch, const Quantities& values, std::initializer_list<Measure> measures);

// Figures wider than this many times their smallest length are drawn with that length
// stretched, and marked as not to scale.
inline constexpr double kMostProportion = 10;
// Clamps the lengths to kMostProportion of the largest; true where one was stretched.
bool Clamp(std::initializer_list<double*> lengths);

inline const QString kNotToScale = "示意图（未按比例）";

}  // namespace velunda::ui
