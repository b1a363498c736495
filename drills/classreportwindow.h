// The class report window (班级报告) for a teacher: the CSV files of several pupils,
// exported on their computers, imported into a report of its own; per pupil and per
// fact the accuracy, the median time and the answers right within 3 seconds, the
// class's most missed facts, and the report as a PDF.
#pragma once

#include <QWidget>

#include "drills/historystore.h"

class QLabel;
class QTableWidget;

namespace velunda::ui {

class ClassReportWindow : public QWidget {
public:
    explicit ClassReportWindow(HistoryStore& store, QWidget* parent = nullptr);

    // Imports the files, one message for them all; none are asked for when empty.
    void importFiles(const QStringList& files);
    // Reads the report again from the store.
    void reload();
    const ClassSummary& summary() const { return summary_; }

private:
    void exportClicked();
    void clearClicked();

    HistoryStore& store_;
    ClassSummary summary_;
    int files_ = 0;
    QLabel* overview_ = nullptr;
    QLabel* missed_ = nullptr;
    QTableWidget* pupils_ = nullptr;
    QTableWidget* facts_ = nullptr;
};

// The report as an A4 PDF: the overview, the pupils' table and the most missed facts.
// An empty text, or the message saying why it was not written.
QString WriteClassReportPdf(const QString& path, const ClassSummary& summary, int files);

// "7×8" for a fact.
QString FactName(const Problem& fact);

}  // namespace velunda::ui
