#include "platform/numbers.h"
#include "testkit.h"

#include <QDeadlineTimer>
#include <QTest>

#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr qsizetype Megabyte = 1024 * 1024;
constexpr qint64 GenerousMs = 1000;
constexpr int ExactDigits = 17; // enough to tell any two doubles apart
const QString Overflow = QStringLiteral("overflow");
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    // Decimal text and both hex widths of the same value.
    void valueTexts_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hex16"); // empty: not a 16-bit value
        QTest::addColumn<QString>("hex32");
        row("zero", 0, "0", "0", "0");
        row("upper-case hex digits", 225, "225", "E1", "E1");
        row("minus one", -1, "-1", "FFFF", "FFFFFFFF");
        row("smallest 16-bit", -32768, "-32768", "8000", "FFFF8000");
        row("largest 32-bit", std::numeric_limits<qint32>::max(), "2147483647", "", "7FFFFFFF");
        row("smallest 32-bit", std::numeric_limits<qint32>::min(), "-2147483648", "", "80000000");
    }
    void valueTexts()
    {
        QFETCH(qint32, value);
        QFETCH(QString, decimal);
        QFETCH(QString, hex16);
        QFETCH(QString, hex32);
        QCOMPARE(platform::decimalText(value), decimal);
        QCOMPARE(platform::hexText(value), hex32);
        if (!hex16.isEmpty())
            QCOMPARE(platform::hexText(static_cast<qint16>(value)), hex16);
    }
    // Compared exactly (QCOMPARE on doubles is fuzzy and would hide rounding faults).
    void numberOfText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        row("only fraction", ".5", 0.5);
        row("plus sign", "+7", 7.0);
        row("minus sign", "-7.25", -7.25);
        row("blanks everywhere", " - 1 2 . 5 e 1", -125.0);
        row("tab and line feed", "\t1\n2\t", 12.0);
        row("carriage return stops", "1\r2", 1.0);
        row("exponent upper E", "1E3", 1000.0);
        row("exponent lower e, negative", "25e-2", 0.25);
        row("exponent D, plus sign", "3D+2", 300.0);
        row("exponent lower d", "3d2", 300.0);
        row("exponent sign without digits", "1e-", 1.0);
        row("exponent without mantissa", "e5", 0.0);
        row("hex letters are no decimal digits", "12abc", 12.0);
        row("stops at second point", "1.2.3", 1.2);
        row("comma is no decimal point", "1,5", 1.0);
        row("two signs", "+-1", 0.0);
        row("sign and point alone", "-.", 0.0);
        row("Arabic-Indic digits", QString::fromUtf8("\u0661\u0662"), 0.0);
        row("fullwidth digits", QString::fromUtf8("\uFF11\uFF12"), 0.0);
        row("NUL ends the number", QString("12") + QChar(0) + "3", 12.0);
        row("NUL first", QString(QChar(0)) + "5", 0.0);
        row("vertical tab is no blank", "\v1", 0.0);
        row("lone minus", "-", 0.0);
        row("lone point", ".", 0.0);
        row("minus zero keeps its sign", "-0", -0.0);
        row("hex either case", "&hFf", 255.0);
        row("hex beyond 32 bits", "&H100000000", 4294967296.0);
        row("hex prefix then non-digit", "&HG", 0.0);
        row("hex rounds tie to even", "&H20000000000001", 9007199254740992.0);
        row("hex rounds tie up to even", "&H20000000000003", 9007199254740996.0);
        row("octal lower case stops at 8", "&o178", 15.0);
        row("octal rounds like hex", "&O400000000000000001", 9007199254740992.0);
        row("ampersand without radix letter", "&5", 0.0);
        row("largest double", "1.7976931348623157e308", 1.7976931348623157e308);
        row("smallest subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324);
        row("too large", "1e309", Inf);
        row("too large negative", "-1e309", -Inf);
        row("too small", "1e-400", 0.0);
        row("huge exponent text", "1e99999999999999999999", Inf);
        row("huge negative exponent text", "1e-99999999999999999999", 0.0);
        row("zero with huge exponent", "0e99999999999999999999", 0.0);
        const QString zeros(Megabyte, u'0');
        const QString megabyte = QString::number(Megabyte);
        row("megabyte of digits", QString(Megabyte, u'1'), Inf);
        row("megabyte of hex digits", "&H" + QString(Megabyte, u'F'), Inf);
        row("megabyte of blanks then 7", QString(Megabyte, u' ') + "7", 7.0);
        row("megabyte of letters", QString(Megabyte, u'x'), 0.0);
        row("megabyte of exponent digits", "1e" + QString(Megabyte, u'9'), Inf);
        row("leading zeros offset exponent", "0." + zeros + "1e" + megabyte, 0.1);
        row("trailing zeros offset exponent", "1" + zeros + "e-" + megabyte, 1.0);
        // 2^53 + 1 lies halfway between two doubles; a far-away digit decides the rounding.
        row("halfway rounds to even", "9007199254740993." + zeros, 9007199254740992.0);
        row("just past halfway rounds up", "9007199254740993." + zeros + "1", 9007199254740994.0);
    }
    void numberOfText()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const QDeadlineTimer deadline(GenerousMs);
        const double actual = platform::numberOfText(text);
        QVERIFY2(!deadline.hasExpired(), "reading the text took too long");
        QCOMPARE(QString::number(actual, 'g', ExactDigits),
                 QString::number(expected, 'g', ExactDigits));
    }
    void toInt32_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        row("above half rounds up", 12.6, "13");
        row("tie rounds down to even", 12.5, "12");
        row("tie rounds up to even", 13.5, "14");
        row("negative tie rounds up to even", -12.5, "-12");
        row("negative tie rounds down to even", -13.5, "-14");
        row("largest", 2147483647.0, "2147483647");
        row("below largest plus half", 2147483647.4, "2147483647");
        row("largest plus half overflows", 2147483647.5, Overflow);
        row("smallest", -2147483648.0, "-2147483648");
        row("smallest minus half rounds to even", -2147483648.5, "-2147483648");
        row("past smallest minus half overflows", -2147483648.6, Overflow);
        row("infinity", Inf, Overflow);
        row("not a number", std::numeric_limits<double>::quiet_NaN(), Overflow);
    }
    void toInt32()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        const std::optional<std::int32_t> result = platform::toInt32(value);
        QCOMPARE(result ? platform::decimalText(*result) : Overflow, expected);
    }
    // What the pupil types, and the hex the read-out then shows.
    void typedTextToHex_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        row("255", "255", "FF");
        row("tie rounds down to even", "12.5", "C");
        row("tie rounds up to even", "13.5", "E");
        row("letters", "abc", "0");
        row("empty", "", "0");
        row("minus one", "-1", "FFFFFFFF");
        row("blank inside", "1 0", "A");
        row("exponent E overflows", "1E10", Overflow);
        row("minus zero", "-0", "0");
    }
    void typedTextToHex()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const std::optional<std::int32_t> value = platform::toInt32(platform::numberOfText(typed));
        QCOMPARE(value ? platform::hexText(*value) : Overflow, shown);
    }
};

QTEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
