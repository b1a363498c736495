// A worked solution: what the solution panel of a window shows for one computation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact/exactnumber.h"
#include "exact/solutionsteps.h"
#include "numeric/form.h"

namespace velunda {

// What a quantity of a solution is in its window's figure. The solutions record their
// quantities by measure and the figure makers ask for them by measure, so the two agree
// through the compiler whatever the solution's lines call a quantity; its symbol is only
// the text of its label. One list serves every figure, each asking only for the measures
// it draws: the side lettered a is the triangle's BC, the square's side and the cuboid's
// length alike, while quantities lettered alike that are different things are different
// measures (the rectangle's diagonal d, the circle's diameter d and the chord's distance d
// from the centre).
enum class Measure : unsigned char {
    None,  // not in the figure
    // The lengths as the figure letters them: the triangle's a = BC, b = CA, c = AB (the
    // right triangle's legs a, b and hypotenuse c); the side a of the square, the
    // equilateral triangle and the cube; the rectangle's and the parallelogram's a and b;
    // the trapezoid's bases a (top) and b (bottom); the cuboid's length a, width b, height c.
    SideA,
    SideB,
    SideC,
    AngleA,  // the triangle's angles at its vertices A, B, C
    AngleB,
    AngleC,
    HeightA,  // h₁, h₂, h₃: the triangle's heights onto a, b and c
    HeightB,
    HeightC,
    Height,         // h: of the parallelogram, trapezoid, triangle on its base, equilateral triangle, cylinder
    Angle,          // θ: the parallelogram's angle between a and b
    Diagonal,       // d: the square's and the rectangle's
    Radius,         // r: of the circle, of the chord's circle, of the cylinder's base
    Diameter,       // d: the circle's
    Chord,          // c: the chord's length
    Distance,       // d: the chord's distance from the centre
    CentralAngle,   // θ: the angle the chord subtends at the centre
    Circumradius,   // R: the triangle's circumcircle
    Inradius,       // r: the triangle's incircle
    Perimeter,      // P (of the first triangle where two fit)
    Area,           // S: of a plane figure
    Circumference,  // C: of the circle, of the cylinder's base
    EdgeSum,        // L: the cube's edges together
    CrossSection,   // A: the cuboid's section across its length
    BaseArea,       // S底: the cylinder's base
    LateralArea,    // S侧: the cylinder's side
    Surface,        // S of the cube and the cuboid, S表 of the cylinder
    Volume,         // V
};
inline constexpr int kMeasures = static_cast<int>(Measure::Volume) + 1;

// One quantity of the solution as its figure shows it: the side a = 5√2 drawn 7.07 long.
struct FigureValue {
    Measure measure = Measure::None;
    std::string symbol;  // "a", "h₁", "θ": the label's name for it
    double value = 0;    // a length, or an angle in radians
    std::string label;   // "5√2", "7.07", "36.9°": short exact forms, else 3 significant figures
    bool given = false;  // typed by the pupil rather than computed
};

// One quantity of the solution with its exact value, by the symbol its lines give it: what
// a pupil's own answer is checked against.
struct SolvedValue {
    std::string symbol;   // "d", "X1", "B"
    std::string name;     // "对角线", "角"; "" for a given
    exact::Number value;  // an angle in radians
    bool given = false;
    bool angle = false;
    std::optional<exact::Number> windowPi;  // the value with the window's π (3.14), where it differs
};

struct WorkedSolution {
    std::string plain;                // the steps in the plain-text notation, one line a step (WritePlain)
    std::string html;                 // the steps typeset for the panel and the sheet (WriteHtml)
    std::vector<FigureValue> figure;  // the quantities the figure is drawn from, in order
    std::vector<exact::Step> steps;   // the solution itself, from which plain and html are written
    std::vector<SolvedValue> values;  // its quantities' exact values; the last of a symbol holds
};

// The values of a solution by symbol, as the slips of an exercise compute from them.
class Solved {
public:
    explicit Solved(const std::vector<SolvedValue>& values) : values_(values) {}
    // The last value of that symbol, or nullptr.
    const SolvedValue* find(std::string_view symbol) const;
    // Its exact value, given or computed; a failed number where the solution has none.
    exact::Number operator()(std::string_view symbol) const;
    // The value where it was given, else a failed number.
    exact::Number given(std::string_view symbol) const;

private:
    const std::vector<SolvedValue>& values_;
};

// A known slip of a window's exercises: the wrong value of the quantity `symbol` a pupil
// gets by that mistake, computed from the solution's values (a failed number where the
// slip does not apply to the case at hand).
struct SlipRule {
    std::string_view symbol;
    std::string_view what;  // "把直径当成了半径"
    exact::Number (*value)(const Solved& s);
};

// Explains one computation from its window's field texts and options as they were when the
// computation started (before any of its writes). Never throws.
using Explanation = WorkedSolution (*)(const Form& before);

}  // namespace velunda
