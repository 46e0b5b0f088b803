// zomar-sim: N virtual modules in a process of their own, for benchmarks and
// by-hand runs that must see the tool's own cost apart from the modules'.
//
//   zomar-sim [N] [--block HEX24] [--with-parent]
//
// Starts N modules (default 1), prints their device paths one a line, then a
// line "ready", and stays until it gets SIGINT or SIGTERM (or, with
// --with-parent, until the process that started it ends).

#include "sim/VirtualModule.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

using namespace zomar;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int count = 1;
    QByteArray block;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--with-parent")) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        } else if (args.at(i) == QLatin1String("--block") && i + 1 < args.size()) {
            block = QByteArray::fromHex(args.at(++i).toLatin1());
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
