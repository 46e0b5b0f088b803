#pragma once
// A tray of virtual modules for the production-line tests, and what a
// module holds once the test profile was written to it.

#include "sim/VirtualModule.h"

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <vector>

namespace zomar::test {

// 434.000 MHz (channel 1600), -9 dBm, 9600 bps.
inline const QByteArray kLineProfile = R"({"format": "zomar-profile", "version": 1,
 "band": "433", "frequency_mhz": "434.000", "tx_power": "-9 dBm", "rf_speed": "9600 bps"})";

// Modules that each hold their own local address (C0000000 + first + i).
inline std::vector<std::unique_ptr<VirtualModule>> tray(int count, quint32 first = 0)
{
    auto list = VirtualModule::startMany(count);
    for (size_t i = 0; i < list.size(); ++i)
        list[i]->setConfiguration(
            QByteArray::fromHex("ffffffff" +
                                QByteArray::number(0xC0000000u + first + quint32(i), 16) +
                                "06200011"));
    return list;
}

inline QStringList deviceArgs(const std::vector<std::unique_ptr<VirtualModule>> &list)
{
    QStringList args;
    for (const auto &m : list)
        args << QStringLiteral("--device") << m->devicePath();
    return args;
}

// The local address a module holds now.
inline quint32 localOf(const VirtualModule &m)
{
    return quint32(m.configuration().mid(4, 4).toHex().toUInt(nullptr, 16));
}

// The profile's fields with the given local address: what a passing module holds.
inline QByteArray programmed(quint32 local)
{
    return QByteArray::fromHex("ffffffff" + QByteArray::number(local, 16).rightJustified(8, '0') +
                               "06400323");
}

// What a factory-fresh module holds once the profile and this local address
// are written, in hex.
inline QByteArray programmedFresh(quint32 local)
{
    return programmed(local).replace(0, 4, QByteArray(4, '\0')).toHex();
}

} // namespace zomar::test
