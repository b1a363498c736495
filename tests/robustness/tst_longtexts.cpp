// Texts of ten million characters, as a long paste may put into a field. Both readers
// walk the text once and keep at most a few hundred digits, so each row here reads
// in a blink; a reader that went back over the text for every character would take
// hours on them and the test would run out of its time.
#include <QTest>
#include <cstring>
#include <limits>
#include <string_view>

#include "numeric/numbertext.h"

using namespace velunda;

namespace {

constexpr std::size_t kLong = 10'000'000;

QByteArray times(const QByteArray& piece, std::size_t count) { return piece.repeated(qsizetype(count)); }

const QByteArray kIdeographicSpace = "\xE3\x80\x80";
const QByteArray kFullWidthOne = "１";

enum class Reader { Lenient, Strict };

// The bits of a double, so that 0 and -0 or two neighbours never pass for each other.
QByteArray bits(double x) {
    QByteArray b(sizeof x, '\0');
    std::memcpy(b.data(), &x, sizeof x);
    return b.toHex();
}

}  // namespace

Q_DECLARE_METATYPE(Reader)

class LongTextsTest : public QObject {
    Q_OBJECT

private slots:
    void readOnce_data() {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("read");  // false: StrictNumber refuses the text
        QTest::addColumn<double>("value");
        const double inf = std::numeric_limits<double>::infinity();
        const auto L = Reader::Lenient, S = Reader::Strict;
        const QByteArray zeros = times("0", kLong);

        QTest::newRow("ten million digits are beyond the range") << L << "1" + zeros << true << inf;
        QTest::newRow("ten million digits, then an exponent that brings them back")
            << L << "1" + zeros + "e-10000000" << true << 1.0;
        QTest::newRow("a fraction with ten million zeros, then its exponent")
            << L << "0." + zeros + "1e10000001" << true << 1.0;
        QTest::newRow("ten million fives after the point round like 23/9")
            << L << "2." + times("5", kLong) << true << 23.0 / 9.0;
        QTest::newRow("ten million blanks before the number") << L << times(" ", kLong) + "7" << true << 7.0;
        QTest::newRow("blanks between every digit") << L << "1" + times(" 0", kLong / 2) + "e-5000000" << true << 1.0;
        QTest::newRow("ideographic spaces before the number")
            << L << times(kIdeographicSpace, kLong / 3) + "-7" << true << -7.0;
        QTest::newRow("full-width digits beyond the range") << L << times(kFullWidthOne, kLong / 3) << true << inf;
        QTest::newRow("letters after the number") << L << "12" + times("x", kLong) << true << 12.0;
        QTest::newRow("ten million signs read as 0") << L << times("-", kLong) << true << 0.0;
        QTest::newRow("an exponent of ten million digits") << L << "1e-" + times("9", kLong) << true << 0.0;

        QTest::newRow("strict: blanks around the number")
            << S << times(" ", kLong) + "7" + times(" ", kLong) << true << 7.0;
        QTest::newRow("strict: ideographic spaces after the number")
            << S << "7" + times(kIdeographicSpace, kLong / 3) << true << 7.0;
        QTest::newRow("strict: groups of three digits, then the exponent")
            << S << "1" + times(",000", kLong / 4) + "e-" + QByteArray::number(qulonglong(3 * (kLong / 4))) << true
            << 1.0;
        QTest::newRow("strict: ten million digits and a letter") << S << zeros + "x" << false << 0.0;
        QTest::newRow("strict: ten million digits beyond the range") << S << "1" + zeros << false << 0.0;
        QTest::newRow("strict: blanks between digits") << S << times("1 ", kLong / 2) << false << 0.0;
    }

    void readOnce() {
        QFETCH(Reader, reader);
        QFETCH(QByteArray, text);
        const std::string_view view(text.constData(), std::size_t(text.size()));
        QFETCH(bool, read);
        QFETCH(double, value);
        if (reader == Reader::Lenient) {
            QCOMPARE(bits(ParseNumber(view)), bits(value));
            return;
        }
        try {
            const double v = StrictNumber(view);
            QVERIFY2(read, "StrictNumber read a text it should refuse");
            QCOMPARE(bits(v), bits(value));
        } catch (const ComputationFault&) {
            QVERIFY2(!read, "StrictNumber refused a number");
        }
    }
};

QTEST_MAIN(LongTextsTest)
#include "tst_longtexts.moc"
