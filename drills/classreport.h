// The class report: the answers of several pupils, read from the CSV files that the
// history window exports on their computers, summed up per pupil and per fact. Kept
// apart from the pupils' own records on this computer, which it never touches.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "drills/drill.h"

namespace velunda {

// One answer of a pupil's file.
struct ClassAnswer {
    QString pupil;      // 姓名
    QString className;  // 班级
    QString time;       // as written, "2026-12-08 14:03:27"
    Problem problem;
    QString typed;
    bool right = false;
    double seconds = 0;
};

// A file read whole, or the first line that is not as the export writes it:
// "第 7 行格式不对：题目“7x8”看不懂".
struct ClassFile {
    std::vector<ClassAnswer> answers;
    QString fault;
};
ClassFile ReadAnswersCsv(const QByteArray& content);

// The answers of one pupil, or of one fact over the whole class: how many, how many
// right, the median time, and how many right within kFastSeconds (fluent).
struct ClassStats {
    QString pupil, className;  // a pupil's
    Problem fact;              // a fact's
    int pupils = 0;            // a fact's: the pupils who answered it
    int answered = 0;
    int right = 0;
    int fluent = 0;
    double medianSeconds = 0;
    int wrong() const { return answered - right; }
};

struct ClassSummary {
    std::vector<ClassStats> pupils;  // by class, then name
    std::vector<ClassStats> facts;   // the most missed first; of as many misses, the lower accuracy first
    int answered = 0;
    int right = 0;
    int fluent = 0;
    // The facts answered wrong at least once, the most missed first, at most `count`.
    std::vector<ClassStats> mostMissed(std::size_t count) const;
};
ClassSummary SummarizeClass(const std::vector<ClassAnswer>& answers);

// "85％", or "—" for none; rounded down, as the history window shows it.
QString PercentText(int part, int whole);

}  // namespace velunda
