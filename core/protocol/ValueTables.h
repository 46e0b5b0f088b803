#pragma once
// The code tables of the block's TX power (byte 10) and RF speed (byte 11):
// each code with its text. Text -> code is an exact, case-sensitive
// whole-text match; the window's lists show these texts.

#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

const QStringList &txPowerItems();      // "0 dBm".."-21 dBm" (codes 0..7)
const QStringList &rfSpeedItems();      // the six list items "1200 bps".."38400 bps"
const QStringList &rfSpeedTableTexts(); // all eight codes' texts, "1200 bps".."115200 bps"

std::optional<QString> txPowerText(int code); // 0..7, else nullopt
int txPowerCode(const QString &text);         // no match: 0
std::optional<QString> rfSpeedText(int code); // the eight codes, else nullopt
int rfSpeedCode(const QString &text);         // no match: 163 ("1200 bps")

} // namespace zomar
