#include "drills/drillwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "drills/historystore.h"
#include "drills/pupils.h"
#include "drills/sheetpdf.h"
#include "drills/strategy.h"
#include "ui/fonts.h"
#include "ui/help.h"
#include "ui/palette.h"

namespace velunda::ui {
namespace {

const int kGap = 4;  // pixels between the problem and the answer field

// The count labels are wider than designed, up to the options, so that counts of
// several digits show whole; they are transparent, so nothing else changes. The window
// leaves room on the right for an answer field pushed past its designed place by a
// long problem (see placeAnswerField).
// clang-format off
WindowDesign DrillDesign(std::string_view name, const QColor& clockColour) {
    const FontStyle large = SimSun(21.75);
    const FontStyle caption = SimSun(12);
    return {
        .name = name, .title = "口算练习", .width = 7440, .height = 2700, .background = kBlack,
        .controls = {
            {Kind::Label, "Label1", "00:00:00", 480, 360, 1935, 375, {.font = SimHei(21.75), .color = clockColour}},
            {Kind::Label, "lbl1", "", 2760, 480, 2535, 495, {.font = large, .color = kYellow}},
            {Kind::Field, "Text1", "", 3480, 480, 2775, 495, large},
            {Kind::Label, "Label2(0)", " 总  计  ：", 480, 960, 1335, 255, {.font = caption, .color = kBrightGreen}},
            {Kind::Label, "Label2(1)", "正确的个数：", 360, 1440, 1455, 255, {.font = caption, .color = kBrightGreen}},
            {Kind::Label, "Label2(2)", "错误的个数：", 360, 1920, 1455, 255, {.font = caption, .color = kBrightGreen}},
            {Kind::Label, "lbl4", "00", 1800, 840, 960, 435, {.font = large, .color = kRed}},
            {Kind::Label, "lbl2", "00", 1800, 1320, 960, 435, {.font = large, .color = kRed}},
            {Kind::Label, "lbl3", "00", 1800, 1800, 960, 435, {.font = large, .color = kRed}},
            {Kind::Option, "opt1", "一位数相加", 2760, 1200, 1575, 375, {.font = caption, .color = kLightYellow}},
            {Kind::Option, "opt2", "一位数相减", 5040, 1200, 1575, 375, {.font = caption, .color = kLightYellow}},
            {Kind::Option, "opt3", "一位数相乘", 2760, 1800, 1575, 375, {.font = caption, .color = kLightYellow}},
            {Kind::Option, "opt4", "一位数相除", 5040, 1800, 1575, 375, {.font = caption, .color = kLightYellow}},
        },
        // The addition option takes the focus when the window opens.
        .tabOrder = {"opt1", "opt2", "opt3", "opt4", "Text1"},
    };
}
// clang-format on

// A control added beside the design, as the toolkit draws one rather than in the board's
// black (which the window's palette gives its children).
void UseStandardColours(QWidget* w) {
    QPalette own = w->palette();
    const QPalette standard = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::ButtonText, QPalette::Base, QPalette::Text,
                                     QPalette::Window, QPalette::WindowText})
        own.setColor(role, standard.color(role));
    w->setPalette(own);
}

}  // namespace

DrillWindow::DrillWindow(std::string_view name, const QColor& clockColour, bool wrongAnswers)
    : DesignedWindow(DrillDesign(name, clockColour)),
      random_(std::make_unique<TimeOfDayRandom>()),
      drill_(*random_),
      offersWrongAnswers_(wrongAnswers),
      history_(std::string(name), [this](const std::string& message) { ShowMessage(message, Icon::Information); }) {
    clock_ = new QTimer(this);
    clock_->setObjectName("Timer1");
    clock_->setInterval(999);
    connect(clock_, &QTimer::timeout, this, &DrillWindow::tick);

    const std::pair<std::string_view, Operation> options[] = {{"opt1", Operation::Addition},
                                                              {"opt2", Operation::Subtraction},
                                                              {"opt3", Operation::Multiplication},
                                                              {"opt4", Operation::Division}};
    for (const auto& [name, op] : options) {
        connect(option(name), &QAbstractButton::toggled, this, [this, op = op](bool checked) {
            if (checked) select(op);
        });
        option(name)->installEventFilter(this);
    }
    onEnter("Text1", [this] { answer(); });
    // Another pupil chosen: the drill starts afresh, recorded for that pupil.
    connect(&CurrentPupil::instance(), &CurrentPupil::changed, this, [this] {
        if (started_) restart();
    });

    // Under the counts and options, where the board is free: after a missed fact, the
    // way to work it, until the next answer.
    strategy_ = new QLabel(this);
    strategy_->setObjectName("lblStrategy");
    strategy_->setWordWrap(true);
    strategy_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColor(strategy_, kLightCyan);
    place(strategy_, QRect(px(360), px(2190), px(6840), px(510)), SimSun(10.5));

    if (!offersWrongAnswers_) return;
    // The practice window: one row more under the designed board, so that no designed
    // control moves, for the wrong-answer book, today's practice and which set is on.
    growBoard(px(480));
    const int top = px(2760);
    auto* book = new QPushButton("错题本", this);
    book->setObjectName("cmdWrongBook");
    book->setToolTip("只练错题本里的题，每题连续答对两次为止");
    auto* today = new QPushButton("今日练习", this);
    today->setObjectName("cmdToday");
    today->setToolTip("错题本里的题和今天该复习的题，最多 10 分钟");
    set_ = new QLabel(this);
    set_->setObjectName("lblSet");
    SetTextColor(set_, kLightYellow);
    place(book, QRect(px(480), top, px(1200), px(390)), SimSun(10.5));
    place(today, QRect(px(1800), top, px(1320), px(390)), SimSun(10.5));
    place(set_, QRect(px(3360), top, px(3900), px(390)), SimSun(10.5));
    for (QPushButton* button : {book, today}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);  // Enter presses it, as on the designed buttons
        UseStandardColours(button);
    }
    connect(book, &QPushButton::clicked, this, [this] { practiseWrongAnswers(); });
    connect(today, &QPushButton::clicked, this, [this] { practiseToday(); });
}

DrillWindow::~DrillWindow() = default;

void DrillWindow::showEvent(QShowEvent* event) {
    // Showing the window gives opt1 the focus, which selects it.
    DesignedWindow::showEvent(event);
    if (!started_) {
        started_ = true;
        start();
    }
}

bool DrillWindow::eventFilter(QObject* watched, QEvent* event) {
    // An operation chosen with the mouse: the pupil goes on typing the answer.
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QRadioButton*>(watched)) {
        QTimer::singleShot(0, this, [this] { field("Text1")->setFocus(Qt::MouseFocusReason); });
    }
    return DesignedWindow::eventFilter(watched, event);
}

void DrillWindow::start() {
    history_.start();  // the history is opened here, when a drill first needs it
    drill_.ResetCounts();
    random_->Randomize();
    drill_.Pose(Operation::Addition, Occasion::Selection);
    showProblem();
    field("Text1")->clear();
    clock_->start();
}

void DrillWindow::restart() {
    practice_.reset();
    history_.start();
    drill_.ResetCounts();
    showCounts(0, 0);
    ticks_ = 0;
    write("Label1", ClockText(0));
    drill_.Pose(selectedOperation(), Occasion::Selection);
    showProblem();
    strategy_->clear();
    showSet();
    field("Text1")->clear();
    clock_->start();
}

void DrillWindow::select(Operation op) {
    if (practice_) endPractice();
    drill_.Pose(op, Occasion::Selection);
    showProblem();
}

void DrillWindow::answer() {
    // A test that has reached its length takes no more answers while it closes.
    if (field("Text1")->isReadOnly()) return;
    if (practice_) {
        const Problem asked = practice_->problem();
        const std::string typed = text("Text1");
        const bool right = practice_->Answer(typed);
        history_.answered(asked, typed, right);
        showStrategy(asked, right);
        showCounts(practice_->right(), practice_->wrong());
        showSet();
        field("Text1")->clear();
        const bool timeUp = today_ && ticks_ - practiceStart_ >= 60LL * kTodaysMinutes;
        if (practice_->remaining() > 0 && !timeUp) return showProblem();
        ShowMessage(!today_                                ? kWrongAnswerPracticeDone
                    : timeUp && practice_->remaining() > 0 ? kTodaysTimeUp
                                                           : kTodaysPracticeDone,
                    Icon::Information);
        return endPractice();
    }
    const Operation op = selectedOperation();
    const std::string typed = text("Text1");
    Problem asked = drill_.problem();
    asked.operation = op;
    const bool right = drill_.Answer(typed, op);
    history_.answered(asked, typed, right);
    showStrategy(asked, right);
    write("lbl2", CountText(drill_.right()));
    updateTotal();
    write("lbl3", CountText(drill_.wrong()));
    updateTotal();
    showProblem();
    field("Text1")->clear();
    answerCounted();
}

void DrillWindow::showStrategy(const Problem& asked, bool right) {
    strategy_->setText(right ? QString() : QString::fromStdString(StrategyText(asked)));
}

void DrillWindow::showCounts(std::int16_t right, std::int16_t wrong) {
    write("lbl2", CountText(right));
    write("lbl3", CountText(wrong));
    updateTotal();
}

void DrillWindow::updateTotal() { write("lbl4", TotalText(text("lbl3"), text("lbl2"))); }

void DrillWindow::tick() {
    write("Label1", ClockText(++ticks_));
    clockTicked();
}
Operation DrillWindow::selectedOperation() const {
    if (selected("opt1")) return Operation::Addition;
    if (selected("opt2")) return Operation::Subtraction;
    if (selected("opt3")) return Operation::Multiplication;
    if (selected("opt4")) return Operation::Division;
    return Operation::Addition;
}

void DrillWindow::placeAnswerField() {
    // The field stands at its operation's edge; where the problem in the installed face
    // is wider than the designed face (a three-digit dividend), it moves on to the right
    // so that the whole problem, "=" included, stays in sight.
    QLabel* problem = label("lbl1");
    QLineEdit* answer = field("Text1");
    const int problemEnd = problem->x() + QFontMetrics(problem->font()).horizontalAdvance(problem->text()) + kGap;
    answer->move(std::max(scaled(px(AnswerFieldLeft(problemOnShow().operation))), problemEnd), answer->y());
}

void DrillWindow::showProblem() {
    const std::string problem = problemOnShow().text();
    write("lbl1", problem);
    placeAnswerField();
    history_.posed();
    field("Text1")->setAccessibleName(QString::fromStdString(problem));
}

const Problem& DrillWindow::problemOnShow() const { return practice_ ? practice_->problem() : drill_.problem(); }

void DrillWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* history = menu.addAction("口算记录");
    QAction* wrongAnswers = offersWrongAnswers_ ? menu.addAction("练习错题") : nullptr;
    menu.addSeparator();
    QAction* print = menu.addAction("打印口算题卡…");
    QAction* enter = menu.addAction("录入题卡成绩…");
    menu.addSeparator();
    addZoomActions(menu);
    menu.addSeparator();
    connect(menu.addAction("帮助\tF1"), &QAction::triggered, this, [this] { ShowHelpFor(this); });
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen && chosen == history) openWindow("frmhistory");
    if (chosen && chosen == wrongAnswers) practiseWrongAnswers();
    if (chosen && chosen == print) PrintSheetDialog(this);
    if (chosen && chosen == enter) EnterSheetDialog(this);
}

void DrillWindow::practiseWrongAnswers() { practiseSet(false); }

void DrillWindow::practiseToday() { practiseSet(true); }

void DrillWindow::practiseSet(bool today) {
    // The facts are read on the store's thread; the practice begins when they arrive.
    HistoryStore::Shared().fetchFacts(this, [this, today](const std::vector<FactHistory>& facts) {
        const auto now = QDateTime::currentMSecsSinceEpoch();
        const std::vector<FactHistory> set = today ? TodaysFacts(facts, now) : WrongAnswerBook(facts, now);
        if (set.empty()) return ShowMessage(today ? kNothingDueToday : kWrongAnswerBookEmpty, Icon::Information);
        practice_.emplace(set, *random_);
        today_ = today;
        practiceStart_ = ticks_;
        history_.start(!today, today);
        showCounts(0, 0);
        showProblem();
        showSet();
        field("Text1")->clear();
        field("Text1")->setFocus(Qt::OtherFocusReason);
    });
}

void DrillWindow::showSet() {
    if (!set_) return;
    if (!practice_) return set_->clear();
    set_->setText(QString(today_ ? "今日练习：还有 %1 题" : "错题本：还有 %1 题").arg(practice_->remaining()));
}

void DrillWindow::endPractice() {
    practice_.reset();
    showSet();
    history_.start();
    showCounts(drill_.right(), drill_.wrong());
    showProblem();
}

TestDrillWindow::TestDrillWindow() : DrillWindow("frm23", QColor(255, 128, 255)) {
    // One row more under the designed board, so that no designed control moves.
    growBoard(px(480));
    auto* caption = new QLabel("测试长度：", this);
    caption->setObjectName("lblLength");
    lengths_ = new QComboBox(this);
    lengths_->setObjectName("cmbLength");
    lengths_->setAccessibleName("测试长度");
    for (const TestLength& length : kTestLengths) lengths_->addItem(QString::fromStdString(length.text()));
    left_ = new QLabel(this);
    left_->setObjectName("lblLeft");
    const int top = px(2760);
    for (QLabel* label : {caption, left_}) SetTextColor(label, kLightYellow);
    UseStandardColours(lengths_);
    place(caption, QRect(px(480), top, px(1200), px(360)), SimSun(10.5));
    place(lengths_, QRect(px(1680), top, px(1500), px(360)), SimSun(10.5));
    place(left_, QRect(px(3360), top, px(3900), px(360)), SimSun(10.5));
    connect(lengths_, &QComboBox::activated, this, &TestDrillWindow::chooseLength);
    showLeft();
}

void TestDrillWindow::chooseLength(int index) {
    if (index < 0 || index >= int(std::size(kTestLengths))) return;
    // A length is chosen before the test starts: the test starts afresh with it.
    length_ = kTestLengths[index];
    restart();
    showLeft();
    field("Text1")->setFocus(Qt::OtherFocusReason);
}

void TestDrillWindow::answerCounted() {
    // Once answering has begun the length stays as chosen.
    lengths_->setEnabled(false);
    showLeft();
}

void TestDrillWindow::clockTicked() { showLeft(); }

void TestDrillWindow::showLeft() {
    const int answered = drill().right() + drill().wrong();
    left_->setText(QString::fromStdString(length_.leftText(answered, seconds())));
    if (ending_ || !length_.reached(answered, seconds())) return;
    // The length reached: no more answers, and the summary as the window closes.
    ending_ = true;
    field("Text1")->setReadOnly(true);
    QTimer::singleShot(0, this, [this] { close(); });
}

void TestDrillWindow::closeEvent(QCloseEvent* event) {
    // Whatever closes the window, the summary shows once and the window closes after it;
    // a second close request while the summary is open waits for that one.
    if (summing_) {
        event->ignore();
        return;
    }
    summing_ = true;
    ShowMessage(SummaryText(text("lbl2"), text("lbl4"), text("Label1")));
    event->accept();
}

QWidget* NewPracticeWindow() { return new DrillWindow("frm22", QColor(0, 0, 255), true); }

}  // namespace velunda::ui
