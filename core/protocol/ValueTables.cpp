#include "core/protocol/ValueTables.h"

namespace zomar {

namespace {

// A code and the value it stands for; the text is the value and its unit.
struct CodeItem {
    int code;
    int value;
    const char *text;
};

// dBm.
constexpr CodeItem kTxPowerTable[] = {
    {0, 0, "0 dBm"},     {1, -3, "-3 dBm"},   {2, -6, "-6 dBm"},   {3, -9, "-9 dBm"},
    {4, -12, "-12 dBm"}, {5, -15, "-15 dBm"}, {6, -18, "-18 dBm"}, {7, -21, "-21 dBm"},
};

// Bits per second. The first six entries are the items of the speed
// drop-down list. The codes are a fixed table, not computed from the speed.
constexpr CodeItem kRfSpeedTable[] = {
    {163, 1200, "1200 bps"},   {145, 2400, "2400 bps"},   {71, 4800, "4800 bps"},
    {35, 9600, "9600 bps"},    {17, 19200, "19200 bps"},  {8, 38400, "38400 bps"},
    {5, 57600, "57600 bps"},   {2, 115200, "115200 bps"},
};
constexpr int kRfSpeedListItems = 6;

constexpr int kDefaultTxPowerCode = 0;
constexpr int kDefaultRfSpeedCode = 163;

template <std::size_t N> std::optional<QString> textForCode(const CodeItem (&table)[N], int code)
{
    for (const CodeItem &item : table) {
        if (item.code == code)
            return QString::fromLatin1(item.text);
    }
    return std::nullopt;
}

template <std::size_t N> std::optional<int> valueForCode(const CodeItem (&table)[N], int code)
{
    for (const CodeItem &item : table) {
        if (item.code == code)
            return item.value;
    }
    return std::nullopt;
}

template <std::size_t N> std::optional<int> codeForValue(const CodeItem (&table)[N], int value)
{
    for (const CodeItem &item : table) {
        if (item.value == value)
            return item.code;
    }
    return std::nullopt;
}

template <std::size_t N>
int codeForText(const CodeItem (&table)[N], const QString &text, int fallback)
{
    for (const CodeItem &item : table) {
        if (text == QLatin1String(item.text))
            return item.code;
    }
    return fallback;
}

template <std::size_t N> QStringList textsOf(const CodeItem (&table)[N])
{
    QStringList list;
    for (const CodeItem &item : table)
        list << QString::fromLatin1(item.text);
    return list;
}

} // namespace

const QStringList &txPowerItems()
{
    static const QStringList items = textsOf(kTxPowerTable);
    return items;
}

const QStringList &rfSpeedItems()
{
    static const QStringList items = rfSpeedTableTexts().mid(0, kRfSpeedListItems);
    return items;
}

const QStringList &rfSpeedTableTexts()
{
    static const QStringList texts = textsOf(kRfSpeedTable);
    return texts;
}

std::optional<QString> txPowerText(int code)
{
    return textForCode(kTxPowerTable, code);
}

int txPowerCode(const QString &text)
{
    return codeForText(kTxPowerTable, text, kDefaultTxPowerCode);
}

std::optional<QString> rfSpeedText(int code)
{
    return textForCode(kRfSpeedTable, code);
}

int rfSpeedCode(const QString &text)
{
    return codeForText(kRfSpeedTable, text, kDefaultRfSpeedCode);
}

std::optional<int> txPowerDbm(int code)
{
    return valueForCode(kTxPowerTable, code);
}

std::optional<int> txPowerCodeForDbm(int dbm)
{
    return codeForValue(kTxPowerTable, dbm);
}

int rfSpeedBps(int code)
{
    return valueForCode(kRfSpeedTable, code).value_or(0);
}

std::optional<int> rfSpeedCodeForBps(int bps)
{
    return codeForValue(kRfSpeedTable, bps);
}

} // namespace zomar
