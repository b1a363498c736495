// The program's own cuts of its CJK faces: every caption of every window must be drawn
// from one of them, with a glyph of its own for every character. A character the cut
// lacks would fall back to another face (another look, and the whole system font file
// loaded for it), and a face not found would bring the large system files back.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QTest>

#include "robustness/everywindow.h"
#include "support/faces.h"
#include "support/gui.h"
#include "ui/fonts.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

int facesAdded = 0;

QString captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* field = qobject_cast<QLineEdit*>(w)) return field->text();
    return {};
}

// The text on white, on an image as large as the face says the text is.
QImage drawn(const QString& text, const QFont& font) {
    const QRect bounds = QFontMetrics(font).boundingRect(QRect(0, 0, 4000, 2000), Qt::AlignLeft, text);
    QImage image(bounds.size() + QSize(8, 8), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect().adjusted(4, 4, -4, -4), Qt::AlignLeft, text);
    return image;
}

const QMap<QString, QString> sourceOf{
    {"Velunda Serif", "Noto Serif CJK SC"}, {"Velunda Sans", "Noto Sans CJK SC"}, {"Velunda Kai", "AR PL UKai CN"}};

// Every control of the window (and the window itself) that shows a caption: drawn from
// one of the cuts alone, and pixel for pixel as the face it was cut from draws it.
void checkWindow(QWidget* window, const QString& name) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    int checked = 0;
    for (QWidget* w : widgets) {
        const QString caption = captionOf(w);
        if (caption.trimmed().isEmpty()) continue;
        const QString where = name + "." + w->objectName() + " \"" + caption + "\"";
        const QStringList faces = FacesDrawing(caption, w->font());
        QVERIFY2(faces.size() == 1 && sourceOf.contains(faces.front()),
                 qPrintable(where + " is drawn in " + faces.join(" + ")));
        QFont source = w->font();
        source.setFamilies({sourceOf[faces.front()]});
        QVERIFY2(drawn(caption, w->font()) == drawn(caption, source),
                 qPrintable(where + " looks otherwise than in " + source.family()));
        ++checked;
    }
    QVERIFY2(checked > 0, qPrintable(name + " shows no caption"));
}

}  // namespace

class ProgramFontsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (DesignedFacesInstalled()) QSKIP("the designed Windows faces are installed here and rightly used");
    }

    void facesAreBuiltAndFound() {
        QVERIFY2(!ui::ProgramFontDirectory().empty(), "no fonts/ directory beside the program");
        QCOMPARE(facesAdded, 5);
        const QStringList present = QFontDatabase::families();
        for (const char* family : {"Velunda Serif", "Velunda Sans", "Velunda Kai"})
            QVERIFY2(present.contains(family), family);
        QVERIFY(QFontDatabase::isSmoothlyScalable("Velunda Serif", "Bold"));
        QVERIFY(QFontDatabase::isSmoothlyScalable("Velunda Sans", "Bold"));
    }

    // The cut face is the face it was cut from: the same pixels for the same text.
    void cutsDrawAsTheirSources_data() {
        QTest::addColumn<QString>("cut");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("bold");
        QTest::newRow("serif") << "Velunda Serif"
                               << "Noto Serif CJK SC" << false;
        QTest::newRow("serif bold") << "Velunda Serif"
                                    << "Noto Serif CJK SC" << true;
        QTest::newRow("sans") << "Velunda Sans"
                              << "Noto Sans CJK SC" << false;
        QTest::newRow("sans bold") << "Velunda Sans"
                                   << "Noto Sans CJK SC" << true;
        QTest::newRow("kai") << "Velunda Kai"
                             << "AR PL UKai CN" << false;
    }

    void cutsDrawAsTheirSources() {
        QFETCH(QString, cut);
        QFETCH(QString, source);
        QFETCH(bool, bold);
        const QString text = QString::fromUtf8("解正方形：边长 a = 12.5，面积 S ≈ 3.14 × r²（请输入）");
        for (const double points : {9.0, 12.0, 26.25}) {
            QFont a(cut), b(source);
            for (QFont* f : {&a, &b}) {
                f->setPointSizeF(points);
                f->setBold(bold);
            }
            QCOMPARE(FacesDrawing(text, a), QStringList{cut});
            QCOMPARE(FacesDrawing(text, b), QStringList{source});
            QCOMPARE(QFontMetricsF(a).height(), QFontMetricsF(b).height());
            QVERIFY2(drawn(text, a) == drawn(text, b), qPrintable(cut + " draws otherwise than " + source));
        }
    }

    void everyCaptionHasItsGlyphs_data() { addEveryWindowRows(); }

    void everyCaptionHasItsGlyphs() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        MenuFixture app;
        checkWindow(app.menu, "frmmulu");
        if (QTest::currentTestFailed()) return;
        QWidget* w = app.open<QWidget>(entry.toLatin1().constData(), window.toLatin1().constData());
        QVERIFY2(w, qPrintable(window + " did not open"));
        checkWindow(w, window);
    }
};

int main(int argc, char* argv[]) {
    // The faces reach fontconfig before the toolkit reads its font list, as at start-up.
    facesAdded = velunda::ui::AddProgramFonts();
    QApplication app(argc, argv);
    ProgramFontsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programfonts.moc"
