// What a screen reader announces: every window the menu opens is walked, and each of
// its fields, buttons and option buttons must carry a name a pupil can understand.
#include <QAccessible>
#include <QRegularExpression>
#include <QTest>

#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

QString accessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// The label whose buddy the field is, if any.
QLabel* captionOf(QWidget* window, QLineEdit* field) {
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->buddy() == field) return l;
    return nullptr;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // One row per menu entry that opens a window.
    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        for (const auto& e : ui::Windows()) {
            const QByteArray window(e.name.data(), qsizetype(e.name.size()));
            QTest::newRow(window.constData())
                << QString::fromUtf8(e.menuEntry.data(), qsizetype(e.menuEntry.size())) << QString::fromLatin1(window);
        }
    }

    void everyControlIsNamed() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        MenuFixture app;
        QWidget* w = app.open<QWidget>(entry.toLatin1().constData(), window.toLatin1().constData());
        QVERIFY2(w, qPrintable(window + " did not open"));

        // A field is announced by its caption, or by a name its window gives it; never
        // by nothing or by the control's own name.
        static const QRegularExpression controlName("^(Text|txt)\\d");
        for (QLineEdit* field : w->findChildren<QLineEdit*>()) {
            const QString where = window + "." + field->objectName();
            const QString name = accessibleName(field);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where + " has no name"));
            QVERIFY2(!controlName.match(name).hasMatch(), qPrintable(where + " is named " + name));
            if (QLabel* caption = captionOf(w, field)) QCOMPARE(name, caption->text().simplified());
        }
        // A button or option button is announced by its caption without the blanks
        // that space its characters out.
        for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
            // A table's corner button and the like belong to their view, not to the window.
            if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QRadioButton*>(button)) continue;
            const QString caption = button->text().remove(' ');
            QVERIFY2(!caption.isEmpty(), qPrintable(window + "." + button->objectName() + " has no caption"));
            QCOMPARE(accessibleName(button), caption);
        }
    }

    // Names given where a field has no caption of its own, and captions that read
    // differently from the way they are spaced on screen.
    void fieldNames_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("square diagonal caption wraps, its blanks read as one") << "lbl15"
                                                                               << "frm12"
                                                                               << "Text4"
                                                                               << "正方形对角线 的长";
        QTest::newRow("triangle result field reads its caption") << "lbl4"
                                                                 << "frm1"
                                                                 << "txt12"
                                                                 << "外接圆 半径";
        QTest::newRow("quadratic coefficient reads its letter") << "lbl20"
                                                                << "frm16"
                                                                << "Text2"
                                                                << "B=";
        QTest::newRow("two equations, first x coefficient") << "lbl8"
                                                            << "frm19"
                                                            << "Text1"
                                                            << "第一个方程 X 的系数";
        QTest::newRow("two equations, second y coefficient") << "lbl8"
                                                             << "frm19"
                                                             << "Text4"
                                                             << "第二个方程 Y 的系数";
        QTest::newRow("two equations, first constant") << "lbl8"
                                                       << "frm19"
                                                       << "Text6"
                                                       << "第一个方程的常数项";
        QTest::newRow("two equations, second constant") << "lbl8"
                                                        << "frm19"
                                                        << "Text7"
                                                        << "第二个方程的常数项";
        QTest::newRow("two equations, solution line") << "lbl8"
                                                      << "frm19"
                                                      << "Text5"
                                                      << "方程组的解";
        QTest::newRow("three equations, first x coefficient") << "lbl21"
                                                              << "frm20"
                                                              << "Text1(1)"
                                                              << "第一个方程 X 的系数";
        QTest::newRow("three equations, second z coefficient") << "lbl21"
                                                               << "frm20"
                                                               << "Text1(7)"
                                                               << "第二个方程 Z 的系数";
        QTest::newRow("three equations, third constant") << "lbl21"
                                                         << "frm20"
                                                         << "Text1(12)"
                                                         << "第三个方程的常数项";
        QTest::newRow("three equations, solution line") << "lbl21"
                                                        << "frm20"
                                                        << "Text2"
                                                        << "方程组的解";
    }

    void fieldNames() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, name);
        MenuFixture app;
        auto* w = app.open(entry.toLatin1().constData(), window.toLatin1().constData());
        QVERIFY(w);
        QCOMPARE(accessibleName(w->field(field.toStdString())), name);
    }

    // The drill's answer field is captioned by the problem on show, and is announced by
    // the next problem once it is posed.
    void drillAnswerIsNamedByItsProblem_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::newRow("practice") << "lbl33"
                                  << "frm22";
        QTest::newRow("test") << "lbl34"
                              << "frm23";
    }

    void drillAnswerIsNamedByItsProblem() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        MenuFixture app;
        auto* w = app.open(entry.toLatin1().constData(), window.toLatin1().constData());
        QVERIFY(w);
        QLineEdit* answer = w->field("Text1");
        static const QRegularExpression problem("^\\d+[-+×÷]\\d+=$");
        const QString first = w->label("lbl1")->text();
        QVERIFY2(problem.match(first).hasMatch(), qPrintable(first));
        QCOMPARE(accessibleName(answer), first);
        for (int i = 0; i < 5 && w->label("lbl1")->text() == first; ++i) {
            typeInto(answer, "99");
            pressEnter(answer);
        }
        const QString next = w->label("lbl1")->text();
        QVERIFY2(next != first, "five answers all posed the same problem again");
        QCOMPARE(accessibleName(answer), next);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
