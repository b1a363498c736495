#include "ui/tryfirst.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <algorithm>
#include <array>

#include "exact/solutionbuilder.h"
#include "ui/designedwindow.h"
#include "ui/fonts.h"
#include "ui/formsnapshot.h"
#include "ui/message.h"
#include "ui/settings.h"
#include "ui/solutionpanel.h"

namespace velunda::ui {

using exact::Number;

namespace {

constexpr auto kOnKey = "solution/try", kLevelKey = "solution/tryLevel";

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The marks of a field: a given locked, an answer right or wrong.
const QColor kGivenColor(0xff, 0xf4, 0xc8), kRightColor(0xd4, 0xf2, 0xcc), kWrongColor(0xf8, 0xd2, 0xd2);

Number Degrees(const Number& radians) { return radians * Number::Integer(180) / Number::Pi(); }

// How textbook-like a value is: a whole number, a short exact form (7/3, 5√2, 25π), or
// anything else (a long form, a decimal alone, an angle of no special size).
enum class Niceness { Whole, Exact, Other };

Niceness NicenessOf(const Number& x) {
    if (!x.ok()) return Niceness::Other;
    if (x.IsInteger()) return Niceness::Whole;
    const std::string t = x.ExactText();
    if (t.empty() || x.ExactFormTooLong() || exact::CodePoints(t) > 10) return Niceness::Other;
    const bool plain = std::ranges::all_of(
        t, [](char c) { return std::string_view("0123456789/()+-.").find(c) != std::string_view::npos || (c & 0x80); });
    return plain ? Niceness::Exact : Niceness::Other;
}

// How far an exercise's answers are from its level; 0 is an exercise of that level.
int Distance(int level, const std::vector<Number>& answers) {
    int distance = 0;
    bool exact = false;
    for (const Number& x : answers) {
        const Niceness n = NicenessOf(x);
        if (n == Niceness::Other) distance += 10;
        if (n == Niceness::Exact) {
            exact = true;
            if (level == 1) distance += 3;
        }
    }
    if (level > 1 && !exact) distance += 1;
    return distance;
}

// A given drawn for an exercise at its level.
std::string DrawGiven(GivenDraw draw, int level, QRandomGenerator& random) {
    const auto pick = [&random](auto list) { return std::string(list[random.bounded(int(list.size()))]); };
    switch (draw) {
        case GivenDraw::Length:
            if (level == 3 && random.bounded(2)) return std::to_string(random.bounded(1, 20)) + ".5";
            return std::to_string(level == 1 ? random.bounded(2, 13) : random.bounded(1, 21));
        case GivenDraw::Angle:
            if (level == 1) return pick(std::array{"30", "45", "60", "90"});
            return pick(std::array{"30", "45", "60", "90", "120", "135", "150"});
        case GivenDraw::Coefficient:
            return std::to_string(random.bounded(-9, 10));
        case GivenDraw::Ratio:
            if (level == 1) return pick(std::array{"0", "0.5", "1", "-0.5"});
            return pick(std::array{"0.5", "-0.5", "0.6", "0.8", "1", "2", "3", "0.75"});
    }
    return "1";
}

// Whether a value of the solution is shown in degrees in the field of that row, with the
// options of the form (the window, or an exercise being drawn).
bool InDegrees(const AnswerField& row, const SolvedValue& value, const Form& form) {
    const bool radians = row.radiansOption.empty() ? row.unit == Unit::Radians : form.selected(row.radiansOption);
    return value.angle && !radians;
}

// The steps a hint shows: the solution's own, after its givens and before its answer.
bool IsHint(const exact::Step& s) {
    return s.kind != exact::StepKind::Heading && s.kind != exact::StepKind::Given && s.kind != exact::StepKind::Answer;
}

// A tooltip that is a check's verdict, not the field's own.
bool IsVerdict(const QString& tip) {
    return tip.startsWith(QStringLiteral("✓")) || tip.startsWith(QStringLiteral("✗"));
}

const AnswerField* RowOf(const WindowDesign& design, std::string_view field) {
    auto it = std::ranges::find_if(design.answers, [&](const AnswerField& r) { return r.field == field; });
    return it == design.answers.end() ? nullptr : &*it;
}

const Trigger* TriggerOf(const WindowDesign& design, std::string_view control) {
    auto it = std::ranges::find_if(design.triggers, [&](const Trigger& t) { return t.control == control; });
    return it == design.triggers.end() ? nullptr : &*it;
}

}  // namespace

TrySetting& TrySetting::instance() {
    static TrySetting* setting = new TrySetting;  // lives as long as the program
    return *setting;
}

TrySetting::TrySetting() { on_ = ProgramSettings::instance().value(kOnKey, false).toBool(); }

void TrySetting::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    ProgramSettings::instance().setValue(kOnKey, on);
    emit onChanged(on);
}

TryFirst::TryFirst(DesignedWindow& window, SolutionPanel& panel, const WindowDesign& design)
    : QObject(&window), window_(window), panel_(panel), design_(design) {
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_F3), &window);
    connect(toggle, &QShortcut::activated, this, [this] { setOn(!on_); });
    connect(&TrySetting::instance(), &TrySetting::onChanged, this, &TryFirst::setOn);
    // Typing into an answer takes its mark away.
    for (QWidget* w : window.controls())
        if (auto* field = qobject_cast<QLineEdit*>(w))
            connect(field, &QLineEdit::textEdited, this, [this, field] {
                if (answerOf(field)) unmark(field);
            });
    if (TrySetting::instance().on()) setOn(true);
}

TryFirst::~TryFirst() = default;

int TryFirst::level() const {
    for (std::size_t i = 0; i < levels_.size(); ++i)
        if (levels_[i]->isChecked()) return int(i) + 1;
    return std::clamp(ProgramSettings::instance().value(kLevelKey, 1).toInt(), 1, 3);
}

void TryFirst::setLevel(int level) {
    level = std::clamp(level, 1, 3);
    ProgramSettings::instance().setValue(kLevelKey, level);
    if (!levels_.empty()) levels_[std::size_t(level - 1)]->setChecked(true);
}

void TryFirst::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    if (on && !bar_) {
        // The bar under the panel: two rows of the panel's width.
        bar_ = new QWidget(window_.holder());
        bar_->setObjectName("tryBar");
        const auto button = [&](const char* name, const char* caption, int x, int y, int w) {
            auto* b = new QPushButton(caption, bar_);
            b->setObjectName(name);
            b->setAccessibleName(caption);
            b->setAutoDefault(false);
            barPlaces_.emplace_back(b, QRect(x, y, w, 28));
            return b;
        };
        exercise_ = button("cmdExercise", "出题", 4, 4, 70);
        auto* group = new QButtonGroup(bar_);
        const std::array captions = {"整数", "分数和根式", "综合"};
        const std::array names = {"optLevel1", "optLevel2", "optLevel3"};
        const std::array lefts = {84, 150, 260};
        for (std::size_t i = 0; i < captions.size(); ++i) {
            auto* o = new QRadioButton(captions[i], bar_);
            o->setObjectName(names[i]);
            barPlaces_.emplace_back(o, QRect(lefts[i], 4, i == 1 ? 106 : 62, 28));
            group->addButton(o, int(i) + 1);
            levels_.push_back(o);
        }
        setLevel(std::clamp(ProgramSettings::instance().value(kLevelKey, 1).toInt(), 1, 3));
        connect(group, &QButtonGroup::idClicked, this, &TryFirst::setLevel);
        check_ = button("cmdCheck", "检查", 4, 36, 90);
        hint_ = button("cmdHint", "提示", 100, 36, 90);
        show_ = button("cmdShow", "看答案", 196, 36, 90);
        connect(exercise_, &QAbstractButton::clicked, this, [this] { exercise(); });
        connect(check_, &QAbstractButton::clicked, this, &TryFirst::check);
        connect(hint_, &QAbstractButton::clicked, this, &TryFirst::hint);
        connect(show_, &QAbstractButton::clicked, this, &TryFirst::reveal);
        zoomChanged();
    }
    if (!on) reset();
    updateBar();
    // The mode shows the panel, which lays the bar out under it.
    if (on) panel_.setShown(true);
    emit changed();
}

void TryFirst::zoomChanged() {
    const QFont font = MakeFont(window_.scaled(kDefaultFont));
    for (const auto& [w, rect] : barPlaces_) {
        w->setFont(font);
        w->setGeometry(window_.scaled(rect));
    }
}

bool TryFirst::trigger(Computation computation, Explanation explanation) {
    // The options an exercise chooses write what they write (the circle's π), as usual.
    if (filling_) return false;
    if (!on_ || !explanation) return false;
    if (posed_) {
        if (!posed_->shown) check();
        return true;
    }
    return pose(computation, explanation);
}

bool TryFirst::enterPressed(QObject* field) {
    if (!posed_ || posed_->shown) return false;
    const bool answer = std::ranges::any_of(posed_->answers, [&](const Answer& a) { return a.field == field; });
    if (answer) check();
    return answer;
}

bool TryFirst::pose(Computation computation, Explanation explanation) {
    // The computation tried against a copy of the fields shows what it would write.
    const std::unique_ptr<FormSnapshot> before = SnapshotOf(window_);
    FormSnapshot probe = *before;
    if (!RunComputation(probe, computation) || probe.messages > 0) return false;
    Posed p{computation, explanation, exact::Explain(explanation, *before), {}, {}, {}, 0, false, {}};
    const Solved solved(p.solution.values);
    for (const auto& [name, text] : probe.writes) {
        auto* field = qobject_cast<QLineEdit*>(window_.controls().value(qs(name)));
        // A field the computation read with a number in it is a given, even where it
        // writes it back.
        const bool given = probe.read.count(name) && !before->text(name).empty();
        if (!field || given || std::ranges::any_of(p.answers, [&](const Answer& a) { return a.field == field; }))
            continue;
        Answer answer{field, RowOf(design_, name), nullptr};
        if (answer.row) {
            const SolvedValue* value = solved.find(answer.row->symbol);
            if (value && !value->given) answer.value = value;
        }
        p.answers.push_back(answer);
    }
    // In the order of the window's table, which is the order its fields read in.
    const auto place = [this](const Answer& a) {
        return a.row ? a.row - design_.answers.data() : std::ptrdiff_t(design_.answers.size());
    };
    std::ranges::stable_sort(p.answers, {}, place);
    // What to find, each quantity once (an angle has a field in degrees and one in radians).
    std::vector<std::string> asked;
    for (const Answer& a : p.answers)
        if (a.value && std::ranges::find(asked, a.value->name + " " + a.value->symbol) == asked.end())
            asked.push_back(a.value->name + " " + a.value->symbol);
    std::string wanted;
    for (const std::string& q : asked) wanted += (wanted.empty() ? "" : "、") + q;
    // A trigger that writes none of the answer fields (the circle's π options) computes as usual.
    if (p.answers.empty() ||
        (!design_.answers.empty() && std::ranges::none_of(p.answers, [](const Answer& a) { return a.row; })))
        return false;
    for (auto it = window_.controls().cbegin(); it != window_.controls().cend(); ++it) {
        auto* field = qobject_cast<QLineEdit*>(it.value());
        if (field && !field->text().isEmpty() &&
            std::ranges::none_of(p.answers, [&](const Answer& a) { return a.field == field; }))
            p.givens.push_back(field);
    }
    // "已知 a = 5，求周长 P、面积 S、对角线 d。"
    auto given =
        std::ranges::find_if(p.solution.steps, [](const exact::Step& s) { return s.kind == exact::StepKind::Given; });
    p.statement = given != p.solution.steps.end() ? exact::WritePlain(*given) : "";
    if (!wanted.empty()) p.statement += (p.statement.empty() ? "求 " : "，求 ") + wanted;
    p.statement += "。";
    for (QLineEdit* g : p.givens) lock(g, true);
    for (const Answer& a : p.answers) {
        lock(a.field, false);
        a.field->clear();
    }
    p.clock.start();
    posed_ = std::move(p);
    verdicts_.clear();
    verdictLines_.clear();
    updateBar();
    if (!posed_->answers.empty()) posed_->answers.front().field->setFocus(Qt::OtherFocusReason);
    emit changed();
    return true;
}

void TryFirst::lock(QLineEdit* field, bool given) {
    if (std::ranges::none_of(kept_, [&](const Kept& k) { return k.field == field; }))
        kept_.push_back({field, field->palette(), field->isReadOnly(), field->isEnabled()});
    if (given) {
        field->setReadOnly(true);
        SetTextColor(field, kGivenColor, QPalette::Base);
        field->setAccessibleDescription("已知量");
    } else {
        field->setReadOnly(false);
        field->setEnabled(true);
        field->setAccessibleDescription("填写你的答案");
    }
}

void TryFirst::mark(QLineEdit* field, const exact::Verdict& verdict) {
    SetTextColor(field, verdict.right ? kRightColor : kWrongColor, QPalette::Base);
    field->setToolTip(qs(verdict.text));
    field->setAccessibleDescription(qs(verdict.text));
}

void TryFirst::unmark(QLineEdit* field) {
    auto kept = std::ranges::find_if(kept_, [&](const Kept& k) { return k.field == field; });
    if (kept != kept_.end()) field->setPalette(kept->palette);
    if (IsVerdict(field->toolTip())) field->setToolTip({});
    field->setAccessibleDescription("填写你的答案");
}

const TryFirst::Answer* TryFirst::answerOf(const QLineEdit* field) const {
    if (!posed_) return nullptr;
    auto it = std::ranges::find_if(posed_->answers, [&](const Answer& a) { return a.field == field; });
    return it == posed_->answers.end() ? nullptr : &*it;
}

std::vector<QLineEdit*> TryFirst::answerFields() const {
    std::vector<QLineEdit*> fields;
    if (posed_)
        for (const Answer& a : posed_->answers) fields.push_back(a.field);
    return fields;
}

exact::Asked TryFirst::asked(const QLineEdit* field) const {
    const Answer* a = answerOf(field);
    if (!a || !a->row || !a->value) return {};
    const bool degrees = InDegrees(*a->row, *a->value, window_);
    exact::Asked asked{
        a->value->name + " " + a->value->symbol, {degrees ? Degrees(a->value->value) : a->value->value}, degrees};
    // A field of several quantities: all of them, in order.
    const Solved solved(posed_->solution.values);
    for (std::string_view symbol : a->row->more)
        if (const SolvedValue* v = solved.find(symbol)) {
            asked.quantity += "、" + v->name + " " + v->symbol;
            asked.values.push_back(v->value);
        }
    return asked;
}

std::vector<exact::Slip> TryFirst::slips(const QLineEdit* field) const {
    const Answer* a = answerOf(field);
    if (!a || !a->row || !a->value) return {};
    return slipsOf(a->row->symbol, a->value->value, InDegrees(*a->row, *a->value, window_));
}

std::vector<exact::Slip> TryFirst::slipsOf(std::string_view symbol, const Number& answer, bool degrees) const {
    std::vector<exact::Slip> slips;
    const Solved solved(posed_->solution.values);
    for (const SlipRule& rule : design_.slips)
        if (rule.symbol == symbol) {
            const Number slip = rule.value(solved);
            if (slip.ok() && !slip.Equals(answer))
                slips.push_back({std::string(rule.what), degrees ? Degrees(slip) : slip});
        }
    return slips;
}

exact::Verdict TryFirst::judgeSeveral(const Answer& answer, const std::string& typed) const {
    const Solved solved(posed_->solution.values);
    std::vector<const SolvedValue*> values = {answer.value};
    for (std::string_view symbol : answer.row->more)
        if (const SolvedValue* v = solved.find(symbol)) values.push_back(v);
    std::string names;
    for (const SolvedValue* v : values) names += (names.empty() ? "" : "、") + v->symbol;
    const exact::TypedAnswer read = exact::ReadTypedAnswer(typed);
    if (!read.fault.empty()) return {false, "", "✗ " + names + "：" + read.fault + "。"};
    if (read.values.size() != values.size())
        return {false, "", "✗ " + names + "：要依次写出 " + names + " 的值，中间用逗号隔开。"};
    // Each value judged as its own quantity, the verdicts on one line.
    exact::Verdict verdict{true, "", ""};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const exact::Verdict part =
            exact::Judge({values[i]->name + " " + values[i]->symbol, {values[i]->value}, false}, read.values[i].text,
                         slipsOf(values[i]->symbol, values[i]->value, false));
        verdict.right = verdict.right && part.right;
        if (verdict.slip.empty()) verdict.slip = part.slip;
        verdict.text += (i ? "；" : "") + part.text.substr(part.text.find(' ') + 1);
    }
    verdict.text = (verdict.right ? "✓ " : "✗ ") + verdict.text;
    return verdict;
}

exact::Verdict TryFirst::judge(const Answer& answer, const std::string& typed) const {
    const AnswerField& row = *answer.row;
    if (!row.more.empty()) return judgeSeveral(answer, typed);
    const bool degrees = InDegrees(row, *answer.value, window_);
    const auto shown = [&](const Number& x) { return degrees ? Degrees(x) : x; };
    const Solved solved(posed_->solution.values);
    const exact::Asked asked = this->asked(answer.field);
    const std::vector<exact::Slip> known = slips(answer.field);
    // The other value of a field that may hold either of two (a root, "30或 150").
    const SolvedValue* other = row.other.empty() ? nullptr : solved.find(row.other);
    if (other && other->given) other = nullptr;
    // A field that shows both values takes both, in either order.
    if (other && exact::ReadTypedAnswer(typed).values.size() == 2) {
        exact::Asked both = asked;
        both.values.push_back(shown(other->value));
        return exact::Judge(both, typed, known);
    }
    exact::Verdict verdict = exact::Judge(asked, typed, known);
    if (verdict.right) return verdict;
    if (other) {
        exact::Asked second = asked;
        second.values = {shown(other->value)};
        if (exact::Verdict v = exact::Judge(second, typed); v.right) return v;
    }
    // The window's π (3.14) is right in the window that uses it.
    if (answer.value->windowPi) {
        exact::Asked withPi = asked;
        withPi.values = {*answer.value->windowPi};
        if (exact::Verdict v = exact::Judge(withPi, typed); v.right) {
            v.text += "（π 取 3.14）";
            return v;
        }
    }
    return verdict;
}

void TryFirst::check() {
    if (!posed_ || posed_->shown) return;
    verdicts_.clear();
    verdictLines_.clear();
    for (const Answer& a : posed_->answers) {
        const std::string typed = a.field->text().trimmed().toStdString();
        if (typed.empty() || !a.row || !a.value) continue;
        const exact::Verdict verdict = judge(a, typed);
        mark(a.field, verdict);
        verdicts_.push_back(verdict);
        verdictLines_.push_back(verdict.text);
        if (TrySetting::instance().record) {
            TrySetting::instance().record({window_.objectName().toStdString(), window_.windowTitle().toStdString(),
                                           a.value->name + " " + a.value->symbol, posed_->statement, typed,
                                           verdict.text, verdict.slip, verdict.right, int(posed_->hints), posed_->shown,
                                           double(posed_->clock.elapsed()) / 1000.0});
        }
    }
    if (verdictLines_.empty()) verdictLines_.push_back("先在空着的框里填上你的答案，再按回车或点“检查”。");
    emit changed();
}

void TryFirst::hint() {
    if (!posed_ || posed_->shown) return;
    ++posed_->hints;
    updateBar();
    emit changed();
}

void TryFirst::reveal() {
    if (!posed_ || posed_->shown) return;
    posed_->shown = true;
    for (const Answer& a : posed_->answers) unmark(a.field);
    const Computation computation = posed_->computation;
    panel_.explain(posed_->explanation, [this, computation] { return RunComputation(window_, computation); });
    updateBar();
    emit changed();
}

void TryFirst::reset() {
    for (const Kept& k : kept_) {
        k.field->setPalette(k.palette);
        k.field->setReadOnly(k.readOnly);
        k.field->setEnabled(k.enabled);
        k.field->setAccessibleDescription({});
        if (IsVerdict(k.field->toolTip())) k.field->setToolTip({});
    }
    kept_.clear();
    posed_.reset();
    verdicts_.clear();
    verdictLines_.clear();
    updateBar();
    emit changed();
}

std::optional<WorkedSolution> TryFirst::solution() const {
    using exact::MakeStep;
    using exact::StepKind;
    if (on_ && !posed_)
        return exact::FromSteps(
            {MakeStep(StepKind::Cannot,
                      "先自己做：填好已知量后按回车（或单击计算按钮），这里列出要求的量，答案由你来填；"
                      "也可以点“出题”。")});
    if (!posed_ || posed_->shown) return std::nullopt;
    std::vector<exact::Step> steps = {MakeStep(StepKind::Heading, "解："),
                                      MakeStep(StepKind::Given, posed_->statement)};
    // The hints: the solution's own steps after its givens, one a hint.
    std::size_t shown = 0;
    for (const exact::Step& s : posed_->solution.steps) {
        if (shown == posed_->hints) break;
        if (!IsHint(s)) continue;
        steps.push_back(s);
        ++shown;
    }
    for (const std::string& line : verdictLines_) steps.push_back(MakeStep(StepKind::Note, line));
    // The figure marks the quantities to find, without their values.
    std::vector<FigureValue> figure = posed_->solution.figure;
    for (FigureValue& v : figure)
        if (!v.given) v.label.assign(1, '?');
    return exact::FromSteps(std::move(steps), std::move(figure));
}

void TryFirst::updateBar() {
    if (!bar_) return;
    bar_->setVisible(on_ && panel_.shown());
    exercise_->setEnabled(!design_.exercises.empty());
    const bool open = posed_ && !posed_->shown;
    check_->setEnabled(open);
    show_->setEnabled(open);
    std::size_t steps = 0;
    if (posed_) steps = std::size_t(std::ranges::count_if(posed_->solution.steps, IsHint));
    hint_->setEnabled(open && posed_->hints < steps);
}

void TryFirst::exercise(std::string_view quantity) {
    if (design_.exercises.empty()) return;
    const int lvl = level();
    QRandomGenerator* random = QRandomGenerator::global();
    struct Drawn {
        const ExerciseCase* exercise = nullptr;
        std::map<std::string, std::string, std::less<>> texts;
        int distance = 1 << 20;
    } best;
    // Drawn until one is of the level, the nearest of at most 40 otherwise.
    for (int attempt = 0; attempt < 40 && best.distance > 0; ++attempt) {
        const ExerciseCase& c = design_.exercises[std::size_t(random->bounded(int(design_.exercises.size())))];
        const Trigger* t = TriggerOf(design_, c.trigger);
        if (!t || !t->explanation) continue;
        FormSnapshot form;
        if (c.options.empty())
            form.options = SnapshotOf(window_)->options;
        else
            form.options.insert(c.options.begin(), c.options.end());
        // What the options chosen write of their own (the circle's π) is there as well, and
        // is written into the window with the givens, chosen afresh or not.
        std::map<std::string, std::string, std::less<>> texts;
        for (std::string_view o : c.options)
            if (const Trigger* chosen = TriggerOf(design_, o)) {
                FormSnapshot written = form;
                if (RunComputation(written, chosen->computation))
                    for (auto& [name, text] : written.writes) form.texts[name] = texts[name] = text;
            }
        for (const ExerciseGiven& g : c.givens)
            form.texts[std::string(g.field)] = texts[std::string(g.field)] = DrawGiven(g.draw, lvl, *random);
        FormSnapshot probe = form;
        if (!RunComputation(probe, t->computation) || probe.messages > 0 || probe.writes.empty()) continue;
        const WorkedSolution solution = exact::Explain(t->explanation, form);
        const Solved solved(solution.values);
        // Every answer can be checked, and a figure's (one given a length) is above 0.
        const bool figure =
            std::ranges::any_of(c.givens, [](const ExerciseGiven& g) { return g.draw == GivenDraw::Length; });
        std::vector<Number> answers;
        bool asks = quantity.empty();
        bool fit = true;
        for (const auto& [name, text] : probe.writes) {
            if (texts.count(name)) continue;
            const AnswerField* row = RowOf(design_, name);
            if (!row) continue;
            const SolvedValue* v = solved.find(row->symbol);
            if (!v || v->given || (figure && v->value.Sign() <= 0)) {
                fit = false;
                break;
            }
            answers.push_back(InDegrees(*row, *v, form) ? Degrees(v->value) : v->value);
            asks = asks || v->name + " " + v->symbol == quantity;
        }
        if (!fit || answers.empty()) continue;
        const int distance = Distance(lvl, answers) + (asks ? 0 : 100);
        if (distance < best.distance) best = {&c, std::move(texts), distance};
    }
    if (!best.exercise) {
        ShowMessageBox(&window_, "这次没有出成题，请再点一次“出题”。", Icon::Information, {});
        return;
    }
    reset();
    // Filled as a pupil would type it; the options chosen compute as usual.
    filling_ = true;
    for (std::string_view f : design_.clearedFields) window_.field(f)->clear();
    for (std::string_view o : best.exercise->options) window_.option(o)->setChecked(true);
    for (const auto& [field, text] : best.texts) window_.write(field, text);
    filling_ = false;
    const Trigger* t = TriggerOf(design_, best.exercise->trigger);
    if (!on_) setOn(true);
    if (!pose(t->computation, t->explanation)) window_.compute(t->computation, t->explanation);
}

}  // namespace velunda::ui
