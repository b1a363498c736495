#include "ui/solutionpanel.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QTextDocument>

#include "figure/painter.h"
#include "ui/fonts.h"

namespace velunda::ui {
namespace {

constexpr auto kShownKey = "solution/shown";

QSettings Settings() { return QSettings("Velunda", "Velunda"); }

// The figure's size on the sheet, in the sheet's logical pixels.
constexpr double kFigureWidth = 480, kFigureHeight = 300;

// The sheet: the title as a heading, the figure, the typeset solution.
void Draw(QPagedPaintDevice& device, const QString& title, const WorkedSolution& solution, const Sketch* figure,
          bool extras) {
    QPainter painter(&device);
    // The documents lay out in the device's own units: scale the points of their fonts to them.
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    const QSizeF page(device.width() / scale, device.height() / scale);
    QTextDocument heading, text;
    for (QTextDocument* document : {&heading, &text}) {
        document->setDefaultFont(MakeFont(SimSun(11)));
        document->setPageSize(page);
    }
    heading.setHtml("<h2>" + title.toHtmlEscaped() + "</h2>");
    text.setHtml(QString::fromStdString(solution.html));
    heading.drawContents(&painter);
    double top = heading.size().height();
    if (figure) {
        PaintFigure(painter, *figure, QRectF(0, top, std::min(kFigureWidth, page.width()), kFigureHeight), extras);
        top += kFigureHeight;
    }
    painter.translate(0, top);
    text.drawContents(&painter);
}

}  // namespace

SolutionSetting& SolutionSetting::instance() {
    static SolutionSetting* setting = new SolutionSetting;  // lives as long as the program
    return *setting;
}

SolutionSetting::SolutionSetting() { shown_ = Settings().value(kShownKey, false).toBool(); }

void SolutionSetting::setShown(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    Settings().setValue(kShownKey, shown);
    emit shownChanged(shown);
}

QString WriteSolutionPdf(const QString& path, const QString& title, const WorkedSolution& solution,
                         const Sketch* figure, bool extras) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return "无法写入文件“" + path + "”：" + file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator("Velunda");
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        Draw(writer, title, solution, figure, extras);
    }
    if (!file.commit()) return "无法写入文件“" + path + "”：" + file.errorString();
    return {};
}

void PrintSolution(QWidget* parent, const QString& title, const WorkedSolution& solution, const Sketch* figure,
                   bool extras) {
    QPrinter printer;
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    Draw(printer, title, solution, figure, extras);
}

}  // namespace velunda::ui
