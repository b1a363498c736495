// Every calculator window of the window table driven as a pupil drives it: opened from
// its menu entry, typed into, computed, then emptied with its clear button and closed
// with its exit button. One table for all of them; a window of the table without a row
// here fails the test. And every window's example typed from the keyboard alone.
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTextBrowser>
#include <set>

#include "support/gui.h"
#include "tools/examples.h"
#include "ui/help.h"
#include "ui/settings.h"
#include "ui/solutionpanel.h"
#include "ui/tryfirst.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

// The windows that have no design of their own to compute with: the drills, the drill
// history and the version window, which their own tests drive.
const std::set<std::string_view> kNotCalculators{"frm22", "frm23", "frmhistory", "frmbanben"};

// The thirteen outputs of the three-sides window as they read on opening.
const QString kThreeSidesOutputs =
    "txt1=输出数据;txt2=输出数据;txt3=输出数据;txt4=输出数据;txt5=输出数据;txt6=输出数据;txt7=输出数据;"
    "txt8=输出数据;txt9=输出数据;txt10=输出数据;txt11=输出数据;txt12=输出数据;txt13=输出数据";

// The worked examples of a help page, each marked up as
//   <table class="example" data-window="frm12" data-trigger="Text1" data-answers="right wrong">
// with cells <td data-option="opt2">, <td data-field="Text1">5</td> (typed, in page order),
// <td data-result="Text2"> 20</td>, <td data-message="">无解</td> and
// <td data-opens="frm12">解正方形</td> (the title of the window the trigger opens).
struct HelpExample {
    QString window, trigger, answers;
    QStringList steps;  // "option opt2", "field Text1=5", in page order
    QString results;    // "Text2= 20;Text3=25"
    QStringList messages, opens;
    QStringList openedTitles;
};

QString HtmlText(QString text) {
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

std::vector<HelpExample> HelpExamples(const QString& html) {
    static const QRegularExpression table(R"re(<table class="example"([^>]*)>(.*?)</table>)re",
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression attribute(R"re(data-([a-z]+)="([^"]*)")re");
    static const QRegularExpression cell(
        R"re(<td[^>]*data-(option|field|result|message|opens)="([^"]*)"[^>]*>(.*?)</td>)re",
        QRegularExpression::DotMatchesEverythingOption);
    std::vector<HelpExample> examples;
    for (const QRegularExpressionMatch& t : table.globalMatch(html)) {
        HelpExample e;
        for (const QRegularExpressionMatch& a : attribute.globalMatch(t.captured(1))) {
            if (a.captured(1) == "window") e.window = a.captured(2);
            if (a.captured(1) == "trigger") e.trigger = a.captured(2);
            if (a.captured(1) == "answers") e.answers = a.captured(2);
        }
        QStringList results;
        for (const QRegularExpressionMatch& c : cell.globalMatch(t.captured(2))) {
            const QString kind = c.captured(1), name = c.captured(2), text = HtmlText(c.captured(3));
            if (kind == "option") e.steps << "option " + name;
            if (kind == "field") e.steps << "field " + name + "=" + text;
            if (kind == "result") results << name + "=" + text;
            if (kind == "message") e.messages << text;
            if (kind == "opens") {
                e.opens << name;
                e.openedTitles << text;
            }
        }
        e.results = results.join(';');
        examples.push_back(e);
    }
    return examples;
}

// The right answer to a drill problem such as "7×8=", or one more than it.
QString DrillAnswer(const QString& problem, bool right) {
    static const QRegularExpression shape("^(\\d+)(.)(\\d+)=$");
    const QRegularExpressionMatch m = shape.match(problem);
    const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
    const QString op = m.captured(2);
    const int result = op == "+" ? a + b : op == "-" ? a - b : op == "×" ? a * b : b != 0 ? a / b : 0;
    return QString::number(right ? result : result + 1);
}

// The open top-level window of that name.
QWidget* TopLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// The help windows that exist, shown or not.
int HelpWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == "help";
    return count;
}

// The page the help window shows: "frm12" for qrc:/help/frm12.html.
QString HelpPageShown() {
    QWidget* help = TopLevel("help");
    auto* text = help ? help->findChild<QTextBrowser*>("helpText") : nullptr;
    return text ? text->source().fileName().chopped(5) : QString("(no help window)");
}

// Clicks the button of that text in every message box shown while it lives.
class MessageButtonClicker : public QObject {
public:
    explicit MessageButtonClicker(QString button) : button_(std::move(button)) { qApp->installEventFilter(this); }
    ~MessageButtonClicker() override { qApp->removeEventFilter(this); }
    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
            shown << box->text();
            QPointer<QMessageBox> guard = box;
            QTimer::singleShot(0, box, [guard, this] {
                if (!guard) return;
                for (QAbstractButton* b : guard->buttons())
                    if (b->text() == button_) return b->click();
                guard->button(QMessageBox::Ok)->click();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString button_;
};

}  // namespace

class EveryWindowTest : public QObject {
    Q_OBJECT

private slots:
    // steps: "Text1=5" types into a field, "enter Text1", "tab Text1" and "escape Text1"
    // press that key in it, "click Command2" clicks a button or an option button.
    // after: the controls' texts when the steps are done (an option button: 1 when
    // selected); shown: the messages shown meanwhile.
    void computeClearExit_data() {
        std::set<QString> covered;
        auto row = [&covered](const char* name, const QString& window) -> QTestData& {
            covered.insert(window);
            return QTest::newRow(name) << window;
        };
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("shown");

        // The three sides
        row("frm1: the texts on opening", "frm1")
            << ""
            << "Text1=请输入数据;Text2=请输入数据;Text3=请输入数据;" + kThreeSidesOutputs << "";
        row("frm1: sides 3, 4, 5", "frm1")
            << "Text1=3;Text2=4;Text3=5;click Command2"
            << "txt1=12;txt2=6;txt3=4;txt4=3;txt5=2.4;txt6= 36.869897645844;txt8= 53.130102354156;txt10= 90;"
               "txt12=2.5;txt13=01;txt7=0.2048π≈0.643501108793284;txt9=0.2952π≈0.927295218001612;"
               "txt11=0.5π≈1.5707963267949;Text1=3;Text2=4;Text3=5"
            << "";
        row("frm1: the initial texts read as 0: no triangle, the outputs kept", "frm1")
            << "click Command2" << kThreeSidesOutputs << "不能构成三角形|-|Velunda";
        // The angle at A rounds to 0, so the circumradius a / sin A has no value.
        row("frm1: a thin triangle shows the fault and keeps the fields", "frm1")
            << "Text1=1;Text2=1;Text3=1;click Command2;Text2=100000000;Text3=100000000;click Command2"
            << "Text1=1;Text2=100000000;Text3=100000000;txt1=3;txt6= 60" << kFaultBox;
        row("frm1: the clear button empties only the sides", "frm1")
            << "Text1=1;Text2=1;Text3=1;click Command2;click Command1"
            << "Text1=;Text2=;Text3=;txt1=3;txt6= 60;txt7=0.3333π≈1.0471975511966"
            << "";

        // Sides and angles
        row("frm21: radians on opening", "frm21") << ""
                                                  << "Opt1=1;Opt2=0;Text1=;Text2=;Text3=;Text4=;Text5=;Text6="
                                                  << "";
        row("frm21: degrees: two sides and the right angle", "frm21")
            << "click Opt2;Text2=3;Text4=4;Text5=90;click Command2"
            << "Opt2=1;Text1=;Text2=3;Text3=;Text4=4;Text5=90;Text6=5"
            << "";
        row("frm21: radians: 30 and 60 degrees typed as radians", "frm21")
            << "Text1=0.5235987755982988;Text2=1;Text3=1.0471975511965976;click Command2"
            << "Opt2=0;Text1=0.5235987755982988;Text2=1;Text3=1.0471975511965976;Text4=1.73205080756888;Text5=;"
               "Text6=2"
            << "";
        row("frm21: angles without a side ask for an update", "frm21")
            << "Text1=0.5;Text3=1;click Command2"
            << "Text1=0.5;Text2=0;Text3=1;Text4=0;Text5=;Text6=0"
            << "请登陆https://velunda.example.org下载更新版本|-|Velunda";
        row("frm21: the sine of 0 shows the fault and keeps the fields", "frm21")
            << "click Opt2;Text3=90;Text5=90;Text2=1;click Command2"
            << "Text1=;Text2=1;Text3=90;Text4=;Text5=90;Text6=" << kFaultBox;
        row("frm21: the clear button keeps the unit", "frm21")
            << "click Opt2;Text1=7;Text2=7;Text3=7;Text4=7;Text5=7;Text6=7;click Command1"
            << "Text1=;Text2=;Text3=;Text4=;Text5=;Text6=;Opt2=1"
            << "";

        // Base, height and area
        row("frm7: base and area", "frm7") << "Text1=6;Text3=12;click Command2"
                                           << "Text1=6;Text2=4;Text3=12"
                                           << "";
        row("frm7: only one quantity shows the help", "frm7") << "Text3=12;click Command2"
                                                              << "Text1=0;Text2=0;Text3=12"
                                                              << "请下载新版本或查看帮助|i|Velunda";
        row("frm7: every field typed into", "frm7") << "Text1=2;Text2=2;Text3=2"
                                                    << "Text1=2;Text2=2;Text3=2"
                                                    << "";

        // Sides, perimeter and area
        row("frm8: three sides", "frm8") << "Text1=3;Text2=4;Text3=5;click Command2"
                                         << "Text1=3;Text2=4;Text3=5;Text4=12;Text5=6"
                                         << "";
        row("frm8: two sides and the area", "frm8") << "Text1=5;Text2=5;Text5=12;click Command2"
                                                    << "Text1=5;Text2=5;Text3= 8或 6;Text4= 18或 16;Text5=12"
                                                    << "";
        // The perimeter field holds text that reads as 0: it stays as typed.
        row("frm8: no solution keeps every field", "frm8") << "Text1=1;Text2=1;Text4=abc;Text5=1;click Command2"
                                                           << "Text1=1;Text2=1;Text3=;Text4=abc;Text5=1"
                                                           << "无解|-|Velunda";
        row("frm8: one side shows the help", "frm8") << "Text1=3;click Command2"
                                                     << "Text1=3;Text2=0;Text3=0;Text4=0;Text5=0"
                                                     << "请下载新版本或查看帮助|i|Velunda";
        row("frm8: every field typed into", "frm8") << "Text1=2;Text2=2;Text3=2;Text4=2;Text5=2"
                                                    << "Text1=2;Text2=2;Text3=2;Text4=2;Text5=2"
                                                    << "";

        // The right triangle
        row("frm14: two legs", "frm14") << "Text1=3;Text2=4;click Command2"
                                        << "Text1=3;Text2=4;Text3=5;Text4=6"
                                        << "";
        row("frm14: a negative root shows the fault and keeps the fields", "frm14")
            << "Text1=5;Text3=3;click Command2"
            << "Text1=5;Text2=;Text3=3;Text4=" << kFaultBox;
        row("frm14: the hypotenuse alone asks for an update", "frm14") << "Text3=5;click Command2"
                                                                       << "Text1=0;Text2=0;Text3=5;Text4=0"
                                                                       << "请下载新版本|-|Velunda";
        row("frm14: leg and area", "frm14") << "Text1=3;Text4=6;click Command2"
                                            << ""
                                            << "";

        // The equilateral triangle
        row("frm13: perimeter 6", "frm13") << "Text2=6;click Command2"
                                           << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                           << "";
        row("frm13: a negative area shows the fault and keeps the fields", "frm13")
            << "Text4=-1;click Command2"
            << "Text1=;Text2=;Text3=;Text4=-1" << kFaultBox;
        row("frm13: side 1", "frm13") << "Text1=1;click Command2"
                                      << ""
                                      << "";

        // The square
        row("frm12: side 5", "frm12") << "Text1=5;enter Text1"
                                      << "Text1=5;Text2= 20;Text3=25;Text4=7.07106781186548"
                                      << "";
        row("frm12: perimeter 20", "frm12") << "Text2=20;enter Text2"
                                            << "Text1=5;Text2=20;Text3=25;Text4=7.07106781186548"
                                            << "";
        row("frm12: area 2", "frm12") << "Text3=2;enter Text3"
                                      << "Text1=1.4142135623731;Text2=5.65685424949238;Text3=2;Text4=2"
                                      << "";
        row("frm12: diagonal 10", "frm12") << "Text4=10;enter Text4"
                                           << "Text1=7.07106781186547;Text2= 28.2842712474619;Text3=50;Text4=10"
                                           << "";
        row("frm12: side .5", "frm12") << "Text1=0.5;enter Text1"
                                       << "Text1=0.5;Text2= 2;Text3=.25;Text4=.707106781186548"
                                       << "";
        row("frm12: side -1", "frm12") << "Text1=-1;enter Text1"
                                       << "Text1=-1;Text2=-4;Text3=1;Text4=-1.4142135623731"
                                       << "";
        row("frm12: 5cm", "frm12") << "Text1=5cm;enter Text1"
                                   << "Text1=5cm;Text2= 20;Text3=25;Text4=7.07106781186548"
                                   << "";
        row("frm12: other keys compute nothing", "frm12") << "Text1=5;tab Text1;escape Text1"
                                                          << "Text2="
                                                          << "";
        row("frm12: a negative area shows the fault and keeps the fields", "frm12")
            << "Text1=5;enter Text1;Text3=-4;enter Text3"
            << "Text1=5;Text2= 20;Text3=-4;Text4=7.07106781186548" << kFaultBox;
        row("frm12: after the fault the window stays usable", "frm12")
            << "Text1=5;enter Text1;Text3=-4;enter Text3;Text1=1;enter Text1"
            << "Text2= 4" << kFaultBox;
        row("frm12: the clear button empties every field", "frm12") << "Text1=5;enter Text1;click Command1"
                                                                    << "Text1=;Text2=;Text3=;Text4="
                                                                    << "";
        row("frm12: the clear button on an empty window changes nothing", "frm12")
            << "Text1=5;enter Text1;click Command1;click Command1"
            << "Text1=;Text2=;Text3=;Text4="
            << "";

        // The rectangle
        row("frm6: perimeter and area", "frm6") << "Text3=14;Text4=12;click Command1"
                                                << "Text1=4;Text2=3;Text3=14;Text4=12;Text5=5"
                                                << "";
        row("frm6: a diagonal shorter than the side shows the fault and keeps every field", "frm6")
            << "Text3=14;Text4=12;click Command1;Text2=;Text3=;Text4=;Text5=3;click Command1"
            << "Text1=4;Text2=;Text3=;Text4=;Text5=3" << kFaultBox;

        // The trapezoid
        row("frm9: height and area", "frm9") << "Text3=3;Text4=9;click Command3"
                                             << "Text1=;Text2=6;Text3=3;Text4=9"
                                             << "";
        row("frm9: Enter computes nothing", "frm9") << "Text3=3;Text4=9;click Command3;Text2=;Text1=2;enter Text1"
                                                    << "Text1=2;Text2=;Text3=3;Text4=9"
                                                    << "";
        row("frm9: the area alone shows the fault and keeps the fields", "frm9")
            << "Text3=3;Text4=9;click Command3;Text2=;Text1=2;enter Text1;Text1=;Text3=;click Command3"
            << "Text1=;Text2=;Text3=;Text4=9" << kFaultBox;

        // The cube
        for (const auto& [field, typed, texts] : {std::tuple{"Text1", " 2 ", "Text1= 2 ;Text2=24;Text3=24;Text4=8"},
                                                  std::tuple{"Text2", "24", "Text1=2;Text2=24;Text3=24;Text4=8"},
                                                  std::tuple{"Text3", "24", "Text1=2;Text2=24;Text3=24;Text4=8"},
                                                  std::tuple{"Text4", "64", "Text1=4;Text2=48;Text3=96;Text4=64"}}) {
            const QString type = QString(field) + "=" + typed;
            QStringList before{"Text1=", "Text2=", "Text3=", "Text4="};
            before[QString(field).back().digitValue() - 1] = type;
            covered.insert("frm11");
            QTest::addRow("frm11: %s typed, Tab computes nothing", field)
                << "frm11" << type + ";tab " + field << before.join(';') << "";
            QTest::addRow("frm11: %s typed, Tab, then Enter", field)
                << "frm11" << type + ";tab " + field + ";enter " + field << QString(texts) << "";
        }
        row("frm11: a negative volume shows the fault and keeps the fields", "frm11")
            << "Text1=2;enter Text1;Text4=-8;enter Text4"
            << "Text1=2;Text2=24;Text3=24;Text4=-8" << kFaultBox;
        row("frm11: an empty edge sum shows the fault and keeps the fields", "frm11")
            << "Text1=2;enter Text1;Text4=-8;enter Text4;Text2=;enter Text2"
            << "Text1=2;Text2=;Text3=24;Text4=-8" << kFaultBox + " / " + kFaultBox;

        // The cuboid
        const QString cuboidTyped = "Text1=2;Text2=3;Text3=4;enter Text3";
        row("frm5: Enter computes nothing", "frm5") << cuboidTyped << "Text1=2;Text2=3;Text3=4;Text4=;Text5=;Text6="
                                                    << "";
        row("frm5: Command1 computes", "frm5") << cuboidTyped + ";click Command1"
                                               << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                               << "";
        row("frm5: Command2 clears", "frm5") << cuboidTyped + ";click Command1;click Command2"
                                             << "Text1=;Text2=;Text3=;Text4=;Text5=;Text6="
                                             << "";
        row("frm5: nothing given shows the help", "frm5")
            << cuboidTyped + ";click Command1;click Command2;click Command1"
            << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=0"
            << "请下载新版本或查看帮助|i|Velunda";
        row("frm5: a negative width shows the fault and keeps the fields", "frm5")
            << cuboidTyped + ";click Command1;click Command2;click Command1;Text1=2;Text2=-2;Text5=10;click Command1"
            << "Text1=2;Text2=-2;Text3=0;Text4=0;Text5=10;Text6=0"
            << "请下载新版本或查看帮助|i|Velunda / " + kFaultBox;

        // The cylinder
        const QString cylinderTyped = "Text1=2;Text6=5;enter Text6";
        row("frm15: Enter computes nothing", "frm15")
            << cylinderTyped << "Text1=2;Text2=;Text3=;Text4=;Text5=;Text6=5;Text7="
            << "";
        row("frm15: radius and height", "frm15")
            << cylinderTyped + ";click Command2"
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        const QString cylinderCleared = cylinderTyped + ";click Command2;click Command1";
        row("frm15: Command1 clears", "frm15") << cylinderCleared << "Text1=;Text2=;Text3=;Text4=;Text5=;Text6=;Text7="
                                               << "";
        row("frm15: surface and volume ask for an update", "frm15")
            << cylinderCleared + ";Text4=87.92;Text5=62.8;click Command2"
            << "Text1=0;Text2=0;Text3=0;Text4=87.92;Text5=62.8;Text6=0;Text7=0"
            << "请下载更新版本|-|Velunda";
        const QString cylinderNegative =
            cylinderCleared + ";Text4=87.92;Text5=62.8;click Command2;click Command1;Text4=-10;Text6=10;click Command2";
        row("frm15: a negative surface has no solution", "frm15")
            << cylinderNegative << "Text1=;Text2=;Text3=;Text4=-10;Text5=;Text6=10;Text7="
            << "请下载更新版本|-|Velunda / 无解|-|Velunda";
        row("frm15: a negative base area shows the fault and keeps the fields", "frm15")
            << cylinderNegative + ";Text7=-1;click Command2"
            << "Text1=;Text2=;Text3=;Text4=-10;Text5=;Text6=10;Text7=-1"
            << "请下载更新版本|-|Velunda / 无解|-|Velunda / " + kFaultBox;

        // The parallelogram's two sides, angle and area
        row("frm4: radians on opening", "frm4") << ""
                                                << "opt1=1;opt2=0"
                                                << "";
        row("frm4: the angle in degrees", "frm4") << "click opt2;Text1=02;Text2=3;Text4=3;click Command2"
                                                  << "Text1=02;Text2=3;Text3= 30或 150;Text4=3"
                                                  << "";
        const QString angleTyped = "click opt2;Text1=02;Text2=3;Text4=3;click Command2;Text3=;Text4=7;click Command2";
        row("frm4: an area above a·b shows the fault and keeps the fields", "frm4")
            << angleTyped << "Text1=02;Text2=3;Text3=;Text4=7" << kFaultBox;
        row("frm4: the area in radians", "frm4") << angleTyped + ";click opt1;Text3=1;Text4=;click Command2"
                                                 << "Text1=2;Text2=3;Text3=1;Text4=5.04882590884738" << kFaultBox;
        row("frm4: the clear button keeps the unit", "frm4")
            << angleTyped + ";click opt1;Text3=1;Text4=;click Command2;click Command1"
            << "opt1=1;Text1=;Text2=;Text3=;Text4=" << kFaultBox;

        // The parallelogram's base, height and area
        row("frm3: Enter computes nothing", "frm3") << "Text2=3;Text3=12;enter Text3"
                                                    << "Text1=;Text2=3;Text3=12"
                                                    << "";
        row("frm3: height and area", "frm3") << "Text2=3;Text3=12;enter Text3;click Command2"
                                             << "Text1= 4;Text2= 3;Text3= 12"
                                             << "";

        // The parallelogram's sides and perimeter
        row("frm2: side and perimeter", "frm2") << "Text1=3;Text3=4;click Command2"
                                                << "Text1= 3;Text2=-1;Text3= 4"
                                                << "";
        row("frm2: a perimeter beyond range shows the fault and keeps the fields", "frm2")
            << "Text1=3;Text3=4;click Command2;Text2=1e308;Text1=1e308;click Command2"
            << "Text1=1e308;Text2=1e308;Text3= 4" << kFaultBox;

        // Angles
        const QString thirty =
            "Text1=30;Text2=0.523598775598299;Text5=0.5;Text6=0.866025403784439;Text7=0.5773503;"
            "Text8=1.732051";
        const QString rightAngle = "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0";
        row("frm18: Enter computes nothing", "frm18") << "Text1=30;enter Text1"
                                                      << "Text2="
                                                      << "";
        row("frm18: 30 degrees", "frm18") << "Text1=30;enter Text1;click Command2" << thirty << "";
        // A second click after the right angle gives the right angle again.
        const QString angles = "Text1=30;enter Text1;click Command2;Text1=90;click Command2;click Command2";
        row("frm18: a right angle twice", "frm18") << angles << rightAngle << "";
        row("frm18: the clear button empties every field", "frm18") << angles + ";click Command1"
                                                                    << "Text1=;Text2=;Text5=;Text6=;Text7=;Text8="
                                                                    << "";
        row("frm18: a sine above 1 shows the fault and keeps the fields", "frm18")
            << angles + ";click Command1;Text5=2;click Command2"
            << "Text5=2;Text1=" << kFaultBox;
        // Nothing given, twice: the same texts both times.
        row("frm18: nothing given, twice", "frm18")
            << angles + ";click Command1;Text5=2;click Command2;click Command1;click Command2;click Command2"
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义" << kFaultBox;

        // The quadratic equation
        const QString quadratic = "Text1=1;Text2=-3;Text3=2;enter Text3";
        row("frm16: Enter computes nothing", "frm16") << quadratic << "Text4="
                                                      << "";
        row("frm16: two roots", "frm16") << quadratic + ";click Command2"
                                         << "Text5=1;Text4=2"
                                         << "";
        // No real root: the message, then both results empty and the inputs kept.
        row("frm16: no real root", "frm16") << quadratic + ";click Command2;Text3=3;click Command2"
                                            << "Text4=;Text5=;Text3=3"
                                            << "无解|-|Velunda";
        // A = 0: the fault message and every field as it was.
        row("frm16: A = 0 shows the fault and keeps the fields", "frm16")
            << quadratic +
                   ";click Command2;Text3=3;click Command2;click Command1;Text1=0;Text2=2;Text3=1;"
                   "Text4=kept;click Command2"
            << "Text4=kept;Text1=0"
            << "无解|-|Velunda / " + kFaultBox;

        // Two linear equations
        const QString twoTyped = "Text1=1;Text2=1;Text6=-3;Text3=1;Text4=-1;Text7=-1;enter Text7";
        row("frm19: Enter computes nothing", "frm19") << twoTyped << "Text5="
                                                      << "";
        row("frm19: one crossing point", "frm19") << twoTyped + ";click Command4"
                                                  << "Text5=x=2  y=1"
                                                  << "";
        row("frm19: the clear button empties every field", "frm19")
            << twoTyped + ";click Command4;click Command1"
            << "Text1=;Text2=;Text3=;Text4=;Text5=;Text6=;Text7="
            << "";
        row("frm19: nothing typed is not a system", "frm19")
            << twoTyped + ";click Command4;click Command1;click Command4"
            << "Text5="
            << "这个不是二元一次方程组|-|Velunda";
        row("frm19: products beyond range show the fault and keep the fields", "frm19")
            << twoTyped + ";click Command4;click Command1;click Command4;Text1=1e200;Text4=1e200;click Command4"
            << "Text1=1e200"
            << "这个不是二元一次方程组|-|Velunda / " + kFaultBox;

        // Three linear equations
        const QString threeTyped =
            "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=2;Text1(7)=3;Text1(8)=-14;Text1(9)=2;"
            "Text1(10)=1;Text1(11)=3;Text1(12)=-13;enter Text1(12)";
        row("frm20: Enter computes nothing", "frm20") << threeTyped << "Text2="
                                                      << "";
        row("frm20: one solution", "frm20") << threeTyped + ";click Command2"
                                            << "Text2=x=1  y=2  z=3"
                                            << "";
        row("frm20: x missing from the first row asks for an update", "frm20")
            << threeTyped + ";click Command2;Text1(1)=0;click Command2"
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|Velunda";
        row("frm20: the clear button empties every field", "frm20")
            << threeTyped + ";click Command2;Text1(1)=0;click Command2;click Command1"
            << "Text1(1)=;Text1(2)=;Text1(3)=;Text1(4)=;Text1(5)=;Text1(6)=;Text1(7)=;Text1(8)=;Text1(9)=;"
               "Text1(10)=;Text1(11)=;Text1(12)=;Text2="
            << "请下载更新版本|-|Velunda";

        // The circle
        row("frm10: nothing chosen on opening", "frm10") << ""
                                                         << "Option1=0;Option2=0;Text5="
                                                         << "";
        row("frm10: π 3.14 chosen", "frm10") << "click Option1"
                                             << "Text5=3.14"
                                             << "";
        row("frm10: radius 1", "frm10") << "click Option1;Text1=1;enter Text1"
                                        << "Text1=1;Text2=2;Text3=6.28;Text4=3.14;Text5=3.14"
                                        << "";
        const QString circleTyped = "click Option1;Text1=1;enter Text1;click Option2;Text4=314;enter Text4";
        row("frm10: area 314 with the other π", "frm10") << circleTyped << "Text5=3.1415926;Text1=9.997464977016"
                                                         << "";
        // A π typed over the chosen one is used; clicking the chosen option puts it back.
        row("frm10: a π typed over the chosen one", "frm10") << circleTyped + ";Text5=3;Text2=2;enter Text2"
                                                             << "Text3=6"
                                                             << "";
        row("frm10: clicking the chosen option puts its π back", "frm10")
            << circleTyped + ";Text5=3;Text2=2;enter Text2;click Option2"
            << "Text5=3.1415926"
            << "";
        row("frm10: other keys compute nothing", "frm10")
            << circleTyped + ";Text5=3;Text2=2;enter Text2;click Option2;Text3=7;escape Text3"
            << "Text1=1"
            << "";
        row("frm10: the clear button keeps π", "frm10") << "click Option1;Text3=10;enter Text3;click Command1"
                                                        << "Text1=;Text2=;Text3=;Text4=;Text5=3.14;Option1=1"
                                                        << "";
        row("frm10: an empty π shows the fault and keeps the fields", "frm10")
            << "Text1=5;Text3=10;enter Text3"
            << "Text1=5;Text2=;Text3=10;Text4=;Text5=" << kFaultBox;
        row("frm10: the radius, too, needs a π", "frm10")
            << "Text1=5;Text3=10;enter Text3;enter Text1"
            << "Text1=5;Text2=;Text3=10;Text4=;Text5=" << kFaultBox + " / " + kFaultBox;

        // The chord
        row("frm17: radius and chord in radians", "frm17") << "Text1=5;Text2=8;click Command2"
                                                           << "opt1=1;Text1= 5;Text2= 8;Text3= 3;Text4= "
                                                              "1.85459043600322rad"
                                                           << "";
        const QString degrees =
            "Text1=5;Text2=8;click Command2;click opt2;Text1=;Text2=;Text3=;Text4=60;Text1=5;"
            "click Command2";
        row("frm17: radius and angle in degrees", "frm17")
            << degrees << "Text1= 5;Text2= 5;Text3= 4.33012701892219;Text4= 60"
            << "";
        // A chord longer than the diameter: the message, and the fields as typed.
        row("frm17: a chord longer than the diameter shows the fault and keeps the fields", "frm17")
            << degrees + ";Text2=12;click Command2"
            << "Text1= 5;Text2=12;Text3= 4.33012701892219;Text4= 60" << kFaultBox;
        row("frm17: the clear button keeps the unit", "frm17") << degrees + ";Text2=12;click Command2;click Command1"
                                                               << "opt2=1;Text1=;Text2=;Text3=;Text4=" << kFaultBox;

        // Every window of the window table has rows here, but for the few that compute
        // nothing: a window added to the table without rows fails.
        for (const ui::WindowEntry& entry : ui::Windows()) {
            const QString name = QString::fromUtf8(entry.name);
            QVERIFY2(covered.count(name) || kNotCalculators.count(entry.name), qPrintable(name + " has no rows"));
            QCOMPARE(kNotCalculators.count(entry.name) != 0, !entry.design);
        }
    }

    void computeClearExit() {
        QFETCH(QString, window);
        QFETCH(QString, steps);
        QFETCH(QString, after);
        QFETCH(QString, shown);
        const ui::WindowEntry* entry = ui::FindWindow(window.toStdString());
        QVERIFY2(entry && entry->design, "a calculator window of the window table");
        const ui::WindowDesign design = entry->design();
        MenuFixture app;
        auto* w = qobject_cast<ui::DesignedWindow*>(open(app, window));
        QVERIFY(w);
        {
            MessageCatcher catcher;
            runSteps(w, steps);
            QCOMPARE(catcher.shown(), shown);
        }
        QCOMPARE(controlTexts(w, after), after);

        // The clear button empties the fields it names; the exit button closes the window
        // and leaves the menu open.
        MessageCatcher none;
        click(w->button(design.clearButton));
        QStringList cleared;
        for (std::string_view field : design.clearedFields) cleared << QString::fromUtf8(field) + "=";
        QCOMPARE(controlTexts(w, cleared.join(';')), cleared.join(';'));
        CheckExit(app, w, design.exitButton);
        QCOMPARE(none.shown(), QString());
    }

    // The windows' titles and captions, as designed.
    void titlesAndCaptions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("captions");
        const std::tuple<const char*, const char*, const char*> windows[] = {
            {"frm1", "已知三边求三角形的其他元素", ""},
            {"frm21", "三角形边角互换", "Command1=清 零;Label3=第三边的对角;Label6=第六边"},
            {"frm7", "三角形底,高,面积互换", "Command2=计 算;Label1(1)=三角形的面积;Command3=结 束"},
            {"frm8", "三角形三边,周长,面积转化", "Command1=清零;Command2=计算;Command3=结束"},
            {"frm14", "解直角三角形", "Command3=清  零;Command1=退  出"},
            {"frm13", "解等边三角形", "Command2=计  算;Label1(4)= 等边三角形的高;Command3=退  出"},
            {"frm12", "解正方形", ""},
            {"frm6", "解长方形", "Label5=长方形对角线     的长;Command1=计算"},
            {"frm9", "解梯形",
             "Label1(3)=按提示在以上文本框内填入梯形的3个元素，然后点击“计算”，就可得另一元素。;Command3=计算"},
            {"frm11", "解正方体", ""},
            {"frm5", "解长方体", ""},
            {"frm15", "解圆柱体", ""},
            {"frm4", "解平行四边形（两边，夹角，面积互换）", ""},
            {"frm3", "解平行四边形（底，高，面积互换）", "Label1(2)= 平行四边形的高"},
            {"frm2", "解平行四边形(边与周长互换)", "Label1(1)=邻边"},
            {"frm18", "角度，弧度，三角函数转化", ""},
            {"frm16", "解形如Ax^2+Bx+C=0的一元二次方程", ""},
            {"frm19", "解二元一次方程组", ""},
            {"frm20", "解三元一次方程组", ""},
            {"frm10", "解圆", ""},
            {"frm17", "垂径定理", "Label3= 弦"},
        };
        for (const auto& [window, title, captions] : windows)
            QTest::newRow(window) << QString(window) << QString(title) << QString(captions);
    }
    void titlesAndCaptions() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QString, captions);
        MenuFixture app;
        QWidget* w = open(app, window);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(controlTexts(w, captions), captions);
    }

    // The sizes of the windows, in pixels, as their designs give them in twips.
    void sizes_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("size");
        QTest::newRow("frm6") << "frm6" << QSize(376, 136);
        QTest::newRow("frm9") << "frm9" << QSize(312, 161);
        QTest::newRow("frm4") << "frm4" << QSize(345, 165);
        QTest::newRow("frm3") << "frm3" << QSize(298, 130);
        QTest::newRow("frm2") << "frm2" << QSize(321, 136);
        QTest::newRow("frm10") << "frm10" << QSize(309, 185);
        QTest::newRow("frm17") << "frm17" << QSize(330, 162);
    }
    void sizes() {
        QFETCH(QString, window);
        QFETCH(QSize, size);
        MenuFixture app;
        QWidget* w = open(app, window);
        QVERIFY(w);
        QCOMPARE(w->size(), size);
    }

    // Every window can be used from the keyboard alone: Tab reaches each field and
    // button, the arrow keys choose an option, keys type the example and Enter computes,
    // on a field or on the focused button; the fields end as with the mouse.
    void keyboardAlone_data() {
        QTest::addColumn<QString>("window");
        std::set<std::string_view> seen;
        for (const examples::Example& e : examples::Examples())
            if (!kNotCalculators.count(e.window) && seen.insert(e.window).second)
                QTest::newRow(std::string(e.window).c_str()) << QString::fromUtf8(e.window.data(), e.window.size());
    }
    void keyboardAlone() {
        QFETCH(QString, window);
        const examples::Example& e = *examples::ExampleFor(window.toStdString());
        auto qs = [](std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
        auto fields = [](QWidget* w) {
            QStringList texts;
            for (QLineEdit* f : w->findChildren<QLineEdit*>()) texts << f->objectName() + "=" + f->text();
            texts.sort();
            return texts;
        };
        QStringList byMouse;
        {
            MenuFixture app;
            MessageCatcher messages;
            auto* w = qobject_cast<ui::DesignedWindow*>(open(app, window));
            QVERIFY(w);
            for (std::string_view o : e.options) QTest::mouseClick(w->option(o), Qt::LeftButton);
            for (const auto& [field, text] : e.typed) w->field(field)->setText(qs(text));
            if (auto* field = qobject_cast<QLineEdit*>(w->control(e.trigger)))
                QTest::keyClick(field, Qt::Key_Return);
            else
                QTest::mouseClick(w->button(e.trigger), Qt::LeftButton);
            byMouse = fields(w);
        }
        MenuFixture app;
        MessageCatcher messages;
        auto* w = qobject_cast<ui::DesignedWindow*>(open(app, window));
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        auto focused = [] { return QApplication::focusWidget(); };
        // Tab reaches the fields the window only writes after every field and button the
        // pupil uses, unless the window's design gives its order; the example types into
        // none of them.
        const ui::WindowDesign design = ui::FindWindow(e.window)->design();
        const auto isResult = [&](const QString& name) {
            return std::ranges::find(design.results, name.toStdString()) != design.results.end();
        };
        int stops = 0;
        for (QWidget* c : w->controls()) stops += (c->focusPolicy() & Qt::TabFocus) != 0;
        const QStringList order = FocusOrder(focused(), stops);
        const auto firstResult = std::ranges::find_if(order, isResult);
        if (design.tabOrder.empty()) {
            QVERIFY2(std::none_of(firstResult, order.end(), [&](const QString& n) { return !isResult(n); }),
                     qPrintable(order.join(' ')));
            QCOMPARE(order.end() - firstResult, qsizetype(design.results.size()));
        }
        for (const auto& [field, text] : e.typed) QVERIFY2(!isResult(qs(field)), std::string(field).c_str());
        // Tab from whatever has the focus until the control has it.
        auto tabTo = [&](QWidget* target) {
            for (int i = 0; i < 80 && focused() != target; ++i) QTest::keyClick(focused() ? focused() : w, Qt::Key_Tab);
            return focused() == target;
        };
        for (QLineEdit* f : w->findChildren<QLineEdit*>())
            if (f->isEnabled() && f->isVisible()) QVERIFY2(tabTo(f), qPrintable(f->objectName()));
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->isEnabled() && b->isVisible()) QVERIFY2(tabTo(b), qPrintable(b->objectName()));
        for (std::string_view o : e.options) {
            // Tab reaches the options' group at its chosen one; the arrows move within it.
            QRadioButton* option = w->option(o);
            for (int i = 0; i < 80 && !qobject_cast<QRadioButton*>(focused()); ++i)
                QTest::keyClick(focused(), Qt::Key_Tab);
            for (Qt::Key arrow : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up})
                for (int i = 0; i < 6 && focused() != option; ++i) QTest::keyClick(focused(), arrow);
            QVERIFY2(focused() == option && option->isChecked(), std::string(o).c_str());
        }
        for (const auto& [field, text] : e.typed) {
            QVERIFY2(tabTo(w->field(field)), std::string(field).c_str());
            QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(focused(), Qt::Key_Delete);
            QTest::keyClicks(focused(), qs(text));
        }
        QVERIFY(tabTo(w->control(e.trigger)));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(fields(w), byMouse);
    }

    // Every window the menu opens, and the menu, zoomed with its panel and try-first bar
    // shown: laid out again without a new overlap (the designed ones at 100 % aside), every
    // control inside the window or its scroll area, the window's frame on the screen, and
    // the zoom kept when the window opens again.
    void zoom_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QKeyCombination>("key");  // what zooms the window one step from 100 %
        QStringList windows{"frmmulu"};
        for (const ui::WindowEntry& entry : ui::Windows())
            if (entry.design || entry.name == "frm22" || entry.name == "frm23" || entry.name == "frmbanben")
                windows << QString::fromUtf8(entry.name);
        for (const QString& window : windows)
            for (int zoom : {100, 200, 300})
                QTest::addRow("%s at %d %%", qPrintable(window), zoom)
                    << window << zoom << QKeyCombination(Qt::ControlModifier, Qt::Key_Equal);
        QTest::newRow("frm12: Ctrl +") << "frm12" << 125 << QKeyCombination(Qt::ControlModifier, Qt::Key_Plus);
        QTest::newRow("frm1: Ctrl -") << "frm1" << 100 << QKeyCombination(Qt::ControlModifier, Qt::Key_Minus);
        QTest::newRow("frm22: Ctrl 0") << "frm22" << 100 << QKeyCombination(Qt::ControlModifier, Qt::Key_0);
    }
    void zoom() {
        QFETCH(QString, window);
        QFETCH(int, zoom);
        QFETCH(QKeyCombination, key);
        ui::SolutionSetting::instance().setShown(true);
        ui::ProgramSettings::instance().setValue("zoom/" + window, 100);  // whatever a failed row left
        MenuFixture app;
        MessageCatcher messages;  // the test window sums up as it closes
        auto openIt = [&] {
            return qobject_cast<ui::DesignedWindow*>(window == "frmmulu" ? app.menu.data() : open(app, window));
        };
        ui::DesignedWindow* w = openIt();
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        if (w->tryFirst()) w->tryFirst()->setOn(true);
        // The visible controls of the board and the panel, by name.
        auto controls = [&] {
            std::map<QString, QRect> placed;
            for (QWidget* c : w->holder()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!c->isHidden() && !c->isWindow() && c != w->scrollArea()) placed[c->objectName()] = c->geometry();
            return placed;
        };
        auto overlaps = [](const std::map<QString, QRect>& placed) {
            std::set<QString> pairs;
            for (auto a = placed.begin(); a != placed.end(); ++a)
                for (auto b = std::next(a); b != placed.end(); ++b)
                    if (a->second.intersects(b->second)) pairs.insert(a->first + " over " + b->first);
            return pairs;
        };
        const std::set<QString> designed = overlaps(controls());
        // One step by the keyboard, the rest as the context menu's entries do.
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key.key(), key.keyboardModifiers());
        QCOMPARE(w->zoom(), key.key() == Qt::Key_Plus || key.key() == Qt::Key_Equal ? 125 : 100);
        w->setZoom(zoom);
        QCOMPARE(w->zoom(), zoom);
        const std::map<QString, QRect> placed = controls();
        QVERIFY(placed.size() > 3);
        for (const QString& pair : overlaps(placed)) QVERIFY2(designed.count(pair), qPrintable(pair));
        const QRect inside = w->holder()->rect();
        for (const auto& [name, rect] : placed)
            QVERIFY2(inside.contains(rect), qPrintable(QString("%1 at %2,%3 %4x%5 outside the window")
                                                           .arg(name)
                                                           .arg(rect.x())
                                                           .arg(rect.y())
                                                           .arg(rect.width())
                                                           .arg(rect.height())));
        const QRect available = w->screen()->availableGeometry();
        QVERIFY2(available.contains(w->frameGeometry()), qPrintable(QString("%1 x %2 on %3 x %4")
                                                                        .arg(w->frameGeometry().width())
                                                                        .arg(w->frameGeometry().height())
                                                                        .arg(available.width())
                                                                        .arg(available.height())));
        QCOMPARE(w->findChild<QScrollArea*>() != nullptr, w->scrollArea() != nullptr);
        const QSize size = w->size();
        // Closed and opened again, it comes back at the same zoom and size.
        if (window != "frmmulu") {
            w->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            w = openIt();
            QVERIFY(w && QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->zoom(), zoom);
            if (w->tryFirst()) w->tryFirst()->setOn(true);
            QCOMPARE(w->size(), size);
        }
        w->setZoom(100);
        if (w->tryFirst()) w->tryFirst()->setOn(false);
        ui::SolutionSetting::instance().setShown(false);
    }

    // Try-first mode on every example: the trigger poses it instead of writing results,
    // every field emptied for an answer is checked against a quantity of the solution,
    // its exact value is right, each of its slips is named, and the window has slips and
    // exercises of its own.
    void tryFirst_data() {
        QTest::addColumn<int>("example");
        for (std::size_t i = 0; i < examples::Examples().size(); ++i) {
            const examples::Example& e = examples::Examples()[i];
            if (!kNotCalculators.count(e.window))
                QTest::newRow((std::string(e.window) + " " + std::string(e.trigger) + " " + std::to_string(i)).c_str())
                    << int(i);
        }
    }
    void tryFirst() {
        QFETCH(int, example);
        const examples::Example& e = examples::Examples()[std::size_t(example)];
        auto qs = [](std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
        MenuFixture app;
        MessageCatcher messages;
        auto* w = qobject_cast<ui::DesignedWindow*>(open(app, qs(e.window)));
        QVERIFY(w && w->tryFirst());
        const ui::WindowDesign design = ui::FindWindow(e.window)->design();
        QVERIFY2(!design.answers.empty(), "no answers to check");
        QVERIFY2(design.slips.size() >= 3, "fewer than three slips");
        QVERIFY2(!design.exercises.empty(), "no exercises");
        ui::TryFirst& t = *w->tryFirst();
        t.setOn(true);
        for (std::string_view o : e.options) QTest::mouseClick(w->option(o), Qt::LeftButton);
        for (const auto& [field, text] : e.typed) w->field(field)->setText(qs(text));
        if (auto* field = qobject_cast<QLineEdit*>(w->control(e.trigger)))
            QTest::keyClick(field, Qt::Key_Return);
        else
            QTest::mouseClick(w->button(e.trigger), Qt::LeftButton);
        if (!messages.shown().isEmpty()) QSKIP(qPrintable("the example shows a message: " + messages.shown()));
        QVERIFY(t.posed());
        for (const auto& [field, text] : e.typed) QVERIFY(w->field(field)->isReadOnly());
        for (QLineEdit* f : t.answerFields()) {
            const exact::Asked asked = t.asked(f);
            QVERIFY2(!asked.values.empty(), qPrintable(f->objectName() + " is emptied but not checked"));
            QVERIFY2(f->text().isEmpty(), qPrintable(f->objectName()));
            // Its exact form is right where it has one; a field of several quantities
            // (x and y) takes them in order, joined by "，".
            const auto rest = [&] {
                std::string more;
                for (std::size_t k = 1; k < asked.values.size(); ++k) more += "，" + asked.values[k].ExactText();
                return more;
            }();
            if (const std::string right = asked.values[0].ExactText(); !right.empty()) {
                f->setText(qs(right + rest));
                t.check();
                QVERIFY2(t.verdicts().size() == 1 && t.verdicts()[0].right,
                         qPrintable(f->objectName() + ": " + qs(right) + " → " +
                                    qs(t.verdicts().empty() ? "" : t.verdicts()[0].text)));
            }
            for (const exact::Slip& slip : t.slips(f)) {
                const std::string typed =
                    slip.value.ExactText().empty() ? slip.value.DecimalText() : slip.value.ExactText();
                // A slip of givens typed as rounded decimals has no short text of its own.
                const exact::TypedAnswer read = exact::ReadTypedAnswer(typed);
                if (read.values.size() != 1 || !read.values[0].value.Equals(slip.value)) continue;
                f->setText(qs(typed + rest));
                t.check();
                QVERIFY2(t.verdicts().size() == 1 && !t.verdicts()[0].slip.empty(),
                         qPrintable(f->objectName() + ": " + qs(slip.what) + " " + qs(typed) + " → " +
                                    qs(t.verdicts().empty() ? "" : t.verdicts()[0].text)));
            }
            f->clear();
        }
        // 清零 leaves the lock.
        if (!design.clearButton.empty()) {
            QTest::mouseClick(w->button(design.clearButton), Qt::LeftButton);
            QVERIFY(!t.posed());
            for (const auto& [field, text] : e.typed) QVERIFY(!w->field(field)->isReadOnly());
        }
    }

    // Every window sets exercises of its own at each level: posed, without a message.
    void exercises_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("level");
        std::set<std::string_view> seen;
        for (const examples::Example& e : examples::Examples())
            if (!kNotCalculators.count(e.window) && seen.insert(e.window).second)
                for (int level = 1; level <= 3; ++level)
                    QTest::newRow((std::string(e.window) + " level " + std::to_string(level)).c_str())
                        << QString::fromUtf8(e.window.data(), e.window.size()) << level;
    }
    void exercises() {
        QFETCH(QString, window);
        QFETCH(int, level);
        MenuFixture app;
        MessageCatcher messages;
        auto* w = qobject_cast<ui::DesignedWindow*>(open(app, window));
        QVERIFY(w && w->tryFirst());
        ui::TryFirst& t = *w->tryFirst();
        const auto& cases = ui::FindWindow(window.toStdString())->design().exercises;
        const bool figure = std::ranges::all_of(cases, [](const ui::ExerciseCase& c) {
            return std::ranges::any_of(c.givens,
                                       [](const ui::ExerciseGiven& g) { return g.draw == ui::GivenDraw::Length; });
        });
        t.setLevel(level);
        for (int round = 0; round < 3; ++round) {
            t.exercise();
            QCOMPARE(messages.shown(), QString());
            QVERIFY(t.posed());
            QVERIFY(!t.answerFields().empty());
            for (QLineEdit* f : t.answerFields()) {
                const exact::Asked asked = t.asked(f);
                QVERIFY2(!asked.values.empty(), qPrintable(f->objectName()));
                // A figure's lengths, areas and angles are above 0.
                if (figure) QVERIFY2(asked.values[0].Sign() > 0, qPrintable(f->objectName()));
            }
        }
    }

    // Every window the menu opens, and the menu itself, has a help page that the index links;
    // each page's two worked examples, done in the real window, give the texts the page states.
    void helpExamples_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("number");
        QStringList pages{"frmmulu"};
        for (const ui::WindowEntry& entry : ui::Windows()) pages << QString::fromUtf8(entry.name);
        const QString index = ui::HelpPageText("index");
        for (const QString& page : pages) {
            const QString html = ui::HelpPageText(page.toStdString());
            QVERIFY2(!html.isEmpty(), qPrintable(page + " has no help page"));
            QVERIFY2(index.contains("href=\"" + page + ".html\""), qPrintable("the index lacks " + page));
            QVERIFY2(HelpExamples(html).size() == 2, qPrintable(page + " has not two examples"));
            for (int number : {1, 2}) QTest::addRow("%s, example %d", qPrintable(page), number) << page << number;
        }
    }
    void helpExamples() {
        QFETCH(QString, page);
        QFETCH(int, number);
        const HelpExample e = HelpExamples(ui::HelpPageText(page.toStdString())).at(number - 1);
        MenuFixture app;
        QWidget* w = e.window == "frmmulu" ? app.menu.data() : open(app, e.window);
        QVERIFY2(w, qPrintable("no window " + e.window));
        QVERIFY(QTest::qWaitForWindowActive(w));
        MessageCatcher catcher;
        for (const QString& step : e.steps) {
            const QString name = step.section(' ', 1).section('=', 0, 0), text = step.section('=', 1);
            if (step.startsWith("option ")) {
                auto* option = w->findChild<QRadioButton*>(name);
                QVERIFY2(option, qPrintable("no option " + name));
                click(option);
            } else {
                auto* field = w->findChild<QLineEdit*>(name);
                QVERIFY2(field, qPrintable("no field " + name));
                typeInto(field, text);
            }
        }
        if (e.trigger == "F1") {
            QTest::keyClick(w, Qt::Key_F1);
        } else if (!e.trigger.isEmpty()) {
            QWidget* trigger = w->findChild<QWidget*>(e.trigger);
            QVERIFY2(trigger, qPrintable("no trigger " + e.trigger));
            if (auto* field = qobject_cast<QLineEdit*>(trigger))
                pressEnter(field);
            else if (auto* button = qobject_cast<QAbstractButton*>(trigger))
                click(button);
            else
                QTest::mouseClick(trigger, Qt::LeftButton, {}, trigger->rect().center());
        }
        for (const QString& answer : e.answers.split(' ', Qt::SkipEmptyParts)) {
            auto* field = w->findChild<QLineEdit*>("Text1");
            typeInto(field, DrillAnswer(w->findChild<QLabel*>("lbl1")->text(), answer == "right"));
            pressEnter(field);
        }
        QStringList shown, opened;
        for (const ShownMessage& m : catcher.messages) shown << m.text;
        for (const QString& name : e.opens) {
            QWidget* window = TopLevel(name);
            opened << (window ? window->windowTitle() : "(not open)");
        }
        const QString results = e.results.isEmpty() ? QString() : controlTexts(w, e.results);
        QCOMPARE(results + " | " + shown.join(" / ") + " | " + opened.join(';'),
                 e.results + " | " + e.messages.join(" / ") + " | " + e.openedTitles.join(';'));
    }

    // One help window, made only when it is first asked for, serves every window: F1, the
    // context menu's "帮助", and the button "查看帮助" of the message that sends the pupil to
    // the help each show the page of the window they are in.
    void helpWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("page");
        QTest::newRow("F1 in the square window") << "frm12"
                                                 << "F1"
                                                 << "frm12";
        QTest::newRow("F1 in the menu") << "frmmulu"
                                        << "F1"
                                        << "frmmulu";
        QTest::newRow("F1 in the drill history") << "frmhistory"
                                                 << "F1"
                                                 << "frmhistory";
        QTest::newRow("the context menu of the rectangle") << "frm6"
                                                           << "menu"
                                                           << "frm6";
        QTest::newRow("the context menu of the practice") << "frm22"
                                                          << "menu"
                                                          << "frm22";
        QTest::newRow("the message of the triangle's base and height") << "frm7"
                                                                       << "Command2"
                                                                       << "frm7";
        QTest::newRow("the message of the cuboid") << "frm5"
                                                   << "Command1"
                                                   << "frm5";
    }
    void helpWindow() {
        QFETCH(QString, window);
        QFETCH(QString, how);
        QFETCH(QString, page);
        MenuFixture app;
        QWidget* w = window == "frmmulu" ? app.menu.data() : open(app, window);
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        QCOMPARE(HelpWindows(), 0);
        // Another window's page first: the same help window then turns to this one's.
        QWidget* other = open(app, "frm10");
        QVERIFY(other && QTest::qWaitForWindowActive(other));
        QTest::keyClick(other, Qt::Key_F1);
        QCOMPARE(HelpPageShown(), QString("frm10"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        MessageButtonClicker helpButton("查看帮助");
        if (how == "F1") {
            QTest::keyClick(w, Qt::Key_F1);
        } else if (how == "menu") {
            QTimer::singleShot(0, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (!menu) return;
                for (QAction* a : menu->actions())
                    if (a->text() == "帮助\tF1") a->trigger();
                menu->close();
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(w, &event);
        } else {
            click(w->findChild<QAbstractButton*>(how));
            QCOMPARE(helpButton.shown, QStringList{"请下载新版本或查看帮助"});
        }
        QCOMPARE(HelpPageShown(), page);
        QCOMPARE(HelpWindows(), 1);
        QCOMPARE(TopLevel("help")->windowTitle(), QString("帮助"));
    }

private:
    // Opens the window of that name from its menu entry in the window table.
    static QWidget* open(MenuFixture& app, const QString& window) {
        const ui::WindowEntry* entry = ui::FindWindow(window.toStdString());
        return entry ? app.open<QWidget>(std::string(entry->menuEntry).c_str(), std::string(entry->name).c_str())
                     : nullptr;
    }
};

QTEST_MAIN(EveryWindowTest)
#include "tst_everywindow.moc"
