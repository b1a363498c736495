#include "drills/historywindow.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "drills/classreportwindow.h"
#include "drills/drillwindow.h"
#include "drills/pupils.h"
#include "drills/strategy.h"
#include "ui/designedwindow.h"
#include "ui/fonts.h"
#include "ui/message.h"
#include "ui/palette.h"
#include "ui/savefile.h"
#include "ui/tryfirst.h"

namespace velunda::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString OperationName(Operation op) {
    switch (op) {
        case Operation::Addition:
            return "加法";
        case Operation::Subtraction:
            return "减法";
        case Operation::Multiplication:
            return "乘法";
        case Operation::Division:
            return "除法";
    }
    return {};
}

QString Percent(int right, int answered) {
    return answered == 0 ? QString("—") : QString::number(std::floor(right * 100.0 / answered)) + "％";
}

QColor MasteryColour(Mastery m) {
    switch (m) {
        case Mastery::Mastered:
            return kMastered;
        case Mastery::Shaky:
            return kShaky;
        case Mastery::Wrong:
            return kWrong;
        case Mastery::Unseen:
            break;
    }
    return kUnseen;
}

}  // namespace

// The daily table: one row per day and operation, the latest day first. A row's median
// time is read when the row first shows, on the store's thread; the cell fills in when
// it arrives.
class DayTableModel : public QAbstractTableModel {
public:
    DayTableModel(HistoryStore& store, std::function<void(int)> reading, QObject* parent)
        : QAbstractTableModel(parent), store_(store), reading_(std::move(reading)) {}

    void setDays(std::vector<DayStats> days) {
        beginResetModel();
        days_ = std::move(days);
        medians_.assign(days_.size(), std::nullopt);
        asked_.assign(days_.size(), false);
        ++generation_;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(days_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 6; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const DayStats& d = days_[index.row()];
        if (role == Qt::TextAlignmentRole)
            return index.column() >= 3 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        if (role != Qt::DisplayRole) return {};
        switch (index.column()) {
            case 0:
                return QString::fromStdString(d.day);
            case 1:
                return OperationName(d.operation);
            case 2:
                return qs(DrillModeName(d.mode));
            case 3:
                return d.answered;
            case 4:
                return Percent(d.right, d.answered);
            case 5:
                if (medians_[index.row()]) return QString::number(*medians_[index.row()], 'f', 1);
                askMedian(index.row());
                return QString("…");
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const headers[] = {"日期", "运算", "方式", "题数", "正确率", "用时中位数（秒）"};
        return section >= 0 && section < 6 ? QString(headers[section]) : QVariant();
    }

private:
    void askMedian(int row) const {
        if (asked_[row]) return;
        asked_[row] = true;
        reading_(+1);
        auto* self = const_cast<DayTableModel*>(this);
        store_.fetchMedian(days_[row], self, [self, row, generation = generation_](double median) {
            self->reading_(-1);
            if (generation != self->generation_) return;  // the days were read again meanwhile
            self->medians_[row] = median;
            emit self->dataChanged(self->index(row, 5), self->index(row, 5));
        });
    }

    HistoryStore& store_;
    std::function<void(int)> reading_;  // reads begun (+1) and ended (−1)
    std::vector<DayStats> days_;
    mutable std::vector<std::optional<double>> medians_;
    mutable std::vector<bool> asked_;
    int generation_ = 0;
};

// The chart.

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setObjectName("chart");
    setMinimumSize(460, 230);
}

void ProgressChart::setDays(const std::vector<DayStats>& days, const std::string& lastDay) {
    const QDate last = QDate::fromString(QString::fromStdString(lastDay), Qt::ISODate);
    points_.assign(kDays, {});
    labels_.clear();
    for (int i = 0; i < kDays; ++i) labels_.push_back(last.addDays(i - kDays + 1).toString("MM-dd"));
    for (const DayStats& d : days) {
        const qint64 back = QDate::fromString(QString::fromStdString(d.day), Qt::ISODate).daysTo(last);
        if (back < 0 || back >= kDays) continue;
        Point& p = points_[kDays - 1 - back];
        p.answered += d.answered;
        p.right += d.right;
        p.seconds += d.totalSeconds;
    }
    update();
}

void ProgressChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QFontMetrics fm(font());
    const int line = fm.height();
    // The plot, with room for the two scales, the dates and the legend.
    const QRect plot(fm.horizontalAdvance("100％") + 10, line + 10,
                     width() - fm.horizontalAdvance("100％") - fm.horizontalAdvance("100秒") - 24,
                     height() - 3 * line - 18);
    if (plot.width() < 20 || plot.height() < 20 || int(labels_.size()) != kDays) return;

    double slowest = 1;
    for (const Point& p : points_)
        if (p.answered) slowest = std::max(slowest, p.seconds / p.answered);
    slowest = std::ceil(slowest / 4) * 4;  // whole seconds on the scale

    painter.setPen(QColor(200, 200, 200));
    for (int k = 0; k <= 4; ++k) {
        const int y = plot.bottom() - plot.height() * k / 4;
        painter.drawLine(plot.left(), y, plot.right(), y);
    }
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    for (int k = 0; k <= 4; ++k) {
        const int y = plot.bottom() - plot.height() * k / 4;
        painter.setPen(kAccuracy);
        painter.drawText(QRect(0, y - line / 2, plot.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(25 * k) + "％");
        painter.setPen(kSpeed);
        painter.drawText(QRect(plot.right() + 4, y - line / 2, width() - plot.right() - 4, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(slowest * k / 4) + "秒");
    }

    const double step = double(plot.width()) / (kDays - 1);
    auto x = [&](int i) { return plot.left() + step * i; };
    painter.setPen(Qt::black);
    for (int i = 0; i < kDays; i += 7) {
        const int at = int(x(i));
        painter.drawLine(at, plot.bottom(), at, plot.bottom() + 4);
        painter.drawText(QRect(at - 40, plot.bottom() + 5, 80, line), Qt::AlignHCenter | Qt::AlignTop, labels_[i]);
    }
    {
        const int at = int(x(kDays - 1));
        painter.drawText(QRect(at - 40, plot.bottom() + 5, 80, line), Qt::AlignHCenter | Qt::AlignTop,
                         labels_[kDays - 1]);
    }

    // A line through the days with answers, a dot on each.
    auto series = [&](const QColor& colour, auto value) {
        QPainterPath path;
        bool started = false;
        painter.setPen(QPen(colour, 2));
        painter.setBrush(colour);
        for (int i = 0; i < kDays; ++i) {
            if (!points_[i].answered) continue;
            const QPointF p(x(i), plot.bottom() - plot.height() * value(points_[i]));
            started ? path.lineTo(p) : path.moveTo(p);
            started = true;
            painter.drawEllipse(p, 2.5, 2.5);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    };
    series(kAccuracy, [](const Point& p) { return double(p.right) / p.answered; });
    series(kSpeed, [&](const Point& p) { return p.seconds / p.answered / slowest; });

    // The legend above the plot.
    int at = plot.left();
    for (const auto& [colour, caption] :
         {std::pair{kAccuracy, QString("正确率")}, std::pair{kSpeed, QString("每题平均用时")}}) {
        painter.setPen(QPen(colour, 2));
        painter.drawLine(at, 4 + line / 2, at + 18, 4 + line / 2);
        painter.setPen(Qt::black);
        painter.drawText(QRect(at + 22, 4, fm.horizontalAdvance(caption) + 4, line), Qt::AlignVCenter, caption);
        at += fm.horizontalAdvance(caption) + 44;
    }
    painter.drawText(QRect(plot.left(), height() - line - 2, plot.width(), line), Qt::AlignHCenter,
                     "最近 " + QString::number(kDays) + " 天");
}

// The grids.

FactGrid::FactGrid(Operation operation, QWidget* parent) : QWidget(parent), operation_(operation) {
    setObjectName(QString("grid") + qs(OperatorText(operation)));
    for (auto& row : cells_)
        for (Mastery& m : row) m = Mastery::Unseen;
}

void FactGrid::setFacts(const std::vector<FactHistory>& facts, HistoryTime now) {
    for (auto& row : cells_)
        for (Mastery& m : row) m = Mastery::Unseen;
    for (auto& row : facts_)
        for (auto& f : row) f.reset();
    // A quotient cell gathers the dividends raised to it; the weakest of them shows.
    for (const FactHistory& f : facts) {
        if (f.fact.operation != operation_) continue;
        auto cell = GridCell(f.fact);
        // A quotient above 9 of a one-digit divisor goes into the last column.
        if (!cell && operation_ == Operation::Division && f.fact.second >= 1 && f.fact.second <= 9 &&
            f.fact.first % f.fact.second == 0 && f.fact.first / f.fact.second > 9)
            cell = std::pair{int(f.fact.second), 10};
        if (!cell) continue;
        Mastery& m = cells_[cell->first][cell->second];
        const Mastery here = MasteryOf(f, now);
        auto rank = [](Mastery x) {
            return x == Mastery::Wrong ? 3 : x == Mastery::Shaky ? 2 : x == Mastery::Mastered ? 1 : 0;
        };
        if (m == Mastery::Unseen || rank(here) > rank(m)) {
            m = here;
            facts_[cell->first][cell->second] = f;
        }
    }
    update();
}

QSize FactGrid::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.height() + columns() * 17 + 4, 2 * fm.height() + 10 * 17 + 8};
}

const FactHistory* FactGrid::factAt(int row, int column) const {
    if (row < 0 || row >= 10 || column < 0 || column >= columns() || !facts_[row][column]) return nullptr;
    return &*facts_[row][column];
}

int FactGrid::cellSize() const {
    const int line = QFontMetrics(font()).height();
    return std::max(8, std::min((width() - line - 4) / columns(), (height() - 2 * line - 8) / 10));
}

QPoint FactGrid::origin() const {
    const int line = QFontMetrics(font()).height();
    return {line + 2, 2 * line + 6};
}

void FactGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - origin();
    const int cell = cellSize();
    if (at.x() >= 0 && at.y() >= 0 && clicked_ && at.x() / cell < columns() && at.y() / cell < 10)
        clicked_(at.y() / cell, at.x() / cell);
    QWidget::mousePressEvent(event);
}

void FactGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm(font());
    const int line = fm.height();
    const int cell = cellSize();
    const int left = origin().x(), top = origin().y();
    const QString title = OperationName(operation_) + "  " + qs(OperatorText(operation_));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft | Qt::AlignVCenter, title);
    for (int i = 0; i < columns(); ++i)
        painter.drawText(QRect(left + i * cell - (i == 10 ? cell : 0), line + 2, cell * (i == 10 ? 3 : 1), line),
                         Qt::AlignCenter, i == 10 ? QString("10+") : QString::number(i));
    for (int i = 0; i < 10; ++i)
        painter.drawText(QRect(0, top + i * cell, left - 2, cell), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(i));
    painter.setPen(Qt::white);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < columns(); ++c) {
            const QRect box(left + c * cell, top + r * cell, cell, cell);
            painter.fillRect(box, MasteryColour(cells_[r][c]));
            painter.drawRect(box);
        }
}

// The window.

HistoryWindow::HistoryWindow(HistoryStore& store, HistoryTime now, QWidget* parent)
    : QWidget(parent), store_(store), now_(now ? now : QDateTime::currentMSecsSinceEpoch()) {
    setObjectName("frmhistory");
    setWindowTitle("口算记录");
    setFont(MakeFont(SimSun(10.5)));

    summary_ = new QLabel(this);
    summary_->setObjectName("lblSummary");
    auto* exportButton = new QPushButton("导出 CSV…", this);
    exportButton->setAccessibleName("导出CSV…");  // announced without the blank, like every button
    exportButton->setObjectName("cmdExport");
    auto* clearButton = new QPushButton("清除记录", this);
    clearButton->setObjectName("cmdClear");
    auto* bookButton = new QPushButton("错题本", this);
    bookButton->setObjectName("cmdWrongBook");
    bookButton->setToolTip("在口算练习窗口里练习错题本里的题");
    connect(bookButton, &QPushButton::clicked, this, [this] {
        if (auto* practice = opener_ ? dynamic_cast<DrillWindow*>(opener_("frm22")) : nullptr)
            practice->practiseWrongAnswers();
    });
    // For a teacher: the CSV files of several pupils in a report of their own.
    auto* classButton = new QPushButton("班级报告…", this);
    classButton->setObjectName("cmdClassReport");
    classButton->setToolTip("导入几位学生的 CSV 文件，看全班的正确率、速度和最常错的题");
    connect(classButton, &QPushButton::clicked, this, [this] {
        auto* report = new ClassReportWindow(store_, this);
        report->setWindowFlag(Qt::Window);
        report->setAttribute(Qt::WA_DeleteOnClose);
        report->show();
    });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportClicked(); });
    connect(clearButton, &QPushButton::clicked, this, [this] { clearClicked(); });
    auto* top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(bookButton);
    top->addWidget(exportButton);
    top->addWidget(classButton);
    top->addWidget(clearButton);

    model_ = new DayTableModel(
        store_, [this](int change) { reading_ += change; }, this);
    table_ = new QTableView(this);
    table_->setObjectName("tblDays");
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns as wide as their headers and widest texts, without measuring every row.
    const QFontMetrics fm(font());
    int tableWidth = 0, column = 0;
    for (const char* widest : {"2026-12-08", "运算", "今日练习", "32767", "正确率", "用时中位数（秒）"}) {
        const int w = fm.horizontalAdvance(widest) + 24;
        table_->setColumnWidth(column++, w);
        tableWidth += w;
    }
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumWidth(tableWidth + 24);
    chart_ = new ProgressChart(this);
    auto* middle = new QHBoxLayout;
    middle->addWidget(table_);
    middle->addWidget(chart_, 1);

    auto* gridRow = new QHBoxLayout;
    detail_ = new QLabel("单击格子，看这道题的记录和算法。", this);
    detail_->setObjectName("lblDetail");
    detail_->setWordWrap(true);
    for (Operation op : {Operation::Addition, Operation::Subtraction, Operation::Multiplication, Operation::Division}) {
        FactGrid* grid = grids_[int(op)] = new FactGrid(op, this);
        grid->setOnCell([this, grid](int row, int column) { showDetail(grid->factAt(row, column)); });
        gridRow->addWidget(grid);
    }
    // The legend of the grids' colours.
    auto* legend = new QHBoxLayout;
    for (const auto& [colour, caption] : {std::pair{kMastered, "熟练"}, std::pair{kShaky, "不稳"},
                                          std::pair{kWrong, "错题（在错题本里）"}, std::pair{kUnseen, "还没练过"}}) {
        auto* swatch = new QLabel(this);
        swatch->setFixedSize(14, 14);
        swatch->setAutoFillBackground(true);
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, colour);
        swatch->setPalette(p);
        legend->addWidget(swatch);
        legend->addWidget(new QLabel(caption, this));
        legend->addSpacing(16);
    }
    legend->addStretch(1);
    auto* axes = new QLabel(
        "每格一道题：行是第一个数，列是第二个数；除法的行是除数，列是商，商大于 9 的在最后一列“10+”。", this);
    axes->setObjectName("lblGridAxes");

    // The solver windows' exercises the pupil worked, and those whose latest answer was
    // wrong, to be posed again with new numbers.
    solver_ = new QLabel(this);
    solver_->setObjectName("lblSolver");
    solverBook_ = new QListWidget(this);
    solverBook_->setObjectName("lstSolverBook");
    solverBook_->setAccessibleName("解题错题");
    solverBook_->setMaximumHeight(QFontMetrics(font()).height() * 4 + 8);
    auto* retry = new QPushButton("练习错题", this);
    retry->setObjectName("cmdSolverRetry");
    retry->setToolTip("在解题窗口里用新的数再做一道同样的题");
    connect(retry, &QPushButton::clicked, this, [this] { retrySolverExercise(); });
    connect(solverBook_, &QListWidget::itemActivated, this, [this] { retrySolverExercise(); });
    auto* solverRow = new QHBoxLayout;
    solverRow->addWidget(solverBook_, 1);
    solverRow->addWidget(retry, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(gridRow);
    layout->addLayout(legend);
    layout->addWidget(axes);
    layout->addWidget(detail_);
    layout->addWidget(solver_);
    layout->addLayout(solverRow);

    connect(&store_, &HistoryStore::problemsArisen, this, [this] { tellProblems(); });
    // Another pupil chosen: that pupil's history.
    connect(&store_, &HistoryStore::pupilChanged, this, &HistoryWindow::reload);
    // New answers show while the window is open, read again a moment after they land.
    auto* follow = new QTimer(this);
    follow->setSingleShot(true);
    follow->setInterval(250);
    connect(follow, &QTimer::timeout, this, &HistoryWindow::reload);
    connect(&store_, &HistoryStore::changed, follow, [follow] {
        if (!follow->isActive()) follow->start();
    });
    // The empty chart, until the history is read.
    chart_->setDays({}, LocalDay(now_));
    reload();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::reload() {
    // The store answers on its own thread; the window shows what it has until then.
    if (reading_ == 0) summary_->setText("正在读取口算记录…");
    ++reading_;
    store_.fetchOverview(this, [this](HistoryStore::Overview overview) {
        --reading_;
        showOverview(std::move(overview));
    });
}

void HistoryWindow::showOverview(HistoryStore::Overview overview) {
    int answered = 0, right = 0;
    for (const DayStats& d : overview.days) {
        answered += d.answered;
        right += d.right;
    }
    summary_->setText(answered == 0 ? QString("还没有口算记录。")
                                    : QString("共做了 %1 题，正确率 %2，错题本里有 %3 道题。")
                                          .arg(answered)
                                          .arg(Percent(right, answered))
                                          .arg(WrongAnswerBook(overview.facts, now_).size()));
    chart_->setDays(overview.days, LocalDay(now_));
    for (FactGrid* grid : grids_) grid->setFacts(overview.facts, now_);
    showSolverChecks(overview.checks);
    model_->setDays(std::move(overview.days));
}

void HistoryWindow::showSolverChecks(const std::vector<SolverCheck>& checks) {
    const std::vector<SolverCheck> book = SolverBook(checks);
    const auto right = std::ranges::count_if(checks, [](const SolverCheck& c) { return c.right; });
    solver_->setText(checks.empty() ? QString("解题练习：还没有记录（在解题窗口里按 F3 或在目录里勾选“先自己做”）。")
                                    : QString("解题练习：检查了 %1 个答案，对了 %2 个，错题 %3 道。")
                                          .arg(checks.size())
                                          .arg(right)
                                          .arg(book.size()));
    solverBook_->clear();
    for (const SolverCheck& c : book) {
        QString line = QString::fromStdString(c.title + " · " + c.quantity + "：" + c.typed);
        if (!c.slip.empty()) line += QString::fromStdString("（" + c.slip + "）");
        auto* item = new QListWidgetItem(line, solverBook_);
        item->setToolTip(QString::fromStdString(c.givens + "\n" + c.verdict));
        item->setData(Qt::UserRole, QString::fromStdString(c.window));
        item->setData(Qt::UserRole + 1, QString::fromStdString(c.quantity));
    }
    if (solverBook_->count()) solverBook_->setCurrentRow(0);
}

void HistoryWindow::retrySolverExercise() {
    const QListWidgetItem* item = solverBook_->currentItem();
    if (!item || !opener_) return;
    const std::string window = item->data(Qt::UserRole).toString().toStdString();
    const std::string quantity = item->data(Qt::UserRole + 1).toString().toStdString();
    if (auto* solver = dynamic_cast<ui::DesignedWindow*>(opener_(window)); solver && solver->tryFirst())
        solver->tryFirst()->exercise(quantity);
}

QString WriteAnswersCsv(const QString& file, const std::vector<AnswerRecord>& answers, const Pupil& pupil) {
    const std::string csv = AnswersCsv(answers, pupil.name.toStdString(), pupil.className.toStdString());
    return WriteWhole(file,
                      [&](QIODevice& out) { return out.write(csv.data(), qint64(csv.size())) == qint64(csv.size()); });
}

void HistoryWindow::exportClicked() {
    const QString file = ChooseFileToSave(this, "导出 CSV", "口算记录", "csv", "CSV 文件 (*.csv)");
    if (file.isEmpty()) return;
    // The answers are the pupil's chosen now, as the store reads them.
    store_.fetchAnswers(
        this, [this, file, pupil = CurrentPupil::instance().pupil()](const std::vector<AnswerRecord>& answers) {
            if (const QString fault = WriteAnswersCsv(file, answers, pupil); !fault.isEmpty())
                ShowMessageBox(this, fault, Icon::Information);
        });
}

void HistoryWindow::clearClicked() {
    QMessageBox ask(QMessageBox::Question, "清除记录", "要删除全部口算记录吗？删除后无法恢复。",
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setDefaultButton(QMessageBox::No);
    ask.button(QMessageBox::Yes)->setText("删除");
    ask.button(QMessageBox::No)->setText("取消");
    if (ask.exec() != QMessageBox::Yes) return;
    store_.clear();
    reload();
}

void HistoryWindow::showDetail(const FactHistory* fact) {
    if (!fact) return detail_->setText("这道题还没有练过。");
    static const char* const states[] = {"还没有练过", "正在学", "已经熟练", "该复习了"};
    QString state = states[int(StateOf(*fact, now_))];
    if (InWrongAnswerBook(*fact, now_)) state = "在错题本里";
    const std::string text = fact->fact.text();
    detail_->setText(QString("%1 答过 %2 次，答对 %3 次，%4（第 %5 盒）。算法：%6")
                         .arg(qs(text.substr(0, text.size() - 1)))
                         .arg(fact->answered)
                         .arg(fact->right)
                         .arg(state)
                         .arg(fact->box)
                         .arg(qs(StrategyText(fact->fact))));
}

void HistoryWindow::tellProblems() {
    for (const QString& message : store_.takeProblems()) ShowMessageBox(this, message, Icon::Information);
}

QWidget* NewHistoryWindow() { return new HistoryWindow(HistoryStore::Shared()); }

}  // namespace velunda::ui
