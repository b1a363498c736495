// The drill history without its storage: what is kept of each answered problem and of
// each drill session, and the rules read from it — which facts go into the wrong-answer
// book (错题本), and which facts of the 10 × 10 grids are mastered, shaky or wrong.
// Plain C++, so every rule runs over a history written out in a test.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drills/drill.h"

namespace velunda {

// Times are milliseconds since 1970-01-01 UTC.
using HistoryTime = std::int64_t;
inline constexpr HistoryTime kMillisecondsPerDay = 24LL * 60 * 60 * 1000;

// How an answer was given: in the practice window, the test window, a practice of the
// wrong-answer book, today's practice, or on a printed sheet.
enum class DrillMode { Practice, Test, WrongAnswers, Today, Sheet };
// "练习", "测试", "错题本", "今日练习", "题卡".
std::string_view DrillModeName(DrillMode mode);

// One answered problem: when, in which window, the problem as computed, the answer as
// the pupil typed it, whether it was right and how long the pupil took.
struct AnswerRecord {
    HistoryTime time = 0;
    std::string window;  // "frm22", "frm23"
    Problem problem;
    std::string answer;
    bool right = false;
    double seconds = 0;
    DrillMode mode = DrillMode::Practice;  // as stored: from the session it was given in
};

// One answer of a pupil to a solver window's exercise, as try-first mode checked it.
struct SolverCheck {
    HistoryTime time = 0;
    std::string window;    // "frm12"
    std::string title;     // "解正方形"
    std::string quantity;  // "对角线 d"
    std::string givens;    // "已知 a = 5，求 …"
    std::string typed;     // the pupil's text
    std::string verdict;   // the verdict's line, starting with ✓ or ✗
    std::string slip;      // the slip it is, where it is one
    bool right = false;
    int hints = 0;       // steps revealed before the check
    bool shown = false;  // the answer was shown before it
    double seconds = 0;  // from the exercise being posed
};

// One opening of a drill window, or one round of wrong-answer practice or of today's.
struct SessionRecord {
    HistoryTime start = 0;
    std::optional<HistoryTime> end;  // none while it runs, or when the program was killed
    std::string window;
    bool wrongAnswers = false;  // practice of the wrong-answer book
    int right = 0;
    int wrong = 0;
    bool today = false;  // today's practice
};

// The window name of the answers entered from a printed sheet.
inline constexpr std::string_view kSheetWindow = "sheet";

// The mode of the answers of a session.
DrillMode ModeOf(const SessionRecord& session);

// Same operation and operands.
bool SameFact(const Problem& a, const Problem& b);

// What the history says of one fact (an operation with its two operands). Days are
// local dates, "2026-12-08".
struct FactHistory {
    Problem fact;
    int answered = 0;
    int right = 0;
    std::optional<HistoryTime> lastWrong;  // the time of its latest wrong answer
    int rightSinceLastWrong = 0;           // right answers after it: a run of rights
    int rightDaysSinceLastWrong = 0;       // the different days among them
    std::string lastRightDay;              // the day of the latest of them
    // Its Leitner box, 1 to 5 (0 before its first answer), and the day it went there: a
    // right answer once the box's interval has passed moves it up a box, a wrong answer
    // back to the first.
    int box = 0;
    std::string boxDay;
    int fastDays = 0;  // different days since the last wrong answer with a right one within kFastSeconds
    std::string lastFastDay;
};

// One more answer of the fact, in time order.
void FoldAnswer(FactHistory& fact, const AnswerRecord& answer);

// The facts of a history in time order, one entry each, in the order they first appear.
std::vector<FactHistory> SummarizeFacts(const std::vector<AnswerRecord>& history);

// The local date of a time, "2026-12-08".
std::string LocalDay(HistoryTime time);
// Days from 1970-01-01 to a date written so; 0 for any other text.
int DayNumber(std::string_view day);

// A wrong answer counts for the book this many days.
inline constexpr int kRecentDays = 30;
// A fact leaves the book once answered right on this many different days since.
inline constexpr int kRightDaysToLeave = 2;
// The practice of the book poses a fact until it is answered right this many times in a row.
inline constexpr int kRightInARowToLeave = 2;

// Whether the fact is in the wrong-answer book at that time: answered wrong within the
// last kRecentDays, and not yet answered right on two different days since.
bool InWrongAnswerBook(const FactHistory& fact, HistoryTime now);

// The Leitner boxes: a fact in box n is due again 2^(n−1) days after it went there
// (1, 2, 4, 8 and 16 days).
inline constexpr int kBoxes = 5;
int BoxInterval(int box);
// A right answer within this many seconds is a fluent one.
inline constexpr double kFastSeconds = 3;

// Where a fact stands: never answered; being learnt; fluent (answered right within
// kFastSeconds on at least two different days since its last wrong answer); or due
// again, its box's interval having passed.
enum class FactState { New, Learning, Fluent, Due };
FactState StateOf(const FactHistory& fact, HistoryTime now);

// Today's practice: the wrong-answer book (the most recently missed first), then the
// facts due (the longest overdue first), each once, at most `limit` of them.
std::vector<FactHistory> TodaysFacts(const std::vector<FactHistory>& facts, HistoryTime now, std::size_t limit = 40);
// Today's practice lasts at most this long.
inline constexpr int kTodaysMinutes = 10;

// The wrong-answer book: the facts in it, the most recently missed first (of two missed
// at the same moment, the one first seen in the history first).
std::vector<FactHistory> WrongAnswerBook(std::vector<FactHistory> facts, HistoryTime now);

// The solver windows' wrong-answer book: of each quantity of each window, its latest
// check where that was wrong, the latest first.
std::vector<SolverCheck> SolverBook(const std::vector<SolverCheck>& checks);

// How well a fact is known, the colour of its cell in the grids.
enum class Mastery {
    Unseen,    // never answered
    Wrong,     // in the wrong-answer book
    Shaky,     // answered, but neither in the book nor mastered
    Mastered,  // at least 3 answers, at least 90 % right, not in the book
};
Mastery MasteryOf(const FactHistory& fact, HistoryTime now);

// The cell of a fact in its operation's 10 × 10 grid: row and column 0 to 9. Sums,
// differences and products by their two operands; quotients by divisor and quotient.
// None for a quotient above 9 (a dividend raised past 90).
std::optional<std::pair<int, int>> GridCell(const Problem& fact);

// The wrong-answer practice: poses only the facts of the book, each until it has been
// answered right twice in a row (a run begun before the practice counts), in an order
// drawn from the source, never the same fact twice running while another is left.
class WrongAnswerPractice {
public:
    WrongAnswerPractice(const std::vector<FactHistory>& book, RandomSource& source);

    // Facts still to be practised; none left means the practice is done.
    int remaining() const { return int(facts_.size()); }
    // The problem on show; meaningful while remaining() > 0.
    const Problem& problem() const { return problem_; }
    std::int16_t right() const { return right_; }
    std::int16_t wrong() const { return wrong_; }

    // Checks the typed answer as the drill does, counts it, lets the fact go after its
    // second right answer in a row, and poses the next. Returns whether it was right.
    bool Answer(std::string_view typed);

private:
    struct Entry {
        Problem fact;
        int run = 0;
    };
    void pose();

    RandomSource& source_;
    std::vector<Entry> facts_;
    Problem problem_;
    std::int16_t right_ = 0;
    std::int16_t wrong_ = 0;
};

// Shown by the practice window when its wrong-answer book is empty, when a practice is
// done, and likewise for today's practice.
inline constexpr std::string_view kWrongAnswerBookEmpty = "错题本里没有题目：最近做错的题都已在两天里答对过了。";
inline constexpr std::string_view kWrongAnswerPracticeDone = "错题都已连续答对两次，错题本练完了！";
inline constexpr std::string_view kNothingDueToday = "今天没有要复习的题目，错题本里也没有题：可以自由练习。";
inline constexpr std::string_view kTodaysPracticeDone = "今日练习完成了！";
inline constexpr std::string_view kTodaysTimeUp = "今日练习的 10 分钟到了，剩下的题明天再练。";

// Why the history cannot be kept, for the one message the pupil sees.
enum class HistoryFault {
    CannotOpen,  // the file or its folder cannot be opened or created
    ReadOnly,    // the file or its folder may not be written
    Locked,      // another program holds the file: the answers wait until it lets go
    DiskFull,
    CannotWrite,  // writing failed otherwise
    Corrupt,      // damaged; set aside under another name, a fresh file started
    TooNew,       // written by a later Velunda, whose layout this one does not know
};

// The message: what happened and that the drill goes on. The corrupt file's message
// names the file it was set aside as; the others name the history file.
std::string HistoryFaultText(HistoryFault fault, std::string_view file);

// The median of the values (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);

// The answers as CSV for a spreadsheet: UTF-8 with a byte-order mark, Chinese headers,
// one line per answer with how it was given (练习, 测试, 错题本, 今日练习), CR LF line
// ends; the date and time in local time ("2026-12-08 14:03:27"). The pupil's name and
// class close each line (姓名, 班级), so that a class report can gather many pupils' files.
std::string AnswersCsv(const std::vector<AnswerRecord>& answers, const std::string& pupil,
                       const std::string& className);

}  // namespace velunda
