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

// The values the codes stand for, and back.
std::optional<int> txPowerDbm(int code);         // 0..7 -> 0..-21 dBm
std::optional<int> txPowerCodeForDbm(int dbm);   // 0, -3, .., -21
int rfSpeedBps(int code);                        // bits per second; 0 for an unknown code
std::optional<int> rfSpeedCodeForBps(int bps);   // the eight speeds

} // namespace zomar
