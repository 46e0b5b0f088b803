// The capture's recorder under a flood, without a window or a line: random
// chunks of bytes both ways are recorded as fast as it takes them until the
// ring has been filled several times over. Prints how fast it records, the
// memory it holds once full and whether that memory stays level while the
// ring keeps turning over, beside the goals.

#include "bench/Measure.h"
#include "core/capture/CaptureRecorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <random>

using namespace zomar;

namespace {

constexpr double kRecordGoalMBps = 20.0;      // far above any line speed
constexpr double kFullRingGoalMb = 64.0;      // a ring of 100,000 bursts of 256 bytes
constexpr double kTurnoverGrowthGoalMb = 2.0; // while the ring turns over 40 more times

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(1, 1024);
    std::uniform_int_distribution<int> byteValue(0, 255);

    const double before = bench::rssMiB();
    CaptureRecorder capture;
    qint64 bytes = 0;
    // Each turn of direction ends a burst, and a long chunk is cut every 256
    // bytes: the bursts are as many and as large as a flood makes them.
    const auto feed = [&](quint64 untilSeq) {
        bool sent = false;
        while (capture.ring().endSeq() < untilSeq) {
            QByteArray chunk(length(random), Qt::Uninitialized);
            for (char &c : chunk)
                c = char(byteValue(random));
            capture.record(sent, chunk);
            sent = !sent;
            bytes += chunk.size();
        }
    };
    QElapsedTimer clock;
    clock.start();
    feed(kCaptureCapacity);
    const double seconds = double(clock.elapsed()) / 1000.0;
    const double full = bench::rssMiB();
    // The heap settles over the first turns; after that it must stay level.
    feed(5ull * kCaptureCapacity);
    const double settled = bench::rssMiB();
    feed(45ull * kCaptureCapacity);
    const double turned = bench::rssMiB();

    const double rate = double(bytes) / 1e6 / (double(clock.elapsed()) / 1000.0);
    const double held = full - before;
    const double growth = turned - settled;
    std::printf("recorded: %.1f MB/s, %.0f bursts/s   goal: >= %.0f MB/s  %s\n", rate,
                double(kCaptureCapacity) / seconds, kRecordGoalMBps,
                rate >= kRecordGoalMBps ? "met" : "MISSED");
    std::printf("memory of a full ring (%d bursts): %.1f MB   goal: <= %.0f MB  %s\n",
                capture.ring().size(), held, kFullRingGoalMb,
                held <= kFullRingGoalMb ? "met" : "MISSED");
    std::printf("after 5 turns %.1f MB; growth over 40 turns more (%llu dropped): %+.2f MB   goal: "
                "< %.0f MB  %s\n",
                settled - before, static_cast<unsigned long long>(capture.ring().dropped()), growth,
                kTurnoverGrowthGoalMb, growth < kTurnoverGrowthGoalMb ? "met" : "MISSED");
    const bool met =
        rate >= kRecordGoalMBps && held <= kFullRingGoalMb && growth < kTurnoverGrowthGoalMb;
    return met ? 0 : 1;
}
