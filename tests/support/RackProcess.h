#pragma once
// A hub of virtual sockets in a process of its own (zomar-sim --rack), as a
// station meets hardware: its modules answer from another process, whose
// threads the program under test does not share. Plugging and pulling wait
// for the rack's answer with the test's event loop running.

#include "sim/SlotRack.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace zomar::test {

class RackProcess
{
public:
    RackProcess(int count, const QString &folder) : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_process.start(QStringLiteral(ZOMAR_SIM),
                        {QStringLiteral("--rack"), QString::number(count),
                         QStringLiteral("--folder"), folder, QStringLiteral("--with-parent")});
        m_ready = answer() == QLatin1String("ready");
    }
    ~RackProcess()
    {
        m_process.closeWriteChannel(); // it unplugs everything and ends
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    bool ready() const { return m_ready; }
    QString folder() const { return m_folder; }
    QString portName(int slot) const { return SlotRack::socketName(slot); }
    QString linkPath(int slot) const { return QDir(m_folder).filePath(portName(slot)); }

    bool plug(int slot, SlotRack::Fault fault = SlotRack::Fault::None)
    {
        return !plugDevice(slot, fault).isEmpty();
    }
    // The module's device ("" when it could not be plugged).
    QString plugDevice(int slot, SlotRack::Fault fault = SlotRack::Fault::None)
    {
        const QString name = fault == SlotRack::Fault::None ? QString() : SlotRack::faultName(fault);
        const QString reply = command(QStringLiteral("plug %1 %2").arg(slot + 1).arg(name));
        return reply.startsWith("ok ") ? reply.mid(3) : QString();
    }
    bool unplug(int slot) { return command(QStringLiteral("unplug %1").arg(slot + 1)) == "ok"; }
    // The block the module in the socket holds, in hex ("" when none is there).
    QByteArray block(int slot)
    {
        const QString reply = command(QStringLiteral("block %1").arg(slot + 1));
        return reply.startsWith("ok ") ? reply.mid(3).toLatin1() : QByteArray();
    }

private:
    QString command(const QString &line)
    {
        m_process.write(line.toUtf8() + '\n');
        return answer();
    }
    QString answer()
    {
        if (!QTest::qWaitFor([this] { return m_process.canReadLine(); }, 10000))
            return QStringLiteral("error: no answer from the rack");
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }

    QString m_folder;
    QProcess m_process;
    bool m_ready = false;
};

} // namespace zomar::test
