#include "drills/sheetpdf.h"

#include <qrencode.h>

#include <QLibrary>
#include <QPainter>
#include <QPdfWriter>
#include <mutex>

#include "ui/fonts.h"
#include "ui/savefile.h"

namespace velunda::ui {
namespace {

// The two functions of libqrencode the sheet needs, found when first asked for.
struct QrLibrary {
    using Encode = QRcode* (*)(const char*, int, QRecLevel, QRencodeMode, int);
    using Free = void (*)(QRcode*);
    Encode encode = nullptr;
    Free free = nullptr;
};

const QrLibrary& Qr() {
    static QrLibrary library;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        QLibrary qrencode("qrencode", 4);
        if (!qrencode.load()) return;
        library.encode = reinterpret_cast<QrLibrary::Encode>(qrencode.resolve("QRcode_encodeString"));
        library.free = reinterpret_cast<QrLibrary::Free>(qrencode.resolve("QRcode_free"));
        if (!library.encode || !library.free) library = {};
    });
    return library;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The page in tenths of a millimetre: A4 is 2100 × 2970.
constexpr double kWidth = 2100, kHeight = 2970, kMargin = 120;
constexpr int kColumns = 4, kRows = 25;

QFont Font(double points, bool bold = false) {
    FontStyle style = SimSun(points);
    style.bold = bold;
    return MakeFont(style);
}

void DrawHeading(QPainter& p, const SheetPlan& plan, const QString& title, int page, int pages) {
    const QString code = qs(SheetCode(plan));
    p.setFont(Font(16, true));
    p.drawText(QRectF(kMargin, kMargin, 1400, 110), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(Font(10));
    const QString where = QString("第 %1 页，共 %2 页    题卡编号 ").arg(page).arg(pages);
    const QRectF line(kMargin, kMargin + 110, 1500, 70);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, where);
    // The code in a typewriter face, each of its characters plain to read.
    QFont typewriter("monospace");
    typewriter.setStyleHint(QFont::TypeWriter);
    typewriter.setPointSizeF(11);
    typewriter.setBold(true);
    const double codeLeft = kMargin + p.boundingRect(line, Qt::AlignLeft | Qt::AlignVCenter, where).width();
    p.setFont(typewriter);
    p.drawText(line.adjusted(codeLeft - kMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, code);
    const QImage qr = QrCode(SheetCode(plan));
    if (!qr.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QRectF(kWidth - kMargin - 200, kMargin, 200, 200), qr);
    }
}

void DrawPage(QPainter& p, const SheetPlan& plan, const std::vector<Problem>& problems, int page, int pages,
              bool answers) {
    const QString title = qs("口算题卡 · " + SheetSetName(plan.set)) + (answers ? "（答案）" : "");
    DrawHeading(p, plan, title, page, pages);
    double top = kMargin + 230;
    if (!answers) {
        p.setFont(Font(11));
        p.drawText(QRectF(kMargin, top, kWidth - 2 * kMargin, 90), Qt::AlignLeft | Qt::AlignVCenter,
                   "姓名 __________    班级 __________    日期 __________    用时 ______ 分钟");
        top += 110;
    }
    const double cellWidth = (kWidth - 2 * kMargin) / kColumns;
    const double cellHeight = (kHeight - kMargin - top) / kRows;
    const int first = (page - 1) * kProblemsPerPage;
    for (int i = 0; i < kProblemsPerPage && first + i < int(problems.size()); ++i) {
        const Problem& problem = problems[std::size_t(first) + std::size_t(i)];
        const int column = i / kRows, row = i % kRows;  // down the columns, 25 a column
        const QRectF cell(kMargin + column * cellWidth, top + row * cellHeight, cellWidth, cellHeight);
        p.setFont(Font(8));
        p.drawText(cell.adjusted(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::number(first + i + 1) + ".");
        p.setFont(Font(13));
        QString text = qs(problem.text());
        text.replace("+", " + ").replace("-", " - ").replace("×", " × ").replace("÷", " ÷ ").replace("=", " = ");
        if (answers) text += QString::number(static_cast<long long>(problem.result()));
        p.drawText(cell.adjusted(85, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

}  // namespace

QImage QrCode(const std::string& text) {
    const QrLibrary& qr = Qr();
    if (!qr.encode) return {};
    QRcode* code = qr.encode(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code) return {};
    // A quiet zone of four modules around the symbol.
    const int side = code->width + 8;
    QImage image(side, side, QImage::Format_Mono);
    image.fill(1);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) image.setPixel(x + 4, y + 4, 0);
    qr.free(code);
    return image;
}

void DrawSheet(QPagedPaintDevice& device, const SheetPlan& plan, const std::vector<Problem>& problems) {
    QPainter painter(&device);
    const double scale = std::min(device.width() / kWidth, device.height() / kHeight);
    painter.scale(scale, scale);
    const int pages = std::max(1, int((problems.size() + kProblemsPerPage - 1) / kProblemsPerPage));
    for (int answers = 0; answers < 2; ++answers)
        for (int page = 1; page <= pages; ++page) {
            if (answers || page > 1) device.newPage();
            DrawPage(painter, plan, problems, page, pages, answers == 1);
        }
}

QString WriteSheetPdf(const QString& path, const SheetPlan& plan, const std::vector<Problem>& problems) {
    return WritePdf(path, qs("口算题卡 " + SheetCode(plan)), [&](QPdfWriter& writer) {
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        DrawSheet(writer, plan, problems);
    });
}

}  // namespace velunda::ui
