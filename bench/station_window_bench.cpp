// The station window against the command line, on virtual sockets in this
// process: from a module plugged into a slot to its PASS tile, beside the
// same kind of module programmed by one `zomar-cli program` run (process
// start included), for a station of one slot and one of 64; the CPU the
// window takes while 16 and 64 empty slots wait; and its resident memory.

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
#include <utility>
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

    // The station: a module plugged into one of its slots (a different one
    // each time), until the tile says PASS.
    const auto plugToPass = [&](int slotCount, std::vector<double> *times) {
        SlotRack rack(slotCount);
        StationWindow window(settings, messages, files);
        window.show();
        const QString store = dir.filePath(QStringLiteral("st-%1.db").arg(slotCount));
        if (!window.openStation(writeStation(dir, rack, store))) {
            std::fprintf(stderr, "station_window_bench: the station did not open\n");
            return false;
        }
        waitFor([] { return false; }, 500); // settle: the first paint, the store opened
        for (int i = 0; i < runs; ++i) {
            const int slot = (i * 7) % slotCount;
            SlotTile *tile = window.tiles().at(slot);
            QElapsedTimer t;
            t.start();
            rack.plug(slot);
            if (!waitFor([tile] { return tile->view().kind == SlotView::Pass; }, 20000)) {
                std::fprintf(stderr, "station_window_bench: no PASS (%s)\n",
                             qPrintable(tile->line()));
                return false;
            }
            times->push_back(double(t.nsecsElapsed()) / 1e9);
            rack.unplug(slot);
            if (!waitFor([tile] { return tile->view().kind == SlotView::Empty; }, 5000))
                return false;
        }
        return true;
    };
    const double c = bench::median(cli);
    std::printf("zomar-cli program, one module      %.3f s (median of %d)\n", c, runs);
    bool latency = true;
    // Goals: one slot at most 0.6 s more than the command line, 64 slots at most 0.2 s.
    for (const auto &[slotCount, goal] : {std::pair{1, 0.6}, std::pair{64, 0.2}}) {
        std::vector<double> station;
        if (!plugToPass(slotCount, &station))
            return 2;
        const double s = bench::median(station);
        const double worst = *std::max_element(station.begin(), station.end());
        const bool ok = s - c <= goal;
        latency = latency && ok;
        std::printf("station of %2d slot(s), plugged to PASS tile  %.3f s (median of %d, slowest "
                    "%.3f s)\n",
                    slotCount, s, runs, worst);
        std::printf("  difference %+.3f s   goal <= +%.3f s  %s\n", s - c, goal,
                    ok ? "PASS" : "FAIL");
    }

    // Empty slots: what the window costs while it waits.
    bool quiet = true;
    for (const int slotCount : {16, 64}) {
        SlotRack rack(slotCount);
        StationWindow window(settings, messages, files);
        window.show();
        window.openStation(
            writeStation(dir, rack, dir.filePath(QStringLiteral("idle-%1.db").arg(slotCount))));
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
        const bool ok = typing < 0.5 && still < 0.5;
        quiet = quiet && ok;
        std::printf("%d empty slots, idle CPU           %.3f %% of one core (operator field "
                    "focused), %.3f %% (a tile focused), %d s each   goal ~0 (< 0.5 %%)  %s\n",
                    slotCount, typing, still, idleSeconds, ok ? "PASS" : "FAIL");
        std::printf("resident memory (RSS)              %.1f MiB\n", bench::rssMiB());
    }
    return latency && quiet ? 0 : 1;
}
