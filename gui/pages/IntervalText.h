#pragma once
// Reading a period or delay text of the test pages ("Send Speed", "Loopback
// Delay") as a timer interval in milliseconds.

#include <QString>

#include <optional>

namespace zomar {

// The whole-number value of the text's leading number ("500ms" gives 500,
// "1e3" gives 1000, "2.5" gives 2), when it lies within minimum ..
// 2,147,483,647. A text that does not begin with a number, a negative one
// (also "-0"), or one beyond that range is not an interval: nullopt, and the
// caller keeps its previous interval.
std::optional<int> intervalFromText(const QString &text, int minimum);

} // namespace zomar
