#include "core/protocol/ValueTables.h"

namespace zomar {

namespace {

struct CodeItem {
    int code;
    const char *text;
};

constexpr CodeItem kTxPowerTable[] = {
    {0, "0 dBm"},   {1, "-3 dBm"},  {2, "-6 dBm"},  {3, "-9 dBm"},
    {4, "-12 dBm"}, {5, "-15 dBm"}, {6, "-18 dBm"}, {7, "-21 dBm"},
};

// The first six entries are the items of the speed drop-down list.
constexpr CodeItem kRfSpeedTable[] = {
    {163, "1200 bps"}, {145, "2400 bps"}, {71, "4800 bps"}, {35, "9600 bps"},
    {17, "19200 bps"}, {8, "38400 bps"},  {5, "57600 bps"}, {2, "115200 bps"},
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

} // namespace zomar
