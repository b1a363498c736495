// The declarative description of a window: its title, size and colours, and one row
// per control with its name, caption, place, font and colour. Places and sizes are in
// twips, as the windows were designed; 15 twips make one logical pixel.
#pragma once

#include <QColor>
#include <functional>
#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "figure/sketch.h"
#include "numeric/form.h"
#include "ui/fontstyle.h"
#include "ui/palette.h"

namespace velunda::ui {

inline int px(int twips) { return (twips * 2 + 15) / 30; }  // nearest pixel

enum class Kind {
    Label,   // static text
    Field,   // single-line editable text
    Button,  // command button
    Option,  // option button, one group per window
    Link,    // a label that opens a window when clicked (the main menu's entries)
};

// How a control looks, each part optional: a row names the parts it sets,
// {.font = big, .color = kRed, .wrap = true}, or gives the font alone.
struct Look {
    FontStyle font = kDefaultFont;
    QColor color = {};       // text colour; invalid: the default
    QColor background = {};  // opaque background; invalid: transparent over the window
    bool wrap = false;       // a label whose caption wraps onto several lines
    bool centered = false;   // a label whose caption is centred
};

// One row a control, its columns in this order; its look, when it has one, comes last.
struct ControlDesign {
    Kind kind;
    std::string_view name;         // the control's name: "Text1", "lbl15", "Label1(2)"
    std::string_view caption;      // caption, or a field's initial text
    int left, top, width, height;  // twips
    Look look = {};
};

// What sets a computation off.
enum class Event {
    Enter,     // the Enter key in a field
    Click,     // a click on a button or an option button
    Selected,  // an option button becoming the selected one of its group
};

// One row of a window's behaviour: this event on that control runs that computation, and
// the worked-solution panel explains it.
struct Trigger {
    Event event;
    std::string_view control;  // "Text1", "Command2", "Option1"
    Computation computation;
    Explanation explanation = nullptr;
};

// What a pupil's own answer in a field is checked against in try-first mode: the solution's
// quantity of that symbol, as the field shows it.
enum class Unit {
    Number,   // not an angle
    Degrees,  // an angle the field shows in degrees
    Radians,  // an angle the field shows in radians
};
struct AnswerField {
    std::string_view field;   // "Text2"
    std::string_view symbol;  // "P"
    Unit unit = Unit::Number;
    std::string_view radiansOption = {};      // an angle shown in radians while this option is selected
    std::string_view other = {};              // a field that may hold either of two roots: the other's symbol
    std::vector<std::string_view> more = {};  // the quantities the field shows after the first ("x=1  y=2")
};

// How an exercise of the window draws a given quantity, level by level.
enum class GivenDraw {
    Length,       // a positive length: whole numbers, then halves and larger
    Angle,        // an angle in degrees: 30°, 45°, 60°, 90°, then 120°, 135°, 150° and more
    Coefficient,  // a whole coefficient of an equation, negative as well, 0 now and then
    Ratio,        // a value of a trigonometric function: 1/2, √3/2 and the like as decimals
};
struct ExerciseGiven {
    std::string_view field;
    GivenDraw draw = GivenDraw::Length;
};
// One kind of exercise: the givens typed, the options chosen, then the trigger.
struct ExerciseCase {
    std::string_view trigger;
    std::vector<ExerciseGiven> givens;
    std::vector<std::string_view> options = {};
};

class DesignedWindow;

// A Label row directly followed by a Field row is that field's caption: it becomes the
// field's buddy and gives the field its accessible name.
struct WindowDesign {
    std::string_view name;   // "frm12"
    std::string_view title;  // "解正方形"
    int width, height;       // client area, twips
    QColor background;
    std::vector<ControlDesign> controls;
    // The focus order by name; empty means the focusable controls in the order above.
    std::vector<std::string_view> tabOrder = {};
    // The clear button and the fields it empties, in order; the exit button.
    std::string_view clearButton = {};
    std::vector<std::string_view> clearedFields = {};
    std::string_view exitButton = {};
    // What the controls set off.
    std::vector<Trigger> triggers = {};
    // A tooltip every field of the window carries ("π取3.14"); a field whose text is wider
    // than the field shows the whole text above it.
    std::string_view fieldToolTip = {};
    // Runs once the controls exist, for what the rows above cannot say (a field that opens
    // only after another one is typed into, names for screen readers).
    std::function<void(DesignedWindow&)> setUp = {};
    // The figure above the worked solution, drawn from its quantities.
    SketchMaker figure = nullptr;
    // Try-first mode: the fields whose values the pupil finds, the known slips of the
    // window's exercises, and the exercises it sets of its own.
    std::vector<AnswerField> answers = {};
    std::vector<SlipRule> slips = {};
    std::vector<ExerciseCase> exercises = {};
    // The fields the window only writes and no computation reads: Tab reaches them after
    // the inputs and the buttons, whatever the focus order above.
    std::vector<std::string_view> results = {};
};

}  // namespace velunda::ui
