#include "solvers/plane/angleunit.h"
#include "solvers/plane/chord.h"
#include "solvers/plane/layouts.h"
#include "solvers/plane/planewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign ChordWindowDesign() {
    WindowDesign design{
        .name = "frm17", .title = "垂径定理", .width = 4950, .height = 2430, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1", "圆心角", 120, 180, 780, 255},
            {Kind::Field, chord::Angle, "", 960, 120, 1215, 375},
            RadianOption(2520, 120),
            DegreeOption(3600, 120),
            {Kind::Label, "Label2", "半径", 120, 780, 780, 255},
            {Kind::Field, chord::Radius, "", 960, 720, 1215, 375},
            {Kind::Label, "Label3", " 弦", 120, 1380, 780, 255},
            {Kind::Field, chord::Chord, "", 960, 1320, 1215, 375},
            {Kind::Label, "Label4", "弦心距", 120, 1980, 780, 255},
            {Kind::Field, chord::Distance, "", 960, 1920, 1215, 375},
            {Kind::Button, "Command1", "清  零", 3120, 720, 1095, 375},
            {Kind::Button, "Command2", "计  算", 3120, 1320, 1095, 375},
            {Kind::Button, "Command3", "退  出", 3120, 1920, 1095, 375},
        },
        // The radian option comes first, so the window opens in radians.
        .tabOrder = {angleunit::Radians, chord::Angle, chord::Radius, chord::Chord, chord::Distance, "Command1",
                     "Command2", "Command3", angleunit::Degrees},
        .clearButton = "Command1", .clearedFields = {chord::Radius, chord::Chord, chord::Distance, chord::Angle},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", SolveChord, ExplainChord},
    };
    design.figure = ChordSketch;
    design.answers = {{chord::Radius, "r"},
                      {chord::Chord, "c"},
                      {chord::Distance, "d"},
                      {chord::Angle, "θ", Unit::Degrees, angleunit::Radians}};
    design.slips = ChordSlips();
    // In degrees; givens that make no chord show a message and are drawn again. A radius
    // and a distance give whole numbers only where the chord is 0.
    const std::vector<std::string_view> degrees = {angleunit::Degrees};
    design.exercises = {
        {"Command2", {{chord::Radius}, {chord::Chord}}, degrees},
        {"Command2", {{chord::Chord}, {chord::Distance}}, degrees},
        {"Command2", {{chord::Angle, GivenDraw::Angle}, {chord::Radius}}, degrees},
        {"Command2", {{chord::Angle, GivenDraw::Angle}, {chord::Chord}}, degrees},
        {"Command2", {{chord::Angle, GivenDraw::Angle}, {chord::Distance}}, degrees},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
