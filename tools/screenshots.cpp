// Saves a picture of the menu and of every window into a folder:
//   velunda-screenshots DIR [window ...]
// Each window is opened from the catalog as its menu entry opens it, filled with a
// worked example the way a pupil fills it (keys typed into its fields, an option
// chosen, Enter or the compute button), and drawn as it then shows on screen.
// Run it under a display, e.g. xvfb-run -a; QT_SCALE_FACTOR=2 gives high-DPI pictures.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <string_view>
#include <utility>
#include <vector>

#include "app/calculatorwindow.h"
#include "app/fonts.h"
#include "app/mainmenu.h"
#include "app/windowcatalog.h"
#include "app/windowtable.h"
#include "drills/drillwindow.h"
#include "drills/historystore.h"

namespace {

using velunda::ui::CalculatorWindow;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// One worked example: the options chosen first, the texts typed into fields in order,
// then the trigger (a field gets Enter, a button a click). A drill window answers its
// problems instead: true is the right answer, false a wrong one.
struct Example {
    std::string_view window;
    std::vector<std::string_view> options;
    std::vector<std::pair<std::string_view, std::string_view>> typed;
    std::string_view trigger;
    std::vector<bool> answers = {};
};

// The examples a pupil meets first: whole numbers that give familiar results.
const std::vector<Example> kExamples = {
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
    {"frm23", {"opt3"}, {}, {}, {true, false, true}},
    // Circles.
    {"frm10", {"Option1"}, {{"Text1", "1"}}, "Text1"},
    {"frm17", {"opt2"}, {{"Text1", "5"}, {"Text2", "8"}}, "Command2"},
};

const Example* ExampleFor(const QString& window) {
    for (const Example& e : kExamples)
        if (qs(e.window) == window) return &e;
    return nullptr;
}

void sendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Types the text key by key into the emptied field, as from the keyboard.
void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    field->clear();
    for (QChar c : text) sendKey(field, c.toUpper().unicode(), QString(c));
}

void pressEnter(QLineEdit* field) { sendKey(field, Qt::Key_Return, "\r"); }

// The answer to a drill problem such as "7×8=", right or off by one.
QString DrillAnswer(const QString& problem, bool right) {
    static const QRegularExpression shape("^(\\d+)(.)(\\d+)=$");
    const QRegularExpressionMatch m = shape.match(problem);
    if (!m.hasMatch()) return "0";
    const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
    const QString op = m.captured(2);
    int result = 0;
    if (op == "+")
        result = a + b;
    else if (op == "-")
        result = a - b;
    else if (op == "×")
        result = a * b;
    else if (b != 0)
        result = a / b;
    return QString::number(right ? result : result + 1);
}

// Fills the window with its example; false when a control of the example is missing.
bool Fill(CalculatorWindow& w, const Example& e) {
    try {
        for (std::string_view o : e.options) w.option(o)->click();
        for (const auto& [field, text] : e.typed) typeInto(w.field(field), qs(text));
        if (!e.trigger.empty()) {
            QWidget* trigger = w.control(e.trigger);
            if (auto* field = qobject_cast<QLineEdit*>(trigger))
                pressEnter(field);
            else
                w.button(e.trigger)->click();
        }
        for (bool right : e.answers) {
            QLineEdit* answer = w.field("Text1");
            typeInto(answer, DrillAnswer(w.label("lbl1")->text(), right));
            pressEnter(answer);
        }
    } catch (const std::logic_error& fault) {
        qWarning("%s: %s", qPrintable(w.objectName()), fault.what());
        return false;
    }
    return true;
}

// An example is meant to show results, not a message: a message box is noted as a
// failure and closed at once, so that the run goes on.
class MessageCloser : public QObject {
    Q_OBJECT

public:
    MessageCloser() { qApp->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++shown;
                qWarning("message shown: %s", qPrintable(box->text()));
                QTimer::singleShot(0, box, [box] { box->accept(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    // The program's own faces, as at start-up.
    velunda::ui::AddProgramFonts();
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: velunda-screenshots DIR [window ...]");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    MessageCloser messages;
    velunda::ui::WindowCatalog catalog;
    auto* menu = new velunda::ui::MainMenu(catalog);
    menu->show();

    QStringList names;
    for (int i = 2; i < argc; ++i) names << QString::fromLocal8Bit(argv[i]);
    if (names.isEmpty()) {
        names << "frmmulu";
        for (const auto& e : velunda::ui::Windows()) names << qs(e.name);
    }
    int failures = 0;
    for (const QString& name : names) {
        // "frm22-practice": the practice window going through the wrong-answer book that the
        // frm22 example before it filled.
        if (name == "frm22-practice") {
            auto* drill = qobject_cast<velunda::ui::DrillWindow*>(catalog.open("frm22"));
            if (!drill) {
                ++failures;
                continue;
            }
            velunda::HistoryStore::Shared().flush();
            drill->practiseWrongAnswers();
            QApplication::processEvents();
            if (!drill->grab().save(dir.filePath(name + ".png"))) ++failures;
            continue;
        }
        QWidget* w = name == "frmmulu" ? menu : catalog.open(name.toStdString());
        if (!w) {
            qWarning("no window named %s", qPrintable(name));
            ++failures;
            continue;
        }
        QApplication::processEvents();
        if (const Example* example = ExampleFor(name)) {
            auto* calculator = qobject_cast<CalculatorWindow*>(w);
            if (!calculator || !Fill(*calculator, *example)) ++failures;
            QApplication::processEvents();
        }
        if (!w->grab().save(dir.filePath(name + ".png"))) ++failures;
    }
    return failures == 0 && messages.shown == 0 ? 0 : 1;
}

#include "screenshots.moc"
