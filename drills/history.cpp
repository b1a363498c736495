#include "drills/history.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>

namespace velunda {

std::string_view DrillModeName(DrillMode mode) {
    switch (mode) {
        case DrillMode::Test:
            return "测试";
        case DrillMode::WrongAnswers:
            return "错题本";
        case DrillMode::Today:
            return "今日练习";
        case DrillMode::Sheet:
            return "题卡";
        case DrillMode::Practice:
            break;
    }
    return "练习";
}

DrillMode ModeOf(const SessionRecord& session) {
    if (session.today) return DrillMode::Today;
    if (session.wrongAnswers) return DrillMode::WrongAnswers;
    if (session.window == kSheetWindow) return DrillMode::Sheet;
    return session.window == "frm23" ? DrillMode::Test : DrillMode::Practice;
}

bool SameFact(const Problem& a, const Problem& b) {
    return a.operation == b.operation && a.first == b.first && a.second == b.second;
}

namespace {

// The local date and time of a time, as strftime writes them.
std::string LocalText(HistoryTime time, const char* format) {
    const std::time_t seconds = std::time_t(time / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace

std::string LocalDay(HistoryTime time) { return LocalText(time, "%Y-%m-%d"); }

int DayNumber(std::string_view day) {
    int y = 0, m = 0, d = 0;
    if (day.size() != 10 || std::sscanf(std::string(day).c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3) return 0;
    // Days from the civil date (the proleptic Gregorian calendar).
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int BoxInterval(int box) { return 1 << (std::clamp(box, 1, kBoxes) - 1); }

void FoldAnswer(FactHistory& f, const AnswerRecord& a) {
    const std::string day = LocalDay(a.time);
    ++f.answered;
    if (!a.right) {
        f.lastWrong = a.time;
        f.rightSinceLastWrong = f.rightDaysSinceLastWrong = f.fastDays = 0;
        f.lastRightDay.clear();
        f.lastFastDay.clear();
        f.box = 1;
        f.boxDay = day;
        return;
    }
    ++f.right;
    ++f.rightSinceLastWrong;
    if (f.lastRightDay != day) {
        ++f.rightDaysSinceLastWrong;
        f.lastRightDay = day;
    }
    if (a.seconds <= kFastSeconds && f.lastFastDay != day) {
        ++f.fastDays;
        f.lastFastDay = day;
    }
    if (f.box == 0) {
        f.box = 2;  // known at the first try: out of the first box
        f.boxDay = day;
    } else if (DayNumber(day) - DayNumber(f.boxDay) >= BoxInterval(f.box)) {
        f.box = std::min(f.box + 1, kBoxes);
        f.boxDay = day;
    }
}

std::vector<FactHistory> SummarizeFacts(const std::vector<AnswerRecord>& history) {
    std::vector<FactHistory> facts;
    for (const AnswerRecord& a : history) {
        auto it =
            std::find_if(facts.begin(), facts.end(), [&](const FactHistory& f) { return SameFact(f.fact, a.problem); });
        if (it == facts.end()) {
            facts.emplace_back().fact = a.problem;
            it = facts.end() - 1;
        }
        FoldAnswer(*it, a);
    }
    return facts;
}

bool InWrongAnswerBook(const FactHistory& fact, HistoryTime now) {
    return fact.lastWrong && *fact.lastWrong > now - kRecentDays * kMillisecondsPerDay &&
           fact.rightDaysSinceLastWrong < kRightDaysToLeave;
}

FactState StateOf(const FactHistory& fact, HistoryTime now) {
    if (fact.answered == 0 || fact.box == 0) return FactState::New;
    if (DayNumber(LocalDay(now)) >= DayNumber(fact.boxDay) + BoxInterval(fact.box)) return FactState::Due;
    if (fact.fastDays >= 2) return FactState::Fluent;
    return FactState::Learning;
}

std::vector<FactHistory> TodaysFacts(const std::vector<FactHistory>& facts, HistoryTime now, std::size_t limit) {
    std::vector<FactHistory> today = WrongAnswerBook(facts, now);
    if (today.size() > limit) today.resize(limit);
    std::vector<const FactHistory*> due;
    for (const FactHistory& f : facts)
        if (StateOf(f, now) == FactState::Due && !InWrongAnswerBook(f, now)) due.push_back(&f);
    // The longest overdue first: the earliest day it fell due.
    std::stable_sort(due.begin(), due.end(), [](const FactHistory* a, const FactHistory* b) {
        return DayNumber(a->boxDay) + BoxInterval(a->box) < DayNumber(b->boxDay) + BoxInterval(b->box);
    });
    for (const FactHistory* f : due)
        if (today.size() < limit) today.push_back(*f);
    return today;
}

std::vector<FactHistory> WrongAnswerBook(std::vector<FactHistory> facts, HistoryTime now) {
    std::erase_if(facts, [now](const FactHistory& f) { return !InWrongAnswerBook(f, now); });
    std::stable_sort(facts.begin(), facts.end(),
                     [](const FactHistory& a, const FactHistory& b) { return *a.lastWrong > *b.lastWrong; });
    return facts;
}

std::vector<SolverCheck> SolverBook(const std::vector<SolverCheck>& checks) {
    std::map<std::pair<std::string, std::string>, const SolverCheck*> latest;
    for (const SolverCheck& c : checks) {
        const SolverCheck*& kept = latest[{c.window, c.quantity}];
        if (!kept || c.time >= kept->time) kept = &c;
    }
    std::vector<SolverCheck> book;
    for (const auto& [key, c] : latest)
        if (!c->right) book.push_back(*c);
    std::stable_sort(book.begin(), book.end(),
                     [](const SolverCheck& a, const SolverCheck& b) { return a.time > b.time; });
    return book;
}

Mastery MasteryOf(const FactHistory& fact, HistoryTime now) {
    if (fact.answered == 0) return Mastery::Unseen;
    if (InWrongAnswerBook(fact, now)) return Mastery::Wrong;
    if (fact.answered >= 3 && fact.right * 10 >= fact.answered * 9) return Mastery::Mastered;
    return Mastery::Shaky;
}

std::optional<std::pair<int, int>> GridCell(const Problem& fact) {
    auto digit = [](int v) { return v >= 0 && v <= 9; };
    if (fact.operation != Operation::Division) {
        if (!digit(fact.first) || !digit(fact.second)) return std::nullopt;
        return std::pair{int(fact.first), int(fact.second)};
    }
    if (fact.second <= 0 || fact.first % fact.second != 0) return std::nullopt;
    const int quotient = fact.first / fact.second;
    if (!digit(fact.second) || !digit(quotient)) return std::nullopt;
    return std::pair{int(fact.second), quotient};
}

WrongAnswerPractice::WrongAnswerPractice(const std::vector<FactHistory>& book, RandomSource& source) : source_(source) {
    for (const FactHistory& f : book) facts_.push_back({f.fact, f.rightSinceLastWrong});
    pose();
}

void WrongAnswerPractice::pose() {
    if (facts_.empty()) return;
    const int n = int(facts_.size());
    int i = DrawBelow(source_, n);
    // The fact just answered waits for another while another is left.
    if (n > 1 && SameFact(facts_[i].fact, problem_)) i = (i + 1) % n;
    problem_ = facts_[i].fact;
}

bool WrongAnswerPractice::Answer(std::string_view typed) {
    const bool isRight = IsRightAnswer(problem_, typed);
    std::int16_t& count = isRight ? right_ : wrong_;
    if (count < 32767) ++count;
    auto it = std::find_if(facts_.begin(), facts_.end(), [&](const Entry& e) { return SameFact(e.fact, problem_); });
    if (it != facts_.end()) {
        it->run = isRight ? it->run + 1 : 0;
        if (it->run >= kRightInARowToLeave) facts_.erase(it);
    }
    pose();
    return isRight;
}

std::string HistoryFaultText(HistoryFault fault, std::string_view file) {
    const std::string name(file);
    // What is stored stays readable in the history window; only new answers are lost.
    const std::string goesOn = "口算照常进行，但新的答题记录不会被保存。";
    switch (fault) {
        case HistoryFault::CannotOpen:
            return "无法打开口算记录文件 " + name + "。" + goesOn;
        case HistoryFault::ReadOnly:
            return "口算记录文件 " + name + " 或它所在的文件夹不允许写入。" + goesOn;
        case HistoryFault::Locked:
            return "另一个程序正在使用口算记录文件 " + name +
                   "。口算照常进行，答题记录先记下来，等那个程序用完这个文件再保存。";
        case HistoryFault::DiskFull:
            return "磁盘已满，口算记录文件 " + name + " 写不下了。" + goesOn;
        case HistoryFault::CannotWrite:
            return "写入口算记录文件 " + name + " 时出错。" + goesOn;
        case HistoryFault::TooNew:
            return "口算记录文件 " + name +
                   " 是更新版本的 Velunda 写的，这个版本读不了。口算照常进行，但答题记录不会被保存。";
        case HistoryFault::Corrupt:
            return "口算记录文件已损坏，已改名保存为 " + name + "。新的口算记录从现在开始保存。";
    }
    return goesOn;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2 == 1) return values[middle];
    const double upper = values[middle];
    const double lower = *std::max_element(values.begin(), values.begin() + middle);
    return (lower + upper) / 2;
}

namespace {

std::string LocalTimeText(HistoryTime time) { return LocalText(time, "%Y-%m-%d %H:%M:%S"); }

// A field as a spreadsheet reads it back: quoted when it holds a separator, a quote or
// a line break; a typed text that a spreadsheet would take for a formula keeps a
// leading apostrophe.
std::string CsvField(std::string text) {
    if (!text.empty() && (text[0] == '=' || text[0] == '@')) text.insert(0, "'");
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string WindowName(const std::string& window) {
    if (window == "frm22") return "口算练习";
    if (window == "frm23") return "口算测试";
    if (window == kSheetWindow) return "口算题卡";
    return window;
}

}  // namespace

std::string AnswersCsv(const std::vector<AnswerRecord>& answers, const std::string& pupil,
                       const std::string& className) {
    std::string csv = "\xEF\xBB\xBF时间,窗口,方式,题目,正确答案,学生的答案,对错,用时（秒）,姓名,班级\r\n";
    const std::string who = "," + CsvField(pupil) + "," + CsvField(className);
    for (const AnswerRecord& a : answers) {
        const std::string problem = a.problem.text();
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", a.seconds);
        csv += LocalTimeText(a.time) + "," + CsvField(WindowName(a.window)) + "," + std::string(DrillModeName(a.mode)) +
               "," + problem.substr(0, problem.size() - 1) + "," +
               std::to_string(static_cast<long long>(a.problem.result())) + "," + CsvField(a.answer) + "," +
               (a.right ? "对" : "错") + "," + seconds + who + "\r\n";
    }
    return csv;
}

}  // namespace velunda
