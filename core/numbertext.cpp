#include "numbertext.h"

#include <charconv>
#include <limits>
#include <string>

namespace tuneks {

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// Collects the characters that are not skipped, up to the first character
// that `accept` refuses.
class Reader {
public:
    explicit Reader(const QString &text) : m_text(text) {}
    QChar peek()
    {
        while (m_pos < m_text.size() && isSkipped(m_text.at(m_pos)))
            ++m_pos;
        return m_pos < m_text.size() ? m_text.at(m_pos) : QChar();
    }
    void next() { ++m_pos; }

private:
    const QString &m_text;
    int m_pos = 0;
};

double readRadixWhole(Reader &reader, int radix)
{
    double value = 0;
    for (;;) {
        const QChar c = reader.peek();
        // Letters are the digits from ten on; one the radix lacks ends the number.
        int digit = -1;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = c.unicode() - '0';
        else if (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))
            digit = c.toLower().unicode() - 'a' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
        reader.next();
    }
    return value;
}

double toDouble(const std::string &number)
{
    // from_chars does not take a leading "+".
    const char *begin = number.data();
    const char *end = begin + number.size();
    const bool negative = *begin == '-';
    if (*begin == '+' || negative)
        ++begin;
    double value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large gives infinity; too small to represent gives zero.
        const bool hugeExponent = number.find("e-") == std::string::npos;
        value = hugeExponent ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double leadingNumber(const QString &text)
{
    Reader reader(text);
    if (reader.peek() == QLatin1Char('&')) {
        reader.next();
        const QChar kind = reader.peek().toUpper();
        if (kind == QLatin1Char('H')) {
            reader.next();
            return readRadixWhole(reader, 16);
        }
        if (kind == QLatin1Char('O')) {
            reader.next();
            return readRadixWhole(reader, 8);
        }
        return 0;
    }

    // Build a plain number text and convert it without any locale.
    std::string number;
    QChar c = reader.peek();
    if (c == QLatin1Char('-') || c == QLatin1Char('+')) {
        number += char(c.unicode());
        reader.next();
    }
    auto readDigits = [&] {
        for (c = reader.peek(); c >= QLatin1Char('0') && c <= QLatin1Char('9'); c = reader.peek()) {
            number += char(c.unicode());
            reader.next();
        }
    };
    readDigits();
    if (reader.peek() == QLatin1Char('.')) {
        number += '.';
        reader.next();
        readDigits();
    }
    // A text without digits converts to nothing, which leaves 0.
    c = reader.peek().toUpper();
    if (c == QLatin1Char('E') || c == QLatin1Char('D')) {
        std::string exponent = "e";
        reader.next();
        c = reader.peek();
        if (c == QLatin1Char('-') || c == QLatin1Char('+')) {
            exponent += char(c.unicode());
            reader.next();
        }
        for (c = reader.peek(); c >= QLatin1Char('0') && c <= QLatin1Char('9'); c = reader.peek()) {
            exponent += char(c.unicode());
            reader.next();
        }
        // An exponent without digits is no exponent: the conversion stops
        // in front of it.
        number += exponent;
    }
    return toDouble(number);
}

} // namespace tuneks
