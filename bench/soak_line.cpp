// Soak of the real window: the far end of its line, for bench/soak.sh.
//
// Opens a pseudo-terminal and writes the name of its terminal side to
// --pty-file; soak.sh starts zomar-setup on it, reveals the test pages,
// switches loopback on and writes the window's process id to --pid-file. Then
// this program checks that an echo comes back, feeds random bytes (every value
// 0..255, in bursts with random pauses) for --minutes while counting the
// echoes, and prints the window's RSS at start and end and the CPU time it
// used, beside the goal. With --flood it writes as fast as --rate allows
// instead, with a quiet spell now and then, for the capture window: its ring
// fills and must then stay bounded, so the goal is on the RSS growth over the
// last third of the run. Not a test: run it by hand (see README.md).

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <random>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr double kRssGrowthGoalMb = 1.0; // in ten minutes
// A flood fills the capture ring in its first third; after that the RSS must
// level off.
constexpr double kFloodLastThirdGoalMb = 2.0;
constexpr int kFloodQuietEveryMs = 2000;
constexpr int kEchoDelayMs = 100; // the repeater's delay at start-up
constexpr int kLongPauseMs = 120; // quiet long enough for an echo

struct ProcessFigures {
    double rssMb = 0;
    double peakRssMb = 0;
    double cpuSeconds = 0; // user + system
};

std::optional<ProcessFigures> figuresOf(qint64 pid)
{
    ProcessFigures f;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : status.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words[0] == "VmRSS:")
            f.rssMb = words[1].toDouble() / 1024.0;
        if (words.size() >= 2 && words[0] == "VmHWM:")
            f.peakRssMb = words[1].toDouble() / 1024.0;
    }
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The command name may hold blanks: the fields counted here follow its ')'.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return std::nullopt;
    const double ticks = double(::sysconf(_SC_CLK_TCK));
    f.cpuSeconds = (fields[11].toDouble() + fields[12].toDouble()) / ticks; // utime, stime
    return f;
}

class Line
{
public:
    ~Line()
    {
        for (int fd : {m_master, m_slave}) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    // The terminal side stays open here too, so this side never sees a hang-up.
    bool open(QString *path)
    {
        termios raw{};
        ::cfmakeraw(&raw);
        ::cfsetspeed(&raw, B38400);
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0)
            return false;
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        *path = QString::fromLocal8Bit(name);
        return true;
    }
    void write(const QByteArray &bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0) {
                done += n;
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                return;
            } else {
                pollfd pfd{m_master, POLLOUT, 0};
                ::poll(&pfd, 1, 50);
            }
        }
    }
    // Bytes the window sent within the next `ms` milliseconds.
    QByteArray readFor(int ms)
    {
        QByteArray got;
        QElapsedTimer clock;
        clock.start();
        for (qint64 left = ms; left > 0; left = ms - clock.elapsed()) {
            pollfd pfd{m_master, POLLIN, 0};
            if (::poll(&pfd, 1, int(left)) > 0 && (pfd.revents & POLLIN)) {
                char buffer[4096];
                const ssize_t n = ::read(m_master, buffer, sizeof buffer);
                if (n > 0)
                    got.append(buffer, n);
            }
        }
        return got;
    }

private:
    int m_master = -1;
    int m_slave = -1;
};

bool writeFileAtomically(const QString &path, const QByteArray &content)
{
    QFile file(path + QStringLiteral(".part"));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    return ::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) == 0;
}

std::optional<qint64> waitForPid(const QString &path, int seconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            bool ok = false;
            const qint64 pid = file.readAll().trimmed().toLongLong(&ok);
            if (ok && pid > 0)
                return pid;
        }
        ::usleep(100 * 1000);
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Far end of the line for bench/soak.sh: feeds random bytes to the window."));
    parser.addHelpOption();
    const QCommandLineOption minutesOption(QStringLiteral("minutes"),
                                           QStringLiteral("How long to feed (default 10)."),
                                           QStringLiteral("M"), QStringLiteral("10"));
    const QCommandLineOption ptyOption(QStringLiteral("pty-file"),
                                       QStringLiteral("Where to write the terminal's name."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption pidOption(QStringLiteral("pid-file"),
                                       QStringLiteral("Where the window's process id appears."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the random bytes and pauses."),
                                        QStringLiteral("N"));
    const QCommandLineOption floodOption(
        QStringLiteral("flood"),
        QStringLiteral(
            "Write without the random pauses, at --rate, with a quiet spell every 2 s."));
    const QCommandLineOption rateOption(QStringLiteral("rate"),
                                        QStringLiteral("Flood rate in kB/s (default 200)."),
                                        QStringLiteral("kB"), QStringLiteral("200"));
    parser.addOptions({minutesOption, ptyOption, pidOption, seedOption, floodOption, rateOption});
    parser.process(app);
    const double minutes = parser.value(minutesOption).toDouble();
    if (minutes <= 0 || !parser.isSet(ptyOption) || !parser.isSet(pidOption)) {
        std::fprintf(stderr, "soak_line: needs --pty-file, --pid-file and --minutes > 0\n");
        return 2;
    }
    const bool flood = parser.isSet(floodOption);
    const double rate = parser.value(rateOption).toDouble() * 1000.0; // bytes per second
    if (flood && rate <= 0) {
        std::fprintf(stderr, "soak_line: --rate must be above 0\n");
        return 2;
    }
    const unsigned seed =
        parser.isSet(seedOption) ? parser.value(seedOption).toUInt() : std::random_device{}();

    Line line;
    QString path;
    if (!line.open(&path) ||
        !writeFileAtomically(parser.value(ptyOption), QFile::encodeName(path))) {
        std::fprintf(stderr, "soak_line: cannot open a pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 2;
    }
    const std::optional<qint64> pid = waitForPid(parser.value(pidOption), 180);
    if (!pid) {
        std::fprintf(stderr, "soak_line: the window's process id did not appear\n");
        return 2;
    }

    // What the connect sent ("+++", "---") goes; then one byte must come back.
    line.readFor(500);
    line.write(QByteArrayLiteral("L"));
    const QByteArray probe = line.readFor(kEchoDelayMs + 2000);
    if (probe != "L") {
        std::fprintf(stderr, "soak_line: no echo of a probe byte (got %d bytes): is loopback on?\n",
                     int(probe.size()));
        return 2;
    }

    const std::optional<ProcessFigures> start = figuresOf(*pid);
    if (!start) {
        std::fprintf(stderr, "soak_line: cannot read /proc/%lld\n", *pid);
        return 2;
    }
    std::printf("soak: %.1f min of random bytes%s, seed %u, window pid %lld on %s\n", minutes,
                flood ? qPrintable(QStringLiteral(" (a flood at %1 kB/s)").arg(rate / 1000.0)) : "",
                seed, *pid, qPrintable(path));
    std::fflush(stdout);

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byteValue(0, 255);
    std::uniform_int_distribution<int> burstLength(1, 32);
    std::uniform_int_distribution<int> percent(0, 99);
    qint64 fed = 0, bursts = 0, longPauses = 0, echoes = 0;
    // The RSS rises in the first minute and then levels off; growth after
    // that minute is what a leak would show.
    std::optional<double> rssAfterMinute;
    std::optional<double> rssAtTwoThirds;
    QElapsedTimer clock;
    clock.start();
    const qint64 total = qint64(minutes * 60'000);
    qint64 nextReport = 60'000;
    qint64 nextQuiet = kFloodQuietEveryMs;
    std::uniform_int_distribution<int> floodLength(64, 1024);
    while (clock.elapsed() < total) {
        if (!rssAtTwoThirds && clock.elapsed() >= total * 2 / 3) {
            if (const auto now = figuresOf(*pid))
                rssAtTwoThirds = now->rssMb;
        }
        if (flood) {
            QByteArray chunk(floodLength(random), Qt::Uninitialized);
            for (char &c : chunk)
                c = char(byteValue(random));
            line.write(chunk);
            fed += chunk.size();
            ++bursts;
            // Ahead of the rate: wait (reading echoes) until it is due.
            const qint64 due = qint64(double(fed) * 1000.0 / rate);
            int pauseMs = int(std::max<qint64>(0, due - clock.elapsed()));
            if (clock.elapsed() >= nextQuiet) {
                pauseMs += kLongPauseMs + 30;
                ++longPauses;
                nextQuiet += kFloodQuietEveryMs;
            }
            echoes += line.readFor(pauseMs).size();
        } else {
            QByteArray burst(burstLength(random), Qt::Uninitialized);
            for (char &c : burst)
                c = char(byteValue(random));
            line.write(burst);
            fed += burst.size();
            ++bursts;
            // Mostly bytes in quick succession, now and then a quiet line that
            // ends a burst (60 ms) or lets an echo out (100 ms).
            const int p = percent(random);
            const int pauseMs = p < 70 ? std::uniform_int_distribution<int>(0, 10)(random)
                                : p < 90
                                    ? std::uniform_int_distribution<int>(10, 60)(random)
                                    : std::uniform_int_distribution<int>(kLongPauseMs, 400)(random);
            longPauses += pauseMs >= kLongPauseMs;
            echoes += line.readFor(pauseMs).size();
        }
        if (clock.elapsed() >= nextReport) {
            const auto now = figuresOf(*pid);
            if (!now) {
                std::fprintf(stderr, "soak_line: the window is gone\n");
                return 2;
            }
            if (!rssAfterMinute)
                rssAfterMinute = now->rssMb;
            std::printf("  %3lld min: RSS %.2f MB, %lld echoes\n", nextReport / 60'000, now->rssMb,
                        echoes);
            std::fflush(stdout);
            nextReport += 60'000;
        }
    }
    echoes += line.readFor(kEchoDelayMs + 200).size();
    const std::optional<ProcessFigures> end = figuresOf(*pid);
    if (!end) {
        std::fprintf(stderr, "soak_line: the window is gone\n");
        return 2;
    }

    const double seconds = double(clock.elapsed()) / 1000.0;
    const double growth = end->rssMb - start->rssMb;
    const double cpu = end->cpuSeconds - start->cpuSeconds;
    std::printf("bytes fed: %lld in %lld bursts, %lld quiet spells of %d ms or more\n", fed, bursts,
                longPauses, kLongPauseMs);
    std::printf("echoes seen: %lld\n", echoes);
    std::printf("RSS at start: %.2f MB, at end: %.2f MB, peak %.2f MB\n", start->rssMb, end->rssMb,
                end->peakRssMb);
    if (flood)
        std::printf("RSS growth: %+.2f MB in %.1f min (the capture ring filling)\n", growth,
                    seconds / 60.0);
    else
        std::printf(
            "RSS growth: %+.2f MB in %.1f min   goal: RSS growth < %.0f MB in 10 minutes  %s\n",
            growth, seconds / 60.0, kRssGrowthGoalMb, growth < kRssGrowthGoalMb ? "met" : "MISSED");
    if (rssAfterMinute)
        std::printf("RSS growth after the first minute: %+.2f MB\n", end->rssMb - *rssAfterMinute);
    std::printf("CPU time used by the window: %.2f s (%.2f %% of one core)\n", cpu,
                100.0 * cpu / seconds);
    if (flood) {
        // The ring of an open capture fills first; from then on it must not grow.
        const double lastThird = rssAtTwoThirds ? end->rssMb - *rssAtTwoThirds : 0.0;
        const bool met = rssAtTwoThirds && lastThird < kFloodLastThirdGoalMb;
        std::printf("flood: %.1f kB/s fed on average\n", double(fed) / seconds / 1000.0);
        std::printf("RSS growth over the last third: %+.2f MB   goal: < %.0f MB once the capture "
                    "ring is full  %s\n",
                    lastThird, kFloodLastThirdGoalMb, met ? "met" : "MISSED");
        return met ? 0 : 1;
    }
    return growth < kRssGrowthGoalMb ? 0 : 1;
}
