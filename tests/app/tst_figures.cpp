// The figures over the worked solutions, checked without comparing pictures: for every
// example of every window with a figure, and for figures that are extreme or cannot
// exist, the sketch is laid out and painted at the panel's size, at twice that, and in a
// narrow box; what is drawn must stay in the box, the lengths must keep their ratios, the
// right angles must be marked and no label may cover another. The figures and the
// solutions of their windows agree on the measures they ask for and record.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <map>

#include "bench/exampleform.h"
#include "exact/solutionbuilder.h"
#include "figure/figureview.h"
#include "figure/layout.h"
#include "figure/painter.h"

using namespace velunda;
using namespace velunda::ui;

Q_DECLARE_METATYPE(velunda::examples::Example)

namespace {

// Typed cases beyond the examples: the figure that cannot exist, the extreme one.
struct Case {
    const char* name;
    examples::Example example;
    const char* expect;  // "why": not drawn, with a reason; "clamped": marked not to scale
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"frm1: sides 1, 2, 10 make no triangle",
         {"frm1", {}, {{"Text1", "1"}, {"Text2", "2"}, {"Text3", "10"}}, "Command2"},
         "why"},
        {"frm12: a side of -5", {"frm12", {}, {{"Text1", "-5"}}, "Text1"}, "why"},
        {"frm5: a length of -2", {"frm5", {}, {{"Text1", "-2"}, {"Text2", "1"}, {"Text3", "1"}}, "Command1"}, "why"},
        {"frm6: 1 by 1000", {"frm6", {}, {{"Text1", "1"}, {"Text2", "1000"}}, "Command1"}, "clamped"},
        {"frm15: a radius of -2 is taken as 2", {"frm15", {}, {{"Text1", "-2"}, {"Text6", "5"}}, "Command2"}, ""},
        {"frm15: r 1000, h 1", {"frm15", {}, {{"Text1", "1000"}, {"Text6", "1"}}, "Command2"}, "clamped"},
        {"frm1: an acute triangle, its circles inside",
         {"frm1", {}, {{"Text1", "4"}, {"Text2", "5"}, {"Text3", "6"}}, "Command2"},
         ""},
        {"frm1: a thin triangle drawn taller",
         {"frm1", {}, {{"Text1", "1"}, {"Text2", "100"}, {"Text3", "100.5"}}, "Command2"},
         "clamped"},
        {"frm14: legs 1 and 1", {"frm14", {}, {{"Text1", "1"}, {"Text2", "1"}}, "Command2"}, ""},
    };
    return cases;
}

WorkedSolution SolutionOf(const examples::Example& e) {
    const Explanation explain = examples::ExplanationOf(e.window, e.trigger);
    return explain ? exact::Explain(explain, examples::FormOf(e)) : WorkedSolution{};
}

double LengthOf(const QLineF& line) { return line.length(); }

// Whether the three sides of a triangle among the values meet at a right angle.
bool Pythagorean(const Quantities& v) {
    const double a = Length(v, Measure::SideA), b = Length(v, Measure::SideB), c = Length(v, Measure::SideC);
    if (a <= 0 || b <= 0 || c <= 0) return false;
    const double x = std::min({a, b, c}), z = std::max({a, b, c}), y = a + b + c - x - z;
    return std::fabs(x * x + y * y - z * z) < 1e-9 * z * z;
}

// Whether the figure has a right angle at a vertex: the square's and rectangle's corners,
// the right triangle's, a triangle whose sides say so. (The feet of heights have their
// marks too, away from the vertices.)
bool RightAngleExpected(std::string_view window, const Quantities& v) {
    for (std::string_view w : {"frm12", "frm6", "frm14"})
        if (window == w) return true;
    if (window == "frm1" || window == "frm8" || window == "frm21") return Pythagorean(v);
    return false;
}

// Whether a right-angle mark sits at an end of an edge.
bool VertexMarked(const Sketch& sketch) {
    for (const Sketch::RightAngle& mark : sketch.rightAngles)
        for (const Sketch::Segment& s : sketch.segments)
            if (s.stroke == Stroke::Edge && (s.from == mark.corner || s.to == mark.corner)) return true;
    return false;
}

}  // namespace

class FiguresTest : public QObject {
    Q_OBJECT

private slots:
    void figure_data() {
        QTest::addColumn<examples::Example>("example");
        QTest::addColumn<QString>("expect");
        int n = 0;
        for (const examples::Example& e : examples::Examples())
            if (examples::SketchOf(e.window))
                QTest::addRow("%s: example %d", std::string(e.window).c_str(), ++n) << e << QString();
        for (const Case& c : Cases()) QTest::newRow(c.name) << c.example << QString(c.expect);
    }

    void figure() {
        QFETCH(examples::Example, example);
        QFETCH(QString, expect);
        const WorkedSolution solution = SolutionOf(example);
        const Sketch sketch = examples::SketchOf(example.window)(solution.figure);
        if (expect == "why") {
            QVERIFY2(!sketch.whyNot.isEmpty(), "a figure that cannot exist is drawn");
            QVERIFY(sketch.segments.empty() && sketch.ellipses.empty());
            return;
        }
        QVERIFY2(sketch.whyNot.isEmpty(), qPrintable(sketch.whyNot));
        QVERIFY2(!sketch.segments.empty() || !sketch.ellipses.empty(), "nothing drawn");
        QCOMPARE(sketch.notToScale, expect == "clamped");
        // The three-sides window offers its circles wherever it draws to scale.
        QCOMPARE(sketch.hasExtras, example.window == "frm1" && !sketch.notToScale);
        QCOMPARE(VertexMarked(sketch), RightAngleExpected(example.window, solution.figure));
        // Every given quantity the figure names is in its description.
        for (const Sketch::Label& label : sketch.labels)
            if (label.tone == Tone::Given) QVERIFY2(sketch.description.contains(label.text), qPrintable(label.text));

        for (const QRectF box : {QRectF(0, 0, 400, 230), QRectF(0, 0, 800, 460), QRectF(0, 0, 260, 200)}) {
            for (const bool extras : {false, true}) {
                const FigureLayout layout = LayOut(sketch, box, extras);
                QVERIFY2(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(layout.drawing),
                         qPrintable(QString("drawn %1,%2 %3 × %4 in %5 × %6")
                                        .arg(layout.drawing.x())
                                        .arg(layout.drawing.y())
                                        .arg(layout.drawing.width())
                                        .arg(layout.drawing.height())
                                        .arg(box.width())
                                        .arg(box.height())));
                for (std::size_t i = 0; i < layout.labels.size(); ++i)
                    for (std::size_t j = i + 1; j < layout.labels.size(); ++j)
                        QVERIFY2(!layout.labels[i].intersects(layout.labels[j]),
                                 qPrintable(QString("two labels overlap in %1 × %2, extras %3")
                                                .arg(box.width())
                                                .arg(box.height())
                                                .arg(extras)));
                // A drawn length over the quantity it stands for: one scale for all of them.
                if (!sketch.notToScale) {
                    double scale = 0;
                    for (const Sketch::Segment& s : sketch.segments) {
                        const FigureValue* value = Find(solution.figure, s.measures);
                        if (!value) continue;
                        const double drawn = LengthOf(layout.place.map(QLineF(s.from, s.to))) / value->value;
                        if (scale == 0) scale = drawn;
                        QVERIFY2(std::fabs(drawn / scale - 1) < 0.01, value->symbol.c_str());
                    }
                }
                // Painted into a larger image, nothing lands outside the box.
                const double ratio = box.width() > 400 ? 2 : 1;
                QImage image(QSize(box.width() + 40, box.height() + 40) * ratio, QImage::Format_RGB32);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::white);
                {
                    QPainter painter(&image);
                    PaintFigure(painter, sketch, box.translated(20, 20), extras);
                }
                const QRect inside = QRectF(box.translated(20, 20)).toAlignedRect().adjusted(-1, -1, 1, 1);
                int outside = 0, inked = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const bool white = image.pixel(x, y) == qRgb(255, 255, 255);
                        inked += !white;
                        outside += !white && !inside.contains(QPointF(x / ratio, y / ratio).toPoint());
                    }
                QVERIFY(inked > 0);
                QCOMPARE(outside, 0);
            }
        }
    }

    // Each figure asks for the measures the solutions of its windows record, over all their
    // examples: a measure it asks for that none of them records (a quantity recorded as
    // another measure, or not for the figure at all) would be missing from the figure, and
    // one they record that it never asks for is a quantity recorded as the wrong measure.
    void measures_data() {
        QTest::addColumn<QStringList>("windows");
        std::map<SketchMaker, QStringList> windows;
        std::vector<SketchMaker> order;
        for (const examples::Example& e : examples::Examples())
            if (const SketchMaker make = examples::SketchOf(e.window)) {
                QStringList& list = windows[make];
                if (list.isEmpty()) order.push_back(make);
                if (!list.contains(QString::fromUtf8(e.window))) list << QString::fromUtf8(e.window);
            }
        for (const SketchMaker make : order) QTest::newRow(qPrintable(windows[make].join(" "))) << windows[make];
    }

    void measures() {
        QFETCH(QStringList, windows);
        Quantities::Measures asked, recorded;
        for (const examples::Example& e : examples::Examples()) {
            if (!windows.contains(QString::fromUtf8(e.window))) continue;
            const WorkedSolution solution = SolutionOf(e);
            const Quantities values(solution.figure);
            examples::SketchOf(e.window)(values);
            asked |= values.asked();
            for (const FigureValue& v : solution.figure) recorded.set(static_cast<std::size_t>(v.measure));
        }
        for (int m = 0; m < kMeasures; ++m) {
            QVERIFY2(!asked[m] || recorded[m],
                     qPrintable(QString("the figure asks for measure %1, never recorded").arg(m)));
            QVERIFY2(!recorded[m] || asked[m], qPrintable(QString("measure %1 is recorded, never asked for").arg(m)));
        }
    }

    // The labels carry the solution's exact forms where they are short.
    void labels_data() {
        QTest::addColumn<examples::Example>("example");
        QTest::addColumn<QString>("label");
        QTest::newRow("square: the diagonal 5√2")
            << examples::Example{"frm12", {}, {{"Text1", "5"}}, "Text1"} << "d = 5√2";
        QTest::newRow("square: a diagonal of 9.996 to 3 figures after rounding")
            << examples::Example{"frm12", {}, {{"Text1", "7.0682"}}, "Text1"} << "d = 10.0";
        QTest::newRow("equilateral: the height √3")
            << examples::Example{"frm13", {}, {{"Text1", "2"}}, "Command2"} << "h = √3";
        QTest::newRow("three sides: a decimal angle to 3 figures")
            << examples::Example{"frm1", {}, {{"Text1", "3"}, {"Text2", "4"}, {"Text3", "5"}}, "Command2"} << "36.9°";
        QTest::newRow("three sides: 2, 3, 4 gives the height to AB exactly")
            << examples::Example{"frm1", {}, {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "4"}}, "Command2"}
            << "h₃ = 3√15/8";
        QTest::newRow("three sides: 2, 3, 4 has an angle of 29.0°")
            << examples::Example{"frm1", {}, {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "4"}}, "Command2"} << "29.0°";
        QTest::newRow("cylinder: a long side area in 3 figures")
            << examples::Example{"frm15", {}, {{"Text1", "2"}, {"Text6", "5"}}, "Command2"} << "r = 2";
        QTest::newRow("chord: the central angle 106°")
            << examples::Example{"frm17", {"opt2"}, {{"Text1", "5"}, {"Text2", "8"}}, "Command2"} << "106°";
    }

    void labels() {
        QFETCH(examples::Example, example);
        QFETCH(QString, label);
        const Sketch sketch = examples::SketchOf(example.window)(SolutionOf(example).figure);
        QStringList texts;
        for (const Sketch::Label& l : sketch.labels) texts << l.text;
        QVERIFY2(texts.contains(label), qPrintable(texts.join(" | ")));
    }
};

QTEST_MAIN(FiguresTest)
#include "tst_figures.moc"
