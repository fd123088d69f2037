#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

constexpr int DecimalBase = 10;
constexpr int HexBase = 16;
constexpr int OctalBase = 8;
constexpr int BitsPerOctalDigit = 3;
constexpr int BitsPerHexDigit = 4;
// 16^256 = 2^1024 lies above the largest double: a longer hex integer is infinite.
constexpr std::size_t MaxHexDigitsOfDouble = 256;
// A typed exponent stops growing here; far beyond any double, yet no risk of overflow.
constexpr std::int64_t ExponentCap = 1'000'000'000'000'000;
// Decimal magnitudes surely outside what a double can hold (it spans about 1e-324 to 1e308).
constexpr std::int64_t SurelyInfinite = 1000;
constexpr std::int64_t SurelyZero = -1000;
constexpr double Infinity = std::numeric_limits<double>::infinity();

// Walks the text, stepping over blanks, tabs and line feeds wherever they stand.
class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) {}

    // The next character that is not a blank, or NUL at the end of the text.
    char16_t peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos].unicode()))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0';
    }
    void advance() { ++m_pos; }

private:
    static bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// The value of an ASCII digit in the given base, or -1 for anything else.
int digitValue(char16_t c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + DecimalBase;
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + DecimalBase;
    return value < base ? value : -1;
}

// Appends the digits of the given base that follow, as ASCII characters.
void appendDigits(Reader &reader, int base, std::string &digits)
{
    for (char16_t c = reader.peek(); digitValue(c, base) >= 0; c = reader.peek()) {
        digits.push_back(static_cast<char>(c));
        reader.advance();
    }
}

// Rewrites octal digits (no leading zeros) as hex digits with the same value.
std::string octalToHex(const std::string &octal)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    const std::size_t bits = octal.size() * BitsPerOctalDigit;
    unsigned pending = 0;
    std::size_t pendingBits = (BitsPerHexDigit - bits % BitsPerHexDigit) % BitsPerHexDigit;
    std::string hex;
    for (char c : octal) {
        pending = (pending << BitsPerOctalDigit) | static_cast<unsigned>(c - '0');
        pendingBits += BitsPerOctalDigit;
        if (pendingBits >= BitsPerHexDigit) {
            pendingBits -= BitsPerHexDigit;
            hex.push_back(HexDigits[pending >> pendingBits]);
            pending &= (1U << pendingBits) - 1;
        }
    }
    return hex;
}

// "&H" or "&O" (the '&' already read): a non-negative integer of any size.
double readRadixInteger(Reader &reader)
{
    const char16_t letter = reader.peek();
    int base = 0;
    if (letter == u'H' || letter == u'h')
        base = HexBase;
    else if (letter == u'O' || letter == u'o')
        base = OctalBase;
    else
        return 0.0;
    reader.advance();
    std::string hex;
    appendDigits(reader, base, hex);
    hex.erase(0, hex.find_first_not_of('0'));
    if (base == OctalBase)
        hex = octalToHex(hex);
    if (hex.empty())
        return 0.0;
    if (hex.size() > MaxHexDigitsOfDouble)
        return Infinity;
    double value = 0.0;
    const auto result =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    return result.ec == std::errc::result_out_of_range ? Infinity : value;
}

// The optional exponent after the mantissa; a letter without digits counts as no exponent.
std::int64_t readExponent(Reader &reader)
{
    const char16_t letter = reader.peek();
    if (letter != u'E' && letter != u'e' && letter != u'D' && letter != u'd')
        return 0;
    reader.advance();
    const char16_t sign = reader.peek();
    if (sign == u'+' || sign == u'-')
        reader.advance();
    std::int64_t exponent = 0;
    for (int d = digitValue(reader.peek(), DecimalBase); d >= 0;
         d = digitValue(reader.peek(), DecimalBase)) {
        if (exponent < ExponentCap)
            exponent = exponent * DecimalBase + d;
        reader.advance();
    }
    return sign == u'-' ? -exponent : exponent;
}

} // namespace

namespace platform {

QString decimalText(std::int32_t value)
{
    return QString::number(value);
}

QString hexText(std::int16_t value)
{
    return QString::number(static_cast<std::uint16_t>(value), HexBase).toUpper();
}

QString hexText(std::int32_t value)
{
    return QString::number(static_cast<std::uint32_t>(value), HexBase).toUpper();
}

double numberOfText(QStringView text)
{
    Reader reader(text);
    if (reader.peek() == u'&') {
        reader.advance();
        return readRadixInteger(reader);
    }

    const char16_t sign = reader.peek();
    const bool negative = sign == u'-';
    if (sign == u'+' || sign == u'-')
        reader.advance();

    // All mantissa digits in one string; pointPos counts those before the decimal point.
    std::string digits;
    appendDigits(reader, DecimalBase, digits);
    const auto pointPos = static_cast<std::int64_t>(digits.size());
    if (reader.peek() == u'.') {
        reader.advance();
        appendDigits(reader, DecimalBase, digits);
    }
    if (digits.empty())
        return 0.0;
    const std::int64_t exponent = readExponent(reader);

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return negative ? -0.0 : 0.0;
    digits.erase(digits.find_last_not_of('0') + 1);

    // Decimal magnitude of the first significant digit: the value lies in [10^m, 10^(m+1)).
    const std::int64_t magnitude = pointPos - static_cast<std::int64_t>(first) - 1 + exponent;
    double value = 0.0;
    if (magnitude >= SurelyInfinite) {
        value = Infinity;
    } else if (magnitude > SurelyZero) {
        // Hand over a clean "d.ddde±m" with a small exponent, rounded correctly by the library.
        std::string clean(1, digits[first]);
        if (first + 1 < digits.size())
            clean.append(".").append(digits, first + 1);
        clean.append("e").append(std::to_string(magnitude));
        const auto result = std::from_chars(clean.data(), clean.data() + clean.size(), value);
        if (result.ec == std::errc::result_out_of_range)
            value = magnitude >= 0 ? Infinity : 0.0;
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> toInt32(double value)
{
    // Everything from -2^31 - 0.5 (rounds to the even -2^31) up to, not including, 2^31 - 0.5
    // (rounds to the even 2^31) ends up in range; this also turns away infinities and NaN.
    constexpr double Lowest = -2147483648.5;
    constexpr double PastHighest = 2147483647.5;
    constexpr double Half = 0.5;
    if (!(value >= Lowest && value < PastHighest))
        return std::nullopt;
    // floor() and the subtraction are exact here, whatever the rounding mode.
    const double below = std::floor(value);
    const double fraction = value - below;
    auto rounded = static_cast<std::int64_t>(below);
    if (fraction > Half || (fraction == Half && rounded % 2 != 0))
        ++rounded;
    return static_cast<std::int32_t>(rounded);
}

} // namespace platform
