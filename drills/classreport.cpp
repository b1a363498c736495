#include "drills/classreport.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "drills/history.h"

namespace velunda {
namespace {

// The columns a pupil's export has; the others (窗口, 方式, 正确答案) are not needed here.
const char* const kTime = "时间";
const char* const kProblem = "题目";
const char* const kTyped = "学生的答案";
const char* const kRight = "对错";
const char* const kSeconds = "用时（秒）";
const char* const kPupil = "姓名";
const char* const kClass = "班级";

QString Fault(int line, const QString& why) { return QString("第 %1 行格式不对：%2").arg(line).arg(why); }

// The records of a CSV text, each with the line it starts on; a quoted field may hold
// commas, doubled quotes and line breaks. Empty lines are left out.
struct Record {
    int line = 0;
    QStringList fields;
};

std::vector<Record> Records(const QString& text, QString* fault) {
    std::vector<Record> records;
    Record record{1, {}};
    QString field;
    bool quoted = false, quoteClosed = false, any = false;
    int line = 1;
    auto endField = [&] {
        record.fields << field;
        field.clear();
        quoteClosed = false;
    };
    auto endRecord = [&] {
        if (any) {
            endField();
            records.push_back(record);
        }
        record = {line, {}};
        field.clear();
        any = quoteClosed = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                quoteClosed = true;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (c == '\n' || c == '\r') {
            ++line;
            endRecord();
            continue;
        }
        any = true;
        if (c == ',') {
            endField();
        } else if (c == '"' && field.isEmpty() && !quoteClosed) {
            quoted = true;
        } else if (quoteClosed) {
            *fault = Fault(record.line, "引号后面应该是逗号");
            return {};
        } else {
            field += c;
        }
    }
    if (quoted) {
        *fault = Fault(record.line, "引号没有结束");
        return {};
    }
    endRecord();
    return records;
}

// "7×8", "56÷7", "3+4", "9-5".
bool ReadProblem(const QString& text, Problem* problem) {
    static const QRegularExpression shape("^(\\d{1,5})([-+×÷])(\\d{1,5})$");
    const auto m = shape.match(text.trimmed());
    if (!m.hasMatch()) return false;
    const int first = m.captured(1).toInt(), second = m.captured(3).toInt();
    const int op = QString("+-×÷").indexOf(m.captured(2));
    if (first > 32767 || second > 32767 || (op == 3 && second == 0)) return false;
    *problem = {Operation(op), std::int16_t(first), std::int16_t(second)};
    return true;
}

}  // namespace

ClassFile ReadAnswersCsv(const QByteArray& content) {
    ClassFile file;
    QByteArray bytes = content;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    // Text that is not UTF-8 comes back with replacement characters; the line of the first tells.
    if (const qsizetype bad = text.indexOf(QChar(0xFFFD)); bad >= 0 && !bytes.contains("\xEF\xBF\xBD")) {
        file.fault = Fault(int(text.left(bad).count('\n')) + 1, "不是 UTF-8 编码的文字，请导入“口算记录”导出的文件");
        return file;
    }
    std::vector<Record> records = Records(text, &file.fault);
    if (!file.fault.isEmpty()) return file;
    if (records.empty()) {
        file.fault = Fault(1, "文件是空的");
        return file;
    }
    const QStringList& header = records.front().fields;
    std::map<QString, int> column;
    for (const char* name : {kTime, kProblem, kTyped, kRight, kSeconds, kPupil, kClass}) {
        const qsizetype at = header.indexOf(QString(name));
        if (at < 0) {
            file.fault =
                Fault(records.front().line, QString("没有“%1”这一栏，请导入“口算记录”导出的 CSV 文件").arg(name));
            return file;
        }
        column[name] = int(at);
    }
    static const QRegularExpression time("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$");
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        const QStringList& f = record.fields;
        if (f.size() != header.size()) {
            file.fault = Fault(record.line, QString("有 %1 栏，应该是 %2 栏").arg(f.size()).arg(header.size()));
            return {{}, file.fault};
        }
        ClassAnswer a;
        a.pupil = f[column[kPupil]].trimmed();
        a.className = f[column[kClass]].trimmed();
        a.time = f[column[kTime]].trimmed();
        a.typed = f[column[kTyped]];
        // The apostrophe the export puts before a typed formula is not the pupil's.
        if (a.typed.startsWith("'=") || a.typed.startsWith("'@")) a.typed.remove(0, 1);
        const QString right = f[column[kRight]].trimmed();
        bool number = false;
        a.seconds = f[column[kSeconds]].trimmed().toDouble(&number);
        QString why;
        if (a.pupil.isEmpty())
            why = "姓名是空的";
        else if (!time.match(a.time).hasMatch())
            why = QString("时间“%1”看不懂").arg(a.time);
        else if (!ReadProblem(f[column[kProblem]], &a.problem))
            why = QString("题目“%1”看不懂").arg(f[column[kProblem]]);
        else if (right != "对" && right != "错")
            why = QString("对错一栏应该是“对”或“错”，这里是“%1”").arg(right);
        else if (!number || !std::isfinite(a.seconds) || a.seconds < 0)
            why = QString("用时“%1”不是秒数").arg(f[column[kSeconds]]);
        if (!why.isEmpty()) return {{}, Fault(record.line, why)};
        a.right = right == "对";
        file.answers.push_back(a);
    }
    if (file.answers.empty()) file.fault = Fault(records.front().line + 1, "文件里没有答题记录");
    return file;
}

std::vector<ClassStats> ClassSummary::mostMissed(std::size_t count) const {
    std::vector<ClassStats> missed;
    for (const ClassStats& f : facts)
        if (f.wrong() > 0 && missed.size() < count) missed.push_back(f);
    return missed;
}

ClassSummary SummarizeClass(const std::vector<ClassAnswer>& answers) {
    struct Sums {
        ClassStats stats;
        std::vector<double> seconds;
        std::set<std::pair<QString, QString>> pupils;
    };
    std::map<std::pair<QString, QString>, Sums> pupils;
    std::map<std::tuple<int, int, int>, Sums> facts;
    ClassSummary summary;
    for (const ClassAnswer& a : answers) {
        const bool fluent = a.right && a.seconds <= kFastSeconds;
        Sums& p = pupils[{a.className, a.pupil}];
        Sums& f = facts[{int(a.problem.operation), a.problem.first, a.problem.second}];
        p.stats.pupil = a.pupil;
        p.stats.className = a.className;
        f.stats.fact = a.problem;
        f.pupils.insert({a.className, a.pupil});
        for (Sums* s : {&p, &f}) {
            s->stats.answered += 1;
            s->stats.right += a.right;
            s->stats.fluent += fluent;
            s->seconds.push_back(a.seconds);
        }
        summary.answered += 1;
        summary.right += a.right;
        summary.fluent += fluent;
    }
    for (auto& [key, s] : pupils) {
        s.stats.medianSeconds = Median(s.seconds);
        summary.pupils.push_back(s.stats);
    }
    for (auto& [key, s] : facts) {
        s.stats.medianSeconds = Median(s.seconds);
        s.stats.pupils = int(s.pupils.size());
        summary.facts.push_back(s.stats);
    }
    // The most missed first; of as many misses, the lower accuracy (right × answered of
    // the other), then the facts in their order.
    std::stable_sort(summary.facts.begin(), summary.facts.end(), [](const ClassStats& a, const ClassStats& b) {
        if (a.wrong() != b.wrong()) return a.wrong() > b.wrong();
        return std::int64_t(a.right) * b.answered < std::int64_t(b.right) * a.answered;
    });
    return summary;
}

QString PercentText(int part, int whole) {
    return whole == 0 ? QString("—") : QString::number(std::floor(part * 100.0 / whole)) + "％";
}

}  // namespace velunda
