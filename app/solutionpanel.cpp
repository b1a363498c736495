#include "app/solutionpanel.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QTextDocument>

#include "app/fonts.h"

namespace velunda::ui {
namespace {

constexpr auto kShownKey = "solution/shown";

QSettings Settings() { return QSettings("Velunda", "Velunda"); }

// The sheet as a document: the title as a heading over the typeset solution.
void Typeset(QTextDocument& document, const QString& title, const WorkedSolution& solution) {
    document.setDefaultFont(MakeFont(SimSun(11)));
    document.setHtml("<h2>" + title.toHtmlEscaped() + "</h2>" + QString::fromStdString(solution.html));
}

void Draw(QPagedPaintDevice& device, const QString& title, const WorkedSolution& solution) {
    QTextDocument document;
    Typeset(document, title, solution);
    QPainter painter(&device);
    // The document lays out in the device's own units: scale the points of its fonts to them.
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    document.setPageSize(QSizeF(device.width() / scale, device.height() / scale));
    document.drawContents(&painter);
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

QString WriteSolutionPdf(const QString& path, const QString& title, const WorkedSolution& solution) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return "无法写入文件“" + path + "”：" + file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator("Velunda");
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        Draw(writer, title, solution);
    }
    if (!file.commit()) return "无法写入文件“" + path + "”：" + file.errorString();
    return {};
}

void PrintSolution(QWidget* parent, const QString& title, const WorkedSolution& solution) {
    QPrinter printer;
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    Draw(printer, title, solution);
}

}  // namespace velunda::ui
