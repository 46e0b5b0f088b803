// zomar-sim: N virtual modules in a process of their own, for benchmarks and
// by-hand runs that must see the tool's own cost apart from the modules'.
//
//   zomar-sim [N] [--block HEX24] [--with-parent]
//   zomar-sim --rack N --folder DIR [--with-parent]
//
// Starts N modules (default 1), prints their device paths one a line, then a
// line "ready", and stays until it gets SIGINT or SIGTERM (or, with
// --with-parent, until the process that started it ends).
//
// With --rack, a hub of N sockets in DIR (as sim/SlotRack makes them) whose
// modules are plugged and pulled by lines on standard input, each answered
// by one line ("ok ..." or "error ..."); it ends with its input too:
//   plug SOCKET [FAULT]  a module in socket 1..N (FAULT: silent, faulty,
//                        pulled out, pulled out early, pulled out mid-write)
//   unplug SOCKET
//   block SOCKET         the block its module holds, in hex

#include "sim/SlotRack.h"
#include "sim/VirtualModule.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

using namespace zomar;

namespace {

// One line of the rack's input, answered.
QByteArray rackCommand(SlotRack &rack, const QString &line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '));
    bool ok = false;
    const int socket = words.value(1).toInt(&ok) - 1;
    if (!ok || socket < 0 || socket >= rack.count())
        return "error: name a socket from 1 to " + QByteArray::number(rack.count());
    const QString verb = words.first();
    if (verb == QLatin1String("plug")) {
        const QString name = words.mid(2).join(QLatin1Char(' '));
        const std::optional<SlotRack::Fault> fault =
            name.isEmpty() ? SlotRack::Fault::None : SlotRack::faultNamed(name);
        QString error;
        VirtualModule *module = fault ? rack.plug(socket, *fault, &error) : nullptr;
        if (!fault)
            error = QStringLiteral("no fault named '%1'").arg(name);
        return module ? "ok " + module->devicePath().toLocal8Bit() : "error: " + error.toLocal8Bit();
    }
    if (verb == QLatin1String("unplug")) {
        rack.unplug(socket);
        return "ok";
    }
    if (verb == QLatin1String("block") && rack.plugged(socket))
        return "ok " + rack.module(socket)->configuration().toHex();
    return "error: plug, unplug or block a plugged socket";
}

int runRack(QCoreApplication &app, int count, const QString &folder)
{
    SlotRack rack(count, folder);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, n);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QByteArray answer = rackCommand(rack, QString::fromUtf8(pending.left(end)));
            std::printf("%s\n", answer.constData());
            std::fflush(stdout);
        }
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int count = 1;
    QByteArray block;
    std::optional<int> rack;
    QString folder;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--with-parent")) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        } else if (args.at(i) == QLatin1String("--block") && i + 1 < args.size()) {
            block = QByteArray::fromHex(args.at(++i).toLatin1());
        } else if (args.at(i) == QLatin1String("--rack") && i + 1 < args.size()) {
            rack = args.at(++i).toInt();
        } else if (args.at(i) == QLatin1String("--folder") && i + 1 < args.size()) {
            folder = args.at(++i);
        } else {
            bool ok = false;
            count = args.at(i).toInt(&ok);
            if (!ok || count < 1 || count > 512) {
                std::fprintf(stderr,
                             "usage: zomar-sim [N (1..512)] [--block HEX24] [--with-parent]\n");
                return 1;
            }
        }
    }
    if (rack) {
        if (*rack < 1 || *rack > 64 || folder.isEmpty()) {
            std::fprintf(stderr, "usage: zomar-sim --rack N (1..64) --folder DIR\n");
            return 1;
        }
        return runRack(app, *rack, folder);
    }
    if (!block.isEmpty() && block.size() != 12) {
        std::fprintf(stderr, "zomar-sim: --block takes 12 bytes in hex\n");
        return 1;
    }
    QString error;
    auto modules = VirtualModule::startMany(count, &error);
    if (modules.empty()) {
        std::fprintf(stderr, "zomar-sim: %s\n", qPrintable(error));
        return 2;
    }
    for (const auto &m : modules) {
        if (!block.isEmpty())
            m->setConfiguration(block);
        std::printf("%s\n", qPrintable(m->devicePath()));
    }
    std::printf("ready\n");
    std::fflush(stdout);

    // Ends on SIGINT/SIGTERM, through a pipe: only async-signal-safe work in
    // the handler.
    static int wake[2];
    if (::pipe(wake) != 0)
        return 2;
    struct sigaction sa {};
    sa.sa_handler = [](int) { (void)!::write(wake[1], "x", 1); };
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    QSocketNotifier stopNotifier(wake[0], QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
