// The station window against the command line, on virtual sockets in this
// process: from a module plugged into a slot to its PASS tile, beside the
// same kind of module programmed by one `zomar-cli program` run (process
// start included); the CPU the window takes while 16 empty slots wait; and
// its resident memory.

#include "bench/LineBench.h"
#include "core/settings/AppSettings.h"
#include "gui/station/SlotTile.h"
#include "gui/station/StationWindow.h"
#include "gui/window/FilePrompter.h"
#include "gui/window/MessagePrompter.h"
#include "sim/SlotRack.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zomar;

namespace {

class SilentPrompter : public MessagePrompter
{
public:
    MessageRequest::Answer ask(const MessageRequest &) override { return MessageRequest::AnswerOk; }
};

// Runs the event loop until done() holds; false after the limit.
bool waitFor(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

QString writeStation(const QTemporaryDir &dir, const SlotRack &rack, const QString &store)
{
    StationSetup s;
    s.profile = dir.filePath(QStringLiteral("bench.json"));
    s.localFrom = 0x100;
    s.store = store;
    s.slotFolder = rack.folder();
    for (int i = 0; i < rack.count(); ++i)
        s.slotList << StationSlot{rack.portName(i), StationSetup::defaultSlotName(i)};
    const QString path = dir.filePath(QStringLiteral("station-%1.json").arg(rack.count()));
    saveStationFile(s, path);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const int idleSeconds = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
    QTemporaryDir dir;
    const QString profile = bench::writeProfile(dir);
    AppSettings settings(dir.filePath(QStringLiteral("settings.ini")));
    SilentPrompter messages;
    DialogFilePrompter files;

    // One `zomar-cli program` run per module, as a script at a bench does it.
    std::vector<double> cli;
    for (int i = 0; i < runs; ++i) {
        SlotRack rack(1);
        rack.plug(0);
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(ZOMAR_CLI),
                {"program", "--profile", profile, "--local-from", "100", "--device",
                 rack.linkPath(0), "--store", dir.filePath(QStringLiteral("cli.db"))});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            std::fprintf(stderr, "station_window_bench: zomar-cli program failed: %s\n",
                         p.readAllStandardError().constData());
            return 2;
        }
        cli.push_back(double(t.nsecsElapsed()) / 1e9);
    }

    // The station: a module plugged into its one slot, until the tile says PASS.
    std::vector<double> station;
    {
        SlotRack rack(1);
        StationWindow window(settings, messages, files);
        window.show();
        if (!window.openStation(writeStation(dir, rack, dir.filePath(QStringLiteral("st.db"))))) {
            std::fprintf(stderr, "station_window_bench: the station did not open\n");
            return 2;
        }
        SlotTile *tile = window.tiles().first();
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            rack.plug(0);
            if (!waitFor([tile] { return tile->view().kind == SlotView::Pass; }, 20000)) {
                std::fprintf(stderr, "station_window_bench: no PASS (%s)\n", qPrintable(tile->line()));
                return 2;
            }
            station.push_back(double(t.nsecsElapsed()) / 1e9);
            rack.unplug(0);
            if (!waitFor([tile] { return tile->view().kind == SlotView::Empty; }, 5000))
                return 2;
        }
    }
    const double c = bench::median(cli), s = bench::median(station);
    const double worst = *std::max_element(station.begin(), station.end());
    const bool latency = s - c <= 0.6;
    std::printf("zomar-cli program, one module      %.3f s (median of %d)\n", c, runs);
    std::printf("station, plugged to PASS tile      %.3f s (median of %d, slowest %.3f s)\n", s,
                runs, worst);
    std::printf("  difference %+.3f s   goal <= +0.600 s  %s\n", s - c, latency ? "PASS" : "FAIL");

    // 16 empty slots: what the window costs while it waits.
    SlotRack rack(16);
    StationWindow window(settings, messages, files);
    window.show();
    window.openStation(writeStation(dir, rack, dir.filePath(QStringLiteral("idle.db"))));
    waitFor([] { return false; }, 1000); // settle: the first paint, the store opened
    // The operator field has the focus at the start: its cursor blinks (two
    // repaints a second). With a tile focused nothing at all moves.
    const auto idleCpu = [idleSeconds] {
        const double before = bench::cpuSeconds();
        QElapsedTimer idle;
        idle.start();
        QEventLoop loop;
        QTimer::singleShot(idleSeconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        return 100.0 * (bench::cpuSeconds() - before) / (double(idle.elapsed()) / 1000);
    };
    const double typing = idleCpu();
    window.tiles().first()->setFocus();
    const double still = idleCpu();
    const bool quiet = typing < 0.5 && still < 0.5;
    std::printf("16 empty slots, idle CPU           %.3f %% of one core (operator field focused), "
                "%.3f %% (a tile focused), %d s each   goal ~0 (< 0.5 %%)  %s\n",
                typing, still, idleSeconds, quiet ? "PASS" : "FAIL");
    std::printf("resident memory (RSS)              %.1f MiB\n", bench::rssMiB());
    return latency && quiet ? 0 : 1;
}
