// The main menu: its captions and places, and what its entries open.
#include <QAccessible>
#include <QFontInfo>
#include <QTest>

#include "app/mainmenu.h"
#include "app/windowtable.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

int visibleTopLevels() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !qobject_cast<QMessageBox*>(w)) ++n;
    return n;
}

}  // namespace

class MenuTest : public QObject {
    Q_OBJECT

private slots:
    void windowAsDesigned() {
        MenuFixture app;
        QCOMPARE(app.menu->objectName(), QString("frmmulu"));
        QCOMPARE(app.menu->windowTitle(), QString("总 目 录 "));
        QCOMPARE(app.menu->size(), QSize(658, 466));
        QLabel* title = app.menu->label("Label1");
        QCOMPARE(title->text(), QString("Velunda"));
        QCOMPARE(title->font().pointSizeF(), 42.0);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    }

    void headings_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<double>("points");
        QTest::newRow("triangles") << "Label2(0)"
                                   << "关于三角形的计算" << QPoint(360, 1440) << 12.0;
        QTest::newRow("parallelograms") << "Label2(1)"
                                        << "关于平行四边形的计算" << QPoint(7200, 1440) << 12.0;
        QTest::newRow("circles, smaller") << "Label2(2)"
                                          << "关于圆的计算" << QPoint(7680, 4080) << 10.5;
        QTest::newRow("quadrilaterals") << "Label2(3)"
                                        << "关于四边形的计算" << QPoint(2640, 1440) << 12.0;
        QTest::newRow("solids") << "Label2(4)"
                                << "关于立体图形的计算" << QPoint(4920, 1440) << 12.0;
        QTest::newRow("algebra") << "Label2(5)"
                                 << "关于代数方面的计算" << QPoint(360, 4080) << 12.0;
        QTest::newRow("drills") << "Label2(6)"
                                << "口 算 练 习 和 测 试 工 具" << QPoint(3480, 4080) << 12.0;
    }
    void headings() {
        QFETCH(QString, name);
        MenuFixture app;
        QLabel* heading = app.menu->label(name.toStdString());
        QTEST(heading->text(), "caption");
        QFETCH(QPoint, twips);
        QCOMPARE(heading->pos(), twips / 15);
        QTEST(heading->font().pointSizeF(), "points");
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }

    void entries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("twips");
        const struct {
            const char *name, *caption;
            int left, top;
        } rows[] = {
            {"lbl4", "已知三边求其它元素", 240, 1800},   {"lbl12", "边 角 互 换", 600, 2160},
            {"lbl13", "底,高,面积互换", 360, 2520},      {"lbl14", "三边,周长,面积互换", 240, 2880},
            {"lbl5", "解直角三角形", 480, 3240},         {"lbl110", "解等边三角形", 480, 3600},
            {"lbl15", "解 正 方 形", 2880, 1800},        {"lbl6", "解 长 方 形", 2880, 2400},
            {"lbl16", "解 梯 形", 3000, 3120},           {"lbl9", "解 正 方 体", 5280, 1800},
            {"lbl22", "解 长 方 体", 5280, 2400},        {"lbl24", "解 圆 柱 体", 5280, 3120},
            {"lbl17", "两边,夹角,面积互换", 7320, 1800}, {"lbl18", "底,高,面积互换", 7560, 2520},
            {"lbl7", "边与周长互换", 7680, 3240},        {"lbl19", "角度,弧度,三角函数互换", 120, 4560},
            {"lbl20", "解一元二次方程", 600, 5040},      {"lbl8", "解二元一次方程组", 480, 5520},
            {"lbl21", "解三元一次方程组", 480, 6000},    {"lbl33", "口 算 练 习 工 具", 3960, 4680},
            {"lbl34", "口 算 测 试 工 具", 3960, 5400},  {"lbl26", "半径,周长,面积互换", 7320, 4440},
            {"lbl27", "解 垂 径 定 理", 7560, 4920},     {"lblHistory", "口算记录", 4380, 6120},
        };
        for (const auto& r : rows) QTest::newRow(r.name) << r.name << r.caption << QPoint(r.left, r.top);
    }
    void entries() {
        QFETCH(QString, name);
        MenuFixture app;
        QLabel* entry = app.menu->label(name.toStdString());
        QTEST(entry->text(), "caption");
        QFETCH(QPoint, twips);
        QCOMPARE(entry->pos(), twips / 15);
        QCOMPARE(entry->font().pointSizeF(), 12.0);
        QVERIFY(entry->font().italic());
        QVERIFY(entry->font().underline());
        QCOMPARE(entry->palette().color(QPalette::WindowText), QColor(128, 255, 255));
        QVERIFY(!entry->autoFillBackground());
        QCOMPARE(entry->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(entry->cursor().pixmap().size(), QSize(32, 32));
    }

    void versionEntryIsOrange() {
        MenuFixture app;
        QLabel* entry = app.menu->label("lbl1");
        QCOMPARE(entry->text(), QString("版本信息"));
        QCOMPARE(entry->pos(), QPoint(472, 400));
        QVERIFY(entry->font().bold());
        QVERIFY(entry->autoFillBackground());
        QCOMPARE(entry->palette().color(QPalette::Window), QColor(255, 128, 0));
    }

    // The Chinese captions are drawn with a Chinese face, not with a Latin fallback.
    void captionsUseChineseFonts() {
        MenuFixture app;
        const QString face = QFontInfo(app.menu->label("lbl15")->font()).family();
        QVERIFY2(face.contains("CJK") || face.contains("AR PL") || face.contains("SimSun"), qPrintable(face));
    }

    void versionWindow() {
        MenuFixture app;
        QWidget* w = app.open("lbl1", "frmbanben");
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("版本信息"));
        QStringList texts;
        for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
        QVERIFY(texts.contains("Velunda"));
    }

    void secondClickBringsTheSameWindowToFront() {
        MenuFixture app;
        auto* first = app.open("lbl15", "frm12");
        QVERIFY(first);
        first->field("Text1")->setText("5");
        const int before = visibleTopLevels();
        auto* second = app.open("lbl15", "frm12");
        QCOMPARE(second, first);
        QCOMPARE(visibleTopLevels(), before);
        QCOMPARE(second->field("Text1")->text(), QString("5"));
    }

    void closedWindowOpensAfresh() {
        MenuFixture app;
        auto* first = app.open("lbl15", "frm12");
        first->field("Text1")->setText("5");
        first->close();
        auto* second = app.open("lbl15", "frm12");
        QVERIFY(second && second->isVisible());
        QCOMPARE(second->field("Text1")->text(), QString());
    }

    void closingTheMenuLeavesWindowsOpen() {
        MenuFixture app;
        auto* square = app.open("lbl15", "frm12");
        app.menu->close();
        QVERIFY(square->isVisible());
        QCOMPARE(visibleTopLevels(), 1);
        typeInto(square->field("Text1"), "5");
        pressEnter(square->field("Text1"));
        QCOMPARE(square->field("Text2")->text(), QString(" 20"));
        // The program ends with its last window: no window is left and Qt quits then.
        square->close();
        QCOMPARE(visibleTopLevels(), 0);
        QVERIFY(QApplication::quitOnLastWindowClosed());
    }

    void headingsTitleAndBackgroundOpenNothing() {
        MenuFixture app;
        const int before = visibleTopLevels();
        for (const char* name : {"Label2(0)", "Label2(6)", "Label1"}) {
            QLabel* l = app.menu->label(name);
            QTest::mouseClick(l, Qt::LeftButton, {}, l->rect().center());
        }
        QTest::mouseClick(app.menu, Qt::LeftButton, {}, QPoint(5, 460));
        QCOMPARE(visibleTopLevels(), before);
    }

    // Assistive technology sees every entry as a named link it can press, and the
    // keyboard reaches and opens it too.
    void entriesAreAccessibleLinks() {
        MenuFixture app;
        for (const auto& e : ui::Windows()) {
            QLabel* l = app.menu->label(e.menuEntry);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l);
            QVERIFY(a);
            QCOMPARE(a->role(), QAccessible::Link);
            QCOMPARE(a->text(QAccessible::Name), l->text().remove(' '));
            QVERIFY(a->actionInterface());
            QCOMPARE(a->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        }
        QAccessibleInterface* square = QAccessible::queryAccessibleInterface(app.menu->label("lbl15"));
        square->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(app.catalog.find("frm12") && app.catalog.find("frm12")->isVisible());

        QVERIFY(QTest::qWaitForWindowExposed(app.menu));
        QTRY_COMPARE(app.menu->label("lbl1")->focusPolicy(), Qt::TabFocus);
        QLabel* version = app.menu->label("lbl1");
        version->setFocus();
        QTest::keyClick(version, Qt::Key_Return);
        QVERIFY(app.catalog.find("frmbanben") && app.catalog.find("frmbanben")->isVisible());
    }

    // Every entry opens its window, and every window has its entry.
    void everyEntryNamesItsWindow() {
        QCOMPARE(int(ui::Windows().size()), 25);
        MenuFixture app;
        for (const auto& e : ui::Windows()) {
            QLabel* l = app.menu->label(e.menuEntry);
            QTest::mouseClick(l, Qt::LeftButton, {}, l->rect().center());
            QWidget* w = app.catalog.find(e.name);
            QVERIFY2(w && w->isVisible(), e.name.data());
            QCOMPARE(w->objectName(), QString::fromUtf8(e.name.data(), e.name.size()));
        }
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
