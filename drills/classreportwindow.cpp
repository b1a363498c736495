#include "drills/classreportwindow.h"

#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/message.h"
#include "ui/savefile.h"

namespace velunda::ui {
namespace {

// The most missed facts the report names.
constexpr std::size_t kMostMissed = 10;

QString Seconds(double s) { return QString::number(s, 'f', 1); }

// The columns both tables share after their first ones.
QStringList Figures(const ClassStats& s) {
    return {QString::number(s.answered), PercentText(s.right, s.answered), Seconds(s.medianSeconds),
            PercentText(s.fluent, s.answered)};
}

const QStringList kFigureHeaders = {"题数", "正确率", "用时中位数（秒）", "3 秒内答对"};

QStringList PupilRow(const ClassStats& s) { return QStringList{s.pupil, s.className} + Figures(s); }
QStringList FactRow(const ClassStats& s) {
    return QStringList{FactName(s.fact), QString::number(s.pupils), QString::number(s.wrong())} + Figures(s);
}
const QStringList kPupilHeaders = QStringList{"姓名", "班级"} + kFigureHeaders;
const QStringList kFactHeaders = QStringList{"题目", "人数", "答错"} + kFigureHeaders;

QString OverviewText(const ClassSummary& s, int files) {
    if (s.answered == 0) return "还没有导入学生的口算记录。请让每位学生在“口算记录”里导出 CSV 文件，再在这里导入。";
    return QString("%1 个文件，%2 位学生，共 %3 道题，正确率 %4，3 秒内答对 %5。")
        .arg(files)
        .arg(s.pupils.size())
        .arg(s.answered)
        .arg(PercentText(s.right, s.answered), PercentText(s.fluent, s.answered));
}

QString MissedText(const ClassSummary& s) {
    QStringList facts;
    for (const ClassStats& f : s.mostMissed(kMostMissed))
        facts << QString("%1（错 %2 次）").arg(FactName(f.fact)).arg(f.wrong());
    return facts.isEmpty() ? QString("全班最常错的题：没有做错的题。") : "全班最常错的题：" + facts.join("、");
}

// The columns from textColumns on hold numbers, aligned right.
void Fill(QTableWidget* table, const QStringList& headers, const std::vector<QStringList>& rows, int textColumns) {
    table->clear();
    table->setColumnCount(int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[r].size()); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            if (c >= textColumns) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    table->resizeColumnsToContents();
}

QTableWidget* NewTable(const char* name, const char* accessible, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setAccessibleName(accessible);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

QString FactName(const Problem& fact) { return QString::fromStdString(fact.text()).chopped(1); }

ClassReportWindow::ClassReportWindow(HistoryStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    setObjectName("frmclass");
    setWindowTitle("班级报告");
    setFont(MakeFont(SimSun(10.5)));
    overview_ = new QLabel(this);
    overview_->setObjectName("lblOverview");
    overview_->setWordWrap(true);
    auto* import = new QPushButton("导入 CSV…", this);
    import->setObjectName("cmdImport");
    import->setAccessibleName("导入CSV…");
    import->setToolTip("导入学生在“口算记录”里导出的 CSV 文件，可以一次选几个");
    auto* pdf = new QPushButton("导出 PDF…", this);
    pdf->setObjectName("cmdPdf");
    pdf->setAccessibleName("导出PDF…");
    auto* clear = new QPushButton("清空报告", this);
    clear->setObjectName("cmdClearReport");
    clear->setToolTip("删除导入的文件，学生自己的记录不受影响");
    connect(import, &QPushButton::clicked, this, [this] {
        importFiles(QFileDialog::getOpenFileNames(this, "导入学生的口算记录", SaveFolder(), "CSV 文件 (*.csv)"));
    });
    connect(pdf, &QPushButton::clicked, this, [this] { exportClicked(); });
    connect(clear, &QPushButton::clicked, this, [this] { clearClicked(); });
    auto* top = new QHBoxLayout;
    top->addWidget(overview_, 1);
    top->addWidget(import);
    top->addWidget(pdf);
    top->addWidget(clear);

    pupils_ = NewTable("tblPupils", "每位学生", this);
    facts_ = NewTable("tblFacts", "每道题", this);
    missed_ = new QLabel(this);
    missed_->setObjectName("lblMissed");
    missed_->setWordWrap(true);
    auto* tables = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("每位学生", this));
    left->addWidget(pupils_);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel("每道题（最常错的在前）", this));
    right->addWidget(facts_);
    tables->addLayout(left, 1);
    tables->addLayout(right, 1);
    auto* note = new QLabel("班级报告只汇总导入的文件，和这台电脑上学生自己的口算记录分开保存。", this);
    note->setObjectName("lblNote");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(missed_);
    layout->addLayout(tables, 1);
    layout->addWidget(note);
    resize(960, 560);
    reload();
}

void ClassReportWindow::reload() {
    const ClassRecords records = store_.classRecords();
    summary_ = SummarizeClass(records.answers);
    files_ = records.files;
    overview_->setText(OverviewText(summary_, files_));
    missed_->setText(MissedText(summary_));
    std::vector<QStringList> rows;
    for (const ClassStats& p : summary_.pupils) rows.push_back(PupilRow(p));
    Fill(pupils_, kPupilHeaders, rows, 2);
    rows.clear();
    for (const ClassStats& f : summary_.facts) rows.push_back(FactRow(f));
    Fill(facts_, kFactHeaders, rows, 1);
}

void ClassReportWindow::importFiles(const QStringList& files) {
    if (files.isEmpty()) return;
    QStringList told;
    for (const QString& path : files) {
        const QString name = QFileInfo(path).fileName();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            told << name + "：文件打不开，没有导入。";
            continue;
        }
        told << store_.importClassFile(name, file.readAll());
    }
    reload();
    ShowMessageBox(this, told.join("\n"), Icon::Information, "班级报告");
}

void ClassReportWindow::exportClicked() {
    const QString file = ChooseFileToSave(this, "导出班级报告", "班级报告", "pdf", "PDF 文件 (*.pdf)");
    if (file.isEmpty()) return;
    if (const QString fault = WriteClassReportPdf(file, summary_, files_); !fault.isEmpty())
        ShowMessageBox(this, fault, Icon::Information);
}

void ClassReportWindow::clearClicked() {
    QMessageBox ask(QMessageBox::Question, "清空报告", "要删除导入的全部文件吗？学生自己的口算记录不受影响。",
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setDefaultButton(QMessageBox::No);
    ask.button(QMessageBox::Yes)->setText("删除");
    ask.button(QMessageBox::No)->setText("取消");
    if (ask.exec() != QMessageBox::Yes) return;
    store_.clearClass();
    reload();
}

// The PDF, in tenths of a millimetre on an A4 page.
namespace {

constexpr double kPageWidth = 2100, kPageHeight = 2970, kPageMargin = 150, kLine = 62;

QFont PdfFont(double points, bool bold = false) {
    FontStyle style = SimSun(points);
    style.bold = bold;
    return MakeFont(style);
}

// A table from the top given, onto as many pages as it needs; the heading line repeats
// on each. Returns the top under it.
double DrawTable(QPainter& p, QPdfWriter& writer, double top, const QStringList& headers,
                 const std::vector<QStringList>& rows, const std::vector<double>& widths, int textColumns) {
    auto line = [&](const QStringList& cells, bool bold) {
        p.setFont(PdfFont(10, bold));
        double left = kPageMargin;
        for (int c = 0; c < int(cells.size()); ++c) {
            const QRectF cell(left, top, widths[std::size_t(c)] - 10, kLine);
            p.drawText(cell, (c >= textColumns ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, cells[c]);
            left += widths[std::size_t(c)];
        }
        top += kLine;
    };
    line(headers, true);
    p.drawLine(QPointF(kPageMargin, top), QPointF(kPageWidth - kPageMargin, top));
    for (const QStringList& row : rows) {
        if (top + kLine > kPageHeight - kPageMargin) {
            writer.newPage();
            top = kPageMargin;
            line(headers, true);
            p.drawLine(QPointF(kPageMargin, top), QPointF(kPageWidth - kPageMargin, top));
        }
        line(row, false);
    }
    return top + kLine;
}

}  // namespace

QString WriteClassReportPdf(const QString& path, const ClassSummary& summary, int files) {
    return WritePdf(path, "班级报告", [&](QPdfWriter& writer) {
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p(&writer);
        const double scale = std::min(writer.width() / kPageWidth, writer.height() / kPageHeight);
        p.scale(scale, scale);
        double top = kPageMargin;
        p.setFont(PdfFont(18, true));
        p.drawText(QRectF(kPageMargin, top, kPageWidth - 2 * kPageMargin, 120), Qt::AlignLeft | Qt::AlignVCenter,
                   "班级报告 · 口算");
        top += 130;
        p.setFont(PdfFont(10));
        const QRectF overview(kPageMargin, top, kPageWidth - 2 * kPageMargin, 3 * kLine);
        const QString text = QDate::currentDate().toString("yyyy-MM-dd") + "　" + OverviewText(summary, files) +
                             "\n“3 秒内答对”是在 3 秒之内答对的题占所有题的比例。";
        QRectF used;
        p.drawText(overview, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        top += used.height() + kLine;
        std::vector<QStringList> rows;
        for (const ClassStats& s : summary.pupils) rows.push_back(PupilRow(s));
        p.setFont(PdfFont(12, true));
        p.drawText(QRectF(kPageMargin, top, 1200, 80), Qt::AlignLeft | Qt::AlignVCenter, "每位学生");
        top += 90;
        top = DrawTable(p, writer, top, kPupilHeaders, rows, {380, 300, 180, 200, 380, 300}, 2);
        rows.clear();
        for (const ClassStats& s : summary.mostMissed(20)) rows.push_back(FactRow(s));
        if (top + 90 + 3 * kLine > kPageHeight - kPageMargin) {
            writer.newPage();
            top = kPageMargin;
        }
        p.setFont(PdfFont(12, true));
        p.drawText(QRectF(kPageMargin, top, 1600, 80), Qt::AlignLeft | Qt::AlignVCenter, "全班最常错的题");
        top += 90;
        if (rows.empty()) {
            p.setFont(PdfFont(10));
            p.drawText(QRectF(kPageMargin, top, 1600, kLine), Qt::AlignLeft | Qt::AlignVCenter, "没有做错的题。");
        } else {
            DrawTable(p, writer, top, kFactHeaders, rows, {260, 150, 150, 170, 200, 380, 300}, 1);
        }
    });
}

}  // namespace velunda::ui
