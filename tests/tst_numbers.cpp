// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/numbers.h"
#include "testkit.h"

#include <QTest>

#include <cmath>

const QString Overflow = QStringLiteral("overflow");

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    // A rod label's text in both bases, and the decimal text of the total.
    void valueTexts()
    {
        QCOMPARE(platform::decimalText(0), "0");
        QCOMPARE(platform::decimalText(-2147483647 - 1), "-2147483648");
        QCOMPARE(platform::hexText(qint16(0)), "0");
        QCOMPARE(platform::hexText(qint16(15)), "F");    // upper case, no leading zeros
        QCOMPARE(platform::hexText(qint16(-1)), "FFFF"); // two's complement in 16 bits
    }
    // What the pupil types into the box (at most 8 characters), the number read from it, and the
    // 32-bit hex text that the read-out then shows.
    void typedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("shown");
        row("empty", "", 0.0, "0");
        row("only fraction, tie to even 0", ".5", 0.5, "0");
        row("tie rounds down to even", "12.5", 12.5, "C");
        row("tie rounds up to even", "13.5", 13.5, "E");
        row("negative tie rounds down to even", "-13.5", -13.5, "FFFFFFF2");
        row("blanks in the mantissa, negative tie", "- 1 2. 5", -12.5, "FFFFFFF4");
        row("blanks in the exponent, lower e", "25e - 2", 0.25, "0");
        row("tab and line feed skipped, CR stops", "\t1\n2\r3", 12.0, "C");
        row("exponent E, too large for 32 bits", "1E10", 1e10, Overflow);
        row("exponent D, plus signs", "+3D+2", 300.0, "12C");
        row("exponent lower d", "3d2", 300.0, "12C");
        row("exponent letter and sign alone", "1e-", 1.0, "1");
        row("exponent without mantissa", "e5", 0.0, "0");
        row("hex letters are no decimal digits", "12abc", 12.0, "C");
        row("stops at the second point", "1.2.3", 1.2, "1");
        row("comma is no decimal point", "1,5", 1.0, "1");
        row("two signs", "+-1", 0.0, "0");
        row("sign and point alone are plus zero", "-.", 0.0, "0");
        row("minus zero keeps its sign", "-0", -0.0, "0");
        row("Arabic-Indic digits", QString::fromUtf8("\u0661\u0662"), 0.0, "0");
        row("NUL is no blank", QString("1") + QChar(0) + "2", 1.0, "1");
        row("hex prefix, either case", "&hFf", 255.0, "FF");
        row("octal prefix stops at 8", "&o178", 15.0, "F");
        row("too large", "-1e309", -qInf(), Overflow);
        row("too small", "1e-400", 0.0, "0");
        row("too small, upper-case E", "1E-400", 0.0, "0"); // fault: read unlike a lower-case e
        row("decimal tie rounds down to even", "1e23", 99999999999999991611392.0, Overflow);
        row("decimal tie rounds up to even", "7e22", 70000000000000004194304.0, Overflow);
        // The 32-bit limits, in texts longer than the box holds.
        row("below largest plus half", "2147483647.4", 2147483647.4, "7FFFFFFF");
        row("largest plus half overflows", "2147483647.5", 2147483647.5, Overflow);
        row("smallest minus half rounds to even", "-2147483648.5", -2147483648.5, "80000000");
        row("past smallest minus half overflows", "-2147483648.6", -2147483648.6, Overflow);
    }
    void typedText()
    {
        QFETCH(QString, typed);
        QFETCH(double, number);
        QFETCH(QString, shown);
        const double read = platform::numberOfText(typed);
        // Exact (QCOMPARE on doubles is fuzzy), and with the sign of zero, which 'g' drops.
        QCOMPARE(QString::number(read, 'g', 17), QString::number(number, 'g', 17));
        QCOMPARE(std::signbit(read), std::signbit(number));
        const std::optional<std::int32_t> value = platform::toInt32(read);
        QCOMPARE(value ? platform::hexText(*value) : Overflow, shown);
    }
    // Not a number has no nearest integer.
    void notANumberOverflows() { QVERIFY(!platform::toInt32(qQNaN())); }
};

QTEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
