// The dialogs of 打印口算题卡… and 录入题卡成绩….
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "drills/historystore.h"
#include "drills/sheetpdf.h"
#include "ui/fonts.h"
#include "ui/message.h"
#include "ui/savefile.h"

namespace velunda::ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The pupil's own facts for a sheet: the wrong-answer book and the facts due again.
std::vector<Problem> OwnFacts(const std::vector<FactHistory>& facts) {
    std::vector<Problem> own;
    for (const FactHistory& f : TodaysFacts(facts, QDateTime::currentMSecsSinceEpoch(), kProblemsPerPage))
        own.push_back(f.fact);
    return own;
}

// Makes the sheet (its own facts read first for a sheet of them) and hands it on.
void MakeSheet(QWidget* context, const SheetPlan& plan, const std::function<void(const std::vector<Problem>&)>& done) {
    if (plan.set != SheetSet::DueAndWeak) return done(SheetProblems(plan));
    HistoryStore::Shared().fetchFacts(context, [context, plan, done](const std::vector<FactHistory>& facts) {
        const std::vector<Problem> problems = SheetProblems(plan, OwnFacts(facts));
        if (problems.empty())
            return ShowMessageBox(context, "错题本里没有题，今天也没有该复习的题：请选别的题目。", Icon::Information);
        HistoryStore::Shared().keepSheet(SheetCode(plan), problems);
        done(problems);
    });
}

}  // namespace

void PrintSheetDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("dlgPrintSheet");
    dialog.setWindowTitle("打印口算题卡");
    dialog.setFont(MakeFont(SimSun(10.5)));
    auto* sets = new QComboBox(&dialog);
    sets->setObjectName("cmbSheetSet");
    for (int i = 0; i < kSheetSets; ++i) sets->addItem(qs(SheetSetName(SheetSet(i))));
    auto* pages = new QSpinBox(&dialog);
    pages->setObjectName("spnPages");
    pages->setRange(1, kMaxSheetPages);
    pages->setSuffix(" 页（每页 100 题）");
    auto* note = new QLabel("每张题卡后面另有答案页；题卡上的编号用于“录入题卡成绩”。", &dialog);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* pdf = buttons->addButton("保存为 PDF…", QDialogButtonBox::AcceptRole);
    pdf->setObjectName("cmdSheetPdf");
    QPushButton* print = buttons->addButton("打印…", QDialogButtonBox::AcceptRole);
    print->setObjectName("cmdSheetPrint");
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    auto* form = new QFormLayout;
    form->addRow("题目：", sets);
    form->addRow("页数：", pages);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto plan = [&] {
        return SheetPlan{SheetSet(sets->currentIndex()), pages->value(), QRandomGenerator::global()->bounded(1U << 30)};
    };
    QObject::connect(pdf, &QPushButton::clicked, &dialog, [&] {
        const SheetPlan s = plan();
        const QString file =
            ChooseFileToSave(&dialog, "保存口算题卡", "口算题卡-" + qs(SheetCode(s)), "pdf", "PDF 文件 (*.pdf)");
        if (file.isEmpty()) return;
        MakeSheet(parent, s, [parent, file, s](const std::vector<Problem>& problems) {
            if (const QString fault = WriteSheetPdf(file, s, problems); !fault.isEmpty())
                ShowMessageBox(parent, fault, Icon::Information);
        });
        dialog.accept();
    });
    QObject::connect(print, &QPushButton::clicked, &dialog, [&] {
        const SheetPlan s = plan();
        MakeSheet(parent, s, [parent, s](const std::vector<Problem>& problems) {
            QPrinter printer;
            printer.setDocName(qs("口算题卡 " + SheetCode(s)));
            QPrintDialog choose(&printer, parent);
            if (choose.exec() == QDialog::Accepted) DrawSheet(printer, s, problems);
        });
        dialog.accept();
    });
    dialog.exec();
}

void EnterSheetDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("dlgEnterSheet");
    dialog.setWindowTitle("录入题卡成绩");
    dialog.setFont(MakeFont(SimSun(10.5)));
    dialog.resize(720, 560);
    auto* code = new QLineEdit(&dialog);
    code->setObjectName("txtSheetCode");
    code->setPlaceholderText("题卡上的编号，如 K7Q2-M9XA");
    auto* find = new QPushButton("找出题卡", &dialog);
    find->setObjectName("cmdFindSheet");
    auto* said = new QLabel("输入题卡编号，再勾出做错的题。", &dialog);
    said->setObjectName("lblSheetSaid");
    said->setWordWrap(true);
    auto* area = new QScrollArea(&dialog);
    area->setWidgetResizable(true);
    auto* minutes = new QSpinBox(&dialog);
    minutes->setObjectName("spnMinutes");
    minutes->setRange(0, 600);
    minutes->setSuffix(" 分钟");
    auto* day = new QDateEdit(QDate::currentDate(), &dialog);
    day->setObjectName("dteSheetDay");
    day->setCalendarPopup(true);
    auto* save = new QPushButton("保存成绩", &dialog);
    save->setObjectName("cmdSaveSheet");
    save->setEnabled(false);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("题卡编号：", &dialog));
    top->addWidget(code, 1);
    top->addWidget(find);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("用时：", &dialog));
    bottom->addWidget(minutes);
    bottom->addWidget(new QLabel("日期：", &dialog));
    bottom->addWidget(day);
    bottom->addStretch(1);
    bottom->addWidget(save);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top);
    layout->addWidget(said);
    layout->addWidget(area, 1);
    layout->addLayout(bottom);

    std::vector<Problem> problems;
    std::vector<QCheckBox*> wrong;
    auto show = [&](std::vector<Problem> found) {
        problems = std::move(found);
        wrong.clear();
        auto* grid = new QWidget;
        auto* cells = new QGridLayout(grid);
        for (std::size_t i = 0; i < problems.size(); ++i) {
            const std::string text = problems[i].text();
            auto* box = new QCheckBox(
                QString("%1. %2%3").arg(i + 1).arg(qs(text)).arg(static_cast<long long>(problems[i].result())), grid);
            box->setObjectName(QString("chkWrong(%1)").arg(i + 1));
            cells->addWidget(box, int(i % 25) + int(i / 100) * 26, int(i / 25) % 4);
            wrong.push_back(box);
        }
        area->setWidget(grid);
        said->setText(QString("共 %1 题：勾出做错的题，填上用时，然后保存。").arg(problems.size()));
        save->setEnabled(!problems.empty());
    };
    QObject::connect(find, &QPushButton::clicked, &dialog, [&] {
        const std::optional<SheetPlan> plan = ReadSheetCode(code->text().toStdString());
        if (!plan) {
            said->setText("题卡编号不对：请核对题卡右上角的 8 个字母和数字。");
            return;
        }
        if (plan->set != SheetSet::DueAndWeak) return show(SheetProblems(*plan));
        HistoryStore::Shared().fetchSheet(SheetCode(*plan), &dialog, [&](std::vector<Problem> kept) {
            if (kept.empty())
                said->setText("这张题卡是按另一台电脑上的记录出的题，这里找不到它的题目。");
            else
                show(std::move(kept));
        });
    });
    QObject::connect(code, &QLineEdit::returnPressed, find, &QPushButton::click);
    QObject::connect(save, &QPushButton::clicked, &dialog, [&] {
        // The answers as given on the day entered; the time taken shared among them.
        const qint64 noon = QDateTime(day->date(), QTime(12, 0)).toMSecsSinceEpoch();
        const double seconds = problems.empty() ? 0 : minutes->value() * 60.0 / double(problems.size());
        std::vector<AnswerRecord> answers;
        int missed = 0;
        for (std::size_t i = 0; i < problems.size(); ++i) {
            const bool right = !wrong[i]->isChecked();
            missed += !right;
            answers.push_back({noon + qint64(i), std::string(kSheetWindow), problems[i],
                               right ? std::to_string(static_cast<long long>(problems[i].result())) : "", right,
                               seconds, DrillMode::Sheet});
        }
        HistoryStore::Shared().importAnswers(std::move(answers));
        ShowMessageBox(&dialog, QString("已记下 %1 道题，其中做错 %2 道。").arg(problems.size()).arg(missed),
                       Icon::Information);
        dialog.accept();
    });
    dialog.exec();
}

}  // namespace velunda::ui
