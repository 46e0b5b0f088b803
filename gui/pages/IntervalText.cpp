#include "gui/pages/IntervalText.h"

#include "core/protocol/PageCodec.h"

#include <cmath>
#include <limits>

namespace zomar {

std::optional<int> intervalFromText(const QString &text, int minimum)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && t.at(i) == QLatin1Char('+'))
        ++i;
    const bool digitFirst = i < t.size() && t.at(i).isDigit();
    const bool pointFirst = i + 1 < t.size() && t.at(i) == QLatin1Char('.') && t.at(i + 1).isDigit();
    if (!digitFirst && !pointFirst)
        return std::nullopt; // blank, letters, "nan", or a minus sign
    // The number as a whole, exponent included: "1e308" is far beyond any
    // timer, not 1.
    const double value = std::trunc(leadingNumber(t.mid(i)));
    if (!std::isfinite(value) || value < minimum ||
        value > static_cast<double>(std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace zomar
