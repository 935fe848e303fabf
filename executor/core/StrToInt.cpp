#include "StrToInt.h"

#include <limits>

std::optional<int> StrToInt(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    // Accumulated as a negative number, so that the most negative value fits.
    long long value = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 - (c.unicode() - '0');
        if (value < std::numeric_limits<int>::min())
            return std::nullopt;
    }
    if (!negative) {
        if (-value > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(-value);
    }
    return static_cast<int>(value);
}

QString NotAnIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
