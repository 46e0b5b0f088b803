// Two virtual modules joined by the simulated radio, for trying the link
// test by hand (the window's Tools > Link Test, or zomar-cli linktest): prints
// their devices and runs until Ctrl+C. --loss, --corrupt and --latency set
// the air of the first module.

#include "sim/VirtualModule.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace zomar;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Two virtual modules on one simulated channel."));
    p.addHelpOption();
    p.addOptions({{QStringLiteral("loss"), QStringLiteral("Share of transmissions lost (0..1)."),
                   QStringLiteral("rate"), QStringLiteral("0")},
                  {QStringLiteral("corrupt"),
                   QStringLiteral("Share of transmissions with one byte changed (0..1)."),
                   QStringLiteral("rate"), QStringLiteral("0")},
                  {QStringLiteral("latency"), QStringLiteral("Latency beyond the air time, ms."),
                   QStringLiteral("ms"), QStringLiteral("5")}});
    p.process(app);
    auto modules = VirtualModule::startMany(2);
    if (modules.size() != 2) {
        std::fprintf(stderr, "radio_pair: cannot start two virtual modules\n");
        return 2;
    }
    sim::RadioSettings air;
    air.lossRate = p.value(QStringLiteral("loss")).toDouble();
    air.corruptionRate = p.value(QStringLiteral("corrupt")).toDouble();
    air.latencyMs = p.value(QStringLiteral("latency")).toInt();
    modules[0]->setRadio(air);
    std::printf("%s %s\n", qPrintable(modules[0]->devicePath()),
                qPrintable(modules[1]->devicePath()));
    std::fflush(stdout);
    return app.exec();
}
