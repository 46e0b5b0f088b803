// Start-up of the station: parse the options, check for a display, set up
// the virtual slots when asked, open the station file (the one given, or the
// one opened last) and show the window.

#include "apps/zomar-station/SimulatedStation.h"
#include "apps/zomar-station/SimulationMenu.h"
#include "apps/zomar-station/StationOptions.h"
#include "core/Version.h"
#include "core/process/InterruptWatch.h"
#include "core/settings/AppSettings.h"
#include "gui/language/Translations.h"
#include "gui/station/StationWindow.h"
#include "gui/window/DisplayCheck.h"
#include "gui/window/FilePrompter.h"
#include "gui/window/MessagePrompter.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <utility>

using namespace zomar;

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zomar-station"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    if (!displayAvailable()) {
        // --help and --version need no display: answer them on a console.
        QCoreApplication console(argc, argv);
        StationOptions::parse(QCoreApplication::arguments());
        std::fprintf(stderr,
                     "zomar-station: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it on a desktop session, or under a virtual display, for example:\n"
                     "  xvfb-run -a zomar-station --simulate 8 --demo\n");
        return 2;
    }
    QApplication app(argc, argv);
    app.setDesktopFileName(QStringLiteral("io.github.zomar.ZomarStation"));
    const StationOptions options = StationOptions::parse(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "zomar-station: %s\n", qPrintable(options.error));
        return 2;
    }
    std::unique_ptr<AppSettings> settings =
        options.settingsFile.isEmpty() ? std::make_unique<AppSettings>()
                                       : std::make_unique<AppSettings>(options.settingsFile);

    QString stationFile = options.stationFile;
    std::unique_ptr<SimulatedStation> simulation;
    if (options.simulateSlots) {
        simulation = std::make_unique<SimulatedStation>(*options.simulateSlots);
        QString error;
        stationFile = simulation->prepare(options.stationFile, &error);
        if (stationFile.isEmpty()) {
            std::fprintf(stderr, "zomar-station: %s\n", qPrintable(error));
            return 1;
        }
        std::fprintf(stderr,
                     "zomar-station: %d virtual slots in %s; the record is kept in a temporary "
                     "store\n",
                     *options.simulateSlots, qPrintable(simulation->rack().folder()));
    } else if (stationFile.isEmpty()) {
        stationFile = settings->stationFile();
    }
    // The station opened last may have gone (a renamed or removed file):
    // said on the window, by its name.
    QString goneFile;
    if (!options.simulateSlots && options.stationFile.isEmpty() && !stationFile.isEmpty() &&
        !QFileInfo::exists(stationFile))
        goneFile = std::exchange(stationFile, QString());

    // A simulation leaves the real station's settings as they are.
    if (simulation && options.settingsFile.isEmpty())
        settings =
            std::make_unique<AppSettings>(simulation->folder() + QStringLiteral("/settings.ini"));
    // The language chosen here, else the one the station names for its
    // technicians, else the system's.
    const StationReading station =
        stationFile.isEmpty() ? StationReading{} : readStationFile(stationFile);
    startLanguage(*settings, station.setup ? station.setup->language : QString());
    DialogPrompter messages;
    DialogFilePrompter files;
    StationWindow window(*settings, messages, files);
    messages.setParent(&window);
    files.setParent(&window);
    if (simulation)
        addSimulationMenu(window, *simulation);
    // SIGTERM (a shutdown, a service manager) and SIGINT end it as closing
    // the window does: modules in flight finish and are recorded, and a
    // simulation's temporary folder goes.
    InterruptWatch interrupts;
    QObject::connect(&interrupts, &InterruptWatch::interrupted, &window,
                     [&window] { window.quitWhenIdle(); });
    // A line's screen: all of it for the tiles.
    window.showMaximized();
    if (!stationFile.isEmpty() && !window.openStation(stationFile))
        std::fprintf(stderr, "zomar-station: the station file is refused: %s\n",
                     qPrintable(readStationFile(stationFile).error));
    if (!goneFile.isEmpty()) {
        window.noteStationGone(goneFile);
        std::fprintf(stderr,
                     "zomar-station: the station file opened last, %s, is not there "
                     "any more\n",
                     qPrintable(goneFile));
    }
    if (simulation && options.demo)
        simulation->demo().start();
    return app.exec();
}
