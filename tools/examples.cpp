#include "tools/examples.h"

#include <optional>

#include "app/windowtable.h"

namespace velunda::examples {

// The examples a pupil meets first: whole numbers that give familiar results.
const std::vector<Example>& Examples() {
    static const std::vector<Example> examples = {
        // Triangles.
        {"frm1", {}, {{"Text1", "3"}, {"Text2", "4"}, {"Text3", "5"}}, "Command2"},
        {"frm21", {"Opt2"}, {{"Text2", "3"}, {"Text4", "4"}, {"Text5", "90"}}, "Command2"},
        {"frm7", {}, {{"Text1", "6"}, {"Text2", "4"}}, "Command2"},
        {"frm8", {}, {{"Text1", "5"}, {"Text2", "5"}, {"Text5", "12"}}, "Command2"},
        {"frm14", {}, {{"Text1", "3"}, {"Text2", "4"}}, "Command2"},
        {"frm13", {}, {{"Text1", "2"}}, "Command2"},
        // Quadrilaterals.
        {"frm12", {}, {{"Text1", "5"}}, "Text1"},
        {"frm6", {}, {{"Text1", "3"}, {"Text2", "4"}}, "Command1"},
        {"frm9", {}, {{"Text1", "2"}, {"Text2", "4"}, {"Text3", "3"}}, "Command3"},
        // Solids.
        {"frm11", {}, {{"Text1", "2"}}, "Text1"},
        {"frm5", {}, {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "4"}}, "Command1"},
        {"frm15", {}, {{"Text1", "2"}, {"Text6", "5"}}, "Command2"},
        // Parallelograms.
        {"frm4", {"opt2"}, {{"Text1", "2"}, {"Text2", "3"}, {"Text4", "3"}}, "Command2"},
        {"frm3", {}, {{"Text1", "4"}, {"Text2", "3"}}, "Command2"},
        {"frm2", {}, {{"Text1", "3"}, {"Text2", "5"}}, "Command2"},
        // Algebra.
        {"frm18", {}, {{"Text1", "30"}}, "Command2"},
        {"frm16", {}, {{"Text1", "1"}, {"Text2", "-3"}, {"Text3", "2"}}, "Command2"},
        {"frm19",
         {},
         {{"Text1", "1"}, {"Text2", "1"}, {"Text6", "-3"}, {"Text3", "1"}, {"Text4", "-1"}, {"Text7", "-1"}},
         "Command4"},
        {"frm20",
         {},
         {{"Text1(1)", "1"},
          {"Text1(2)", "1"},
          {"Text1(3)", "1"},
          {"Text1(4)", "-6"},
          {"Text1(5)", "1"},
          {"Text1(6)", "2"},
          {"Text1(7)", "3"},
          {"Text1(8)", "-14"},
          {"Text1(9)", "2"},
          {"Text1(10)", "1"},
          {"Text1(11)", "3"},
          {"Text1(12)", "-13"}},
         "Command2"},
        // Drills.
        {"frm22", {}, {}, {}, {true, true, false, true}},
        {"frm23", {"opt3"}, {}, {}, {true, true, false}},
        // Circles.
        {"frm10", {"Option1"}, {{"Text1", "1"}}, "Text1"},
        {"frm17", {"opt2"}, {{"Text1", "5"}, {"Text2", "8"}}, "Command2"},
        // More computations, for the bench: the other fields of the square and the circle, an
        // angle in radians, an angle from an area, the cylinder's and cuboid's quadratics.
        {"frm17", {"opt1"}, {{"Text1", "7.3"}, {"Text4", "1.2"}}, "Command2"},
        {"frm4", {"opt2"}, {{"Text1", "2.7"}, {"Text2", "3.1"}, {"Text4", "5.5"}}, "Command2"},
        {"frm15", {}, {{"Text6", "5"}, {"Text4", "87.92"}}, "Command2"},
        {"frm5", {}, {{"Text1", "1.5"}, {"Text4", "7"}, {"Text5", "30"}}, "Command1"},
        {"frm11", {}, {{"Text4", "45.7"}}, "Text4"},
        {"frm12", {}, {{"Text2", "20"}}, "Text2"},
        {"frm12", {}, {{"Text3", "25"}}, "Text3"},
        {"frm12", {}, {{"Text4", "7.07106781186548"}}, "Text4"},
        {"frm10", {"Option1"}, {{"Text4", "314"}}, "Text4"},
        // Roots of degree 4 (sin 15°), an angle from its sine, digits the field loses,
        // fractions.
        {"frm18", {}, {{"Text1", "15"}}, "Command2"},
        {"frm18", {}, {{"Text5", "0.3"}}, "Command2"},
        {"frm16", {}, {{"Text1", "1"}, {"Text2", "2.0000001"}, {"Text3", "1.0000001"}}, "Command2"},
        {"frm19",
         {},
         {{"Text1", "1"}, {"Text2", "1"}, {"Text6", "-3"}, {"Text3", "2"}, {"Text4", "-1"}, {"Text7", "-4"}},
         "Command4"},
        // The triangles' longest solutions: side-side-angle with two triangles, two sides and
        // an area in decimals, and an angle of 15° through the sine rule.
        {"frm21", {"Opt2"}, {{"Text1", "30"}, {"Text2", "3"}, {"Text4", "4"}}, "Command2"},
        {"frm8", {}, {{"Text1", "2.7"}, {"Text2", "3.1"}, {"Text5", "3.9"}}, "Command2"},
        {"frm21", {"Opt2"}, {{"Text1", "45"}, {"Text3", "15"}, {"Text6", "2"}}, "Command2"},
    };
    return examples;
}

const Example* ExampleFor(std::string_view window) {
    for (const Example& e : Examples())
        if (e.window == window) return &e;
    return nullptr;
}

namespace {

std::optional<ui::Trigger> TriggerOf(std::string_view window, std::string_view control) {
    const ui::WindowEntry* entry = ui::FindWindow(window);
    if (entry == nullptr || entry->design == nullptr) return std::nullopt;
    for (const ui::Trigger& t : entry->design().triggers)
        if (t.control == control) return t;
    return std::nullopt;
}

}  // namespace

Computation ComputationOf(std::string_view window, std::string_view control) {
    const std::optional<ui::Trigger> t = TriggerOf(window, control);
    return t ? t->computation : nullptr;
}

Explanation ExplanationOf(std::string_view window, std::string_view control) {
    const std::optional<ui::Trigger> t = TriggerOf(window, control);
    return t ? t->explanation : nullptr;
}

ui::SketchMaker SketchOf(std::string_view window) {
    const ui::WindowEntry* entry = ui::FindWindow(window);
    return entry != nullptr && entry->design != nullptr ? entry->design().figure : nullptr;
}

}  // namespace velunda::examples
