#include "platform/numbers.h"

#include <QElapsedTimer>
#include <QTest>

#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr qsizetype kMegabyte = 1024 * 1024;
constexpr qint64 kGenerousMs = 1000;
const QString kOverflow = QStringLiteral("overflow");

// QCOMPARE on doubles is fuzzy; rounding faults show only in an exact comparison.
void verifyExactly(double actual, double expected)
{
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("got %1, expected %2")
                                                .arg(actual, 0, 'g', 17)
                                                .arg(expected, 0, 'g', 17)));
}

void addTextRow(const char *name, const QString &typed, const QString &shown)
{
    QTest::newRow(name) << typed << shown;
}

// Enough zeros to throw off a magnitude taken from the exponent alone.
constexpr qsizetype kManyZeros = 99;
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void decimalText_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("positive") << 1234 << "1234";
        QTest::newRow("negative") << -56 << "-56";
        QTest::newRow("largest") << std::numeric_limits<qint32>::max() << "2147483647";
        QTest::newRow("smallest") << std::numeric_limits<qint32>::min() << "-2147483648";
    }

    void decimalText()
    {
        QFETCH(qint32, value);
        QFETCH(QString, expected);
        QCOMPARE(platform::decimalText(value), expected);
    }

    void hexText16_data()
    {
        QTest::addColumn<qint16>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << qint16(0) << "0";
        QTest::newRow("one digit") << qint16(15) << "F";
        QTest::newRow("two digits upper case") << qint16(225) << "E1";
        QTest::newRow("largest") << qint16(32767) << "7FFF";
        QTest::newRow("minus one") << qint16(-1) << "FFFF";
        QTest::newRow("smallest") << qint16(-32768) << "8000";
    }

    void hexText16()
    {
        QFETCH(qint16, value);
        QFETCH(QString, expected);
        QCOMPARE(platform::hexText(value), expected);
    }

    void hexText32_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("one digit") << 15 << "F";
        QTest::newRow("beyond 16 bits") << 65536 << "10000";
        QTest::newRow("largest") << std::numeric_limits<qint32>::max() << "7FFFFFFF";
        QTest::newRow("minus one") << -1 << "FFFFFFFF";
        QTest::newRow("minus 16-bit range") << -32768 << "FFFF8000";
        QTest::newRow("smallest") << std::numeric_limits<qint32>::min() << "80000000";
    }

    void hexText32()
    {
        QFETCH(qint32, value);
        QFETCH(QString, expected);
        QCOMPARE(platform::hexText(value), expected);
    }

    void numberOfText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("integer") << "42" << 42.0;
        QTest::newRow("fraction") << "12.5" << 12.5;
        QTest::newRow("only fraction") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("minus sign") << "-7.25" << -7.25;
        QTest::newRow("blank between digits") << "1 0" << 10.0;
        QTest::newRow("blanks everywhere") << " - 1 2 . 5 e 1" << -125.0;
        QTest::newRow("tab and line feed") << "\t1\n2\t" << 12.0;
        QTest::newRow("carriage return stops") << "1\r2" << 1.0;
        QTest::newRow("NUL stops") << QStringLiteral("3") + QChar(u'\0') + "4" << 3.0;
        QTest::newRow("exponent upper E") << "1E3" << 1000.0;
        QTest::newRow("exponent lower e") << "2e2" << 200.0;
        QTest::newRow("exponent D") << "3D2" << 300.0;
        QTest::newRow("negative exponent") << "25e-2" << 0.25;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
        QTest::newRow("stops at letter") << "12abc" << 12.0;
        QTest::newRow("stops at second point") << "1.2.3" << 1.2;
        QTest::newRow("comma is no decimal point") << "1,5" << 1.0;
        QTest::newRow("two signs") << "+-1" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("only sign") << "-" << 0.0;
        QTest::newRow("only point") << "." << 0.0;
        QTest::newRow("sign and point") << "+." << 0.0;
        QTest::newRow("exponent without mantissa") << "e5" << 0.0;
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661\u0662") << 0.0;
        QTest::newRow("full-width digits") << QString::fromUtf8("\uFF11\uFF12") << 0.0;
        QTest::newRow("hex") << "&HFF" << 255.0;
        QTest::newRow("hex lower case") << "&hff" << 255.0;
        QTest::newRow("hex with blanks") << " & H 1 0" << 16.0;
        QTest::newRow("hex beyond 32 bits") << "&H100000000" << 4294967296.0;
        QTest::newRow("hex prefix alone") << "&H" << 0.0;
        QTest::newRow("hex prefix then non-digit") << "&HG" << 0.0;
        QTest::newRow("hex rounds tie to even") << "&H20000000000001" << 9007199254740992.0;
        QTest::newRow("hex rounds tie up to even") << "&H20000000000003" << 9007199254740996.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("octal rounds like hex") << "&O400000000000000001" << 9007199254740992.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("correctly rounded") << "0.1" << 0.1;
        QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
        QTest::newRow("smallest subnormal") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
        QTest::newRow("too large") << "1e309" << kInf;
        QTest::newRow("too large negative") << "-1e309" << -kInf;
        QTest::newRow("too small") << "1e-400" << 0.0;
        QTest::newRow("huge exponent text") << "1e99999999999999999999" << kInf;
        QTest::newRow("huge negative exponent text") << "1e-99999999999999999999" << 0.0;
        QTest::newRow("zero with huge exponent") << "0e99999999999999999999" << 0.0;
        const QString manyZeros(kManyZeros, u'0');
        QTest::newRow("leading zeros offset exponent") << "0." + manyZeros + "1e399" << 1e299;
        QTest::newRow("trailing zeros offset exponent") << "1" + manyZeros + "e-399" << 1e-300;
        QTest::newRow("just above largest double") << "10000e305" << kInf;
        QTest::newRow("just below smallest subnormal") << "0.0001e-322" << 0.0;
        QTest::newRow("minus zero is zero") << "-0" << 0.0;
    }

    void numberOfText()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        verifyExactly(platform::numberOfText(text), expected);
    }

    void numberOfLongText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        const QString ones(kMegabyte, u'1');
        const QString zeros(kMegabyte, u'0');
        const QString exponent = QString::number(kMegabyte + 1);
        QTest::newRow("megabyte of digits") << ones << kInf;
        QTest::newRow("megabyte of hex digits") << "&H" + QString(kMegabyte, u'F') << kInf;
        QTest::newRow("megabyte of blanks then 7") << QString(kMegabyte, u' ') + "7" << 7.0;
        QTest::newRow("zeros then one") << zeros + "1" << 1.0;
        QTest::newRow("fraction zeros then one, scaled up")
            << "0." + zeros + "1e" + exponent << 1.0;
        QTest::newRow("one then zeros, scaled down")
            << "1" + zeros + "e-" + QString::number(kMegabyte) << 1.0;
        QTest::newRow("nines after point round to one") << "0." + QString(kMegabyte, u'9') << 1.0;
        // 2^53 + 1 lies halfway between two doubles; a far-away digit decides the rounding.
        QTest::newRow("halfway rounds to even")
            << "9007199254740993." + zeros << 9007199254740992.0;
        QTest::newRow("just past halfway rounds up")
            << "9007199254740993." + zeros + "1" << 9007199254740994.0;
    }

    void numberOfLongText()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QElapsedTimer timer;
        timer.start();
        const double actual = platform::numberOfText(text);
        QVERIFY2(timer.elapsed() < kGenerousMs, "reading a long text took too long");
        verifyExactly(actual, expected);
    }

    void toInt32_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<qint32>("expected");
        const qint32 largest = std::numeric_limits<qint32>::max();
        const qint32 smallest = std::numeric_limits<qint32>::min();
        QTest::newRow("whole") << 42.0 << true << 42;
        QTest::newRow("above half rounds up") << 12.6 << true << 13;
        QTest::newRow("half to even down") << 12.5 << true << 12;
        QTest::newRow("half to even up") << 13.5 << true << 14;
        QTest::newRow("half to zero") << 0.5 << true << 0;
        QTest::newRow("minus half to zero") << -0.5 << true << 0;
        QTest::newRow("negative half to even up") << -12.5 << true << -12;
        QTest::newRow("negative half to even down") << -13.5 << true << -14;
        QTest::newRow("minus zero") << -0.0 << true << 0;
        QTest::newRow("largest") << 2147483647.0 << true << largest;
        QTest::newRow("just below largest plus half") << 2147483647.4 << true << largest;
        QTest::newRow("largest plus half overflows") << 2147483647.5 << false << 0;
        QTest::newRow("smallest") << -2147483648.0 << true << smallest;
        QTest::newRow("smallest minus half to even") << -2147483648.5 << true << smallest;
        QTest::newRow("beyond smallest overflows") << -2147483648.6 << false << 0;
        QTest::newRow("ten billion overflows") << 1e10 << false << 0;
        QTest::newRow("infinity") << kInf << false << 0;
        QTest::newRow("negative infinity") << -kInf << false << 0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0;
    }

    void toInt32()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(qint32, expected);
        const std::optional<std::int32_t> result = platform::toInt32(value);
        QCOMPARE(result.has_value(), fits);
        if (fits)
            QCOMPARE(*result, expected);
    }

    void typedTextToHex_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        addTextRow("255", "255", "FF");
        addTextRow("half to even down", "12.5", "C");
        addTextRow("half to even up", "13.5", "E");
        addTextRow("letters", "abc", "0");
        addTextRow("empty", "", "0");
        addTextRow("minus one", "-1", "FFFFFFFF");
        addTextRow("blank inside", "1 0", "A");
        addTextRow("exponent E overflows", "1E10", kOverflow);
        addTextRow("exponent D", "2.55D2", "FF");
        addTextRow("lower-case exponent", "1e3", "3E8");
        addTextRow("hex prefix", "&H7FFFFFFF", "7FFFFFFF");
        addTextRow("hex past 32 bits overflows", "&HFFFFFFFF", kOverflow);
        addTextRow("octal prefix", "&O777", "1FF");
        addTextRow("smallest", "-2147483648", "80000000");
        addTextRow("too large", "1e309", kOverflow);
    }

    void typedTextToHex()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const std::optional<std::int32_t> value = platform::toInt32(platform::numberOfText(typed));
        QCOMPARE(value ? platform::hexText(*value) : kOverflow, shown);
    }
};

QTEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
