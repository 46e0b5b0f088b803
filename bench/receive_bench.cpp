// Receive-path benchmark: how fast the window takes in a flood of bytes, and
// how much CPU a steady 38400-baud stream costs it.
//
// Runs the real window on a pseudo-terminal whose other side is driven by a
// lean thread of this program (it writes the stream and drains what the
// window sends back), so the CPU figures are the window's own. The terminal
// page is shown; the repeater's boxes take every byte too. Not a test: run it
// by hand (see README.md).

#include "core/settings/AppSettings.h"
#include "gui/window/Form1.h"
#include "gui/window/MessagePrompter.h"
#include "gui/window/PageNavigator.h"
#include "gui/connection/PortConnection.h"
#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "gui/timing/IntervalTimer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace zomar;

namespace {

constexpr double kThroughputTarget = 1'000'000.0; // bytes per second
constexpr double kCpuTarget = 2.0;                // % of one core at 38400 baud

// No one answers message boxes here: say what was asked and take the default.
class PrintingPrompter : public MessagePrompter
{
public:
    MessageRequest::Answer ask(const MessageRequest &request) override
    {
        std::fprintf(stderr, "message box: %s\n", qPrintable(request.text));
        return request.defaultAnswer;
    }
};

// Printable letters, so nothing in the stream is a byte the receive path skips.
QByteArray letters(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

// The far end of the line: a pseudo-terminal master written and drained by
// one thread, as a radio module would.
class LineDriver
{
public:
    ~LineDriver()
    {
        join();
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }

    bool open(QString *error)
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        termios raw{};
        if (::tcgetattr(m_slave, &raw) == 0) {
            ::cfmakeraw(&raw);
            ::tcsetattr(m_slave, TCSANOW, &raw);
        }
        // The slave stays open here too, so the master never sees a hang-up.
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_path = QString::fromLocal8Bit(name);
        return true;
    }
    QString path() const { return m_path; }

    // `total` bytes as fast as the terminal takes them.
    void flood(qint64 total)
    {
        join();
        m_thread = std::thread([this, total] { run(letters(64 * 1024), total, 0); });
    }
    // `chunks` chunks of `chunk` bytes, one every `periodMs`.
    void steady(int chunk, int periodMs, int chunks)
    {
        join();
        m_thread = std::thread([this, chunk, periodMs, chunks] {
            run(letters(chunk), qint64(chunk) * chunks, periodMs);
        });
    }
    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    // What the window sent, since the last call.
    QByteArray takeReceived()
    {
        if (!m_thread.joinable())
            drain();
        std::lock_guard<std::mutex> lock(m_mutex);
        QByteArray out;
        out.swap(m_received);
        return out;
    }

private:
    void drain()
    {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                return;
            std::lock_guard<std::mutex> lock(m_mutex);
            m_received.append(buffer, n);
        }
    }

    // Writes `total` bytes from `chunk` (repeated), one chunk per period, or
    // continuously when the period is 0; drains the other direction meanwhile.
    void run(const QByteArray &chunk, qint64 total, int periodMs)
    {
        using Clock = std::chrono::steady_clock;
        auto due = Clock::now();
        qint64 left = total;
        qsizetype pending = 0; // bytes of the current chunk not yet written
        qsizetype offset = 0;
        while (left > 0 || pending > 0) {
            const auto now = Clock::now();
            if (pending == 0 && left > 0 && (periodMs == 0 || now >= due)) {
                pending = qMin<qint64>(left, chunk.size());
                offset = 0;
                left -= pending;
                due += std::chrono::milliseconds(periodMs);
            }
            int timeoutMs = -1;
            if (pending == 0)
                timeoutMs = int(std::chrono::ceil<std::chrono::milliseconds>(due - now).count());
            pollfd pfd{m_master, short(POLLIN | (pending > 0 ? POLLOUT : 0)), 0};
            ::poll(&pfd, 1, qMax(timeoutMs, 0));
            if (pfd.revents & POLLIN)
                drain();
            if (pending > 0 && (pfd.revents & POLLOUT)) {
                const ssize_t n = ::write(m_master, chunk.constData() + offset, size_t(pending));
                if (n > 0) {
                    offset += n;
                    pending -= n;
                }
            }
        }
    }

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    std::thread m_thread;
    std::mutex m_mutex;
    QByteArray m_received;
};

struct CpuClock {
    double processMs = 0; // every thread, the line driver's included
    double threadMs = 0;  // the window's thread alone

    static CpuClock now()
    {
        const auto ms = [](const rusage &use) {
            const auto t = [](const timeval &v) {
                return double(v.tv_sec) * 1e3 + double(v.tv_usec) / 1e3;
            };
            return t(use.ru_utime) + t(use.ru_stime);
        };
        rusage process{};
        rusage thread{};
        getrusage(RUSAGE_SELF, &process);
        getrusage(RUSAGE_THREAD, &thread);
        return {ms(process), ms(thread)};
    }
};

// Runs the event loop until `done` holds or the time is up; blocks between
// events rather than polling hard.
bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer check;
    check.setInterval(5);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > timeoutMs)
            loop.quit();
    });
    check.start();
    if (!done())
        loop.exec();
    return done();
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

struct SteadyResult {
    double processPercent = 0;
    double threadPercent = 0;
    quint64 bytes = 0;
};

// 3840 bytes/s as 96 bytes every 25 ms, for `seconds`.
SteadyResult steadyStream(LineDriver &line, const quint64 &handled, int seconds)
{
    constexpr int kChunk = 96;
    constexpr int kPeriodMs = 25;
    const int chunks = seconds * 1000 / kPeriodMs;
    const quint64 before = handled;
    QElapsedTimer wall;
    wall.start();
    const CpuClock start = CpuClock::now();
    line.steady(kChunk, kPeriodMs, chunks);
    runFor(seconds * 1000);
    const CpuClock end = CpuClock::now();
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;
    // Let the last chunk in before the next measurement.
    runUntil([&] { return handled - before >= quint64(chunks) * kChunk; }, 2000);
    line.join();
    SteadyResult r;
    r.processPercent = 100.0 * (end.processMs - start.processMs) / wallMs;
    r.threadPercent = 100.0 * (end.threadMs - start.threadMs) / wallMs;
    r.bytes = handled - before;
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Receive-path benchmark"));
    parser.addHelpOption();
    const QCommandLineOption floodOption(
        QStringLiteral("flood-mb"),
        QStringLiteral("Megabytes in the flood (default 20; 0 skips it)."), QStringLiteral("mb"),
        QStringLiteral("20"));
    const QCommandLineOption secondsOption(
        QStringLiteral("seconds"),
        QStringLiteral("Seconds of each steady-stream measurement (default 5)."),
        QStringLiteral("s"), QStringLiteral("5"));
    parser.addOption(floodOption);
    parser.addOption(secondsOption);
    parser.process(app);
    const qint64 floodBytes = qMax(0, parser.value(floodOption).toInt()) * qint64(1'000'000);
    const int seconds = qMax(1, parser.value(secondsOption).toInt());

    LineDriver line;
    QString error;
    if (!line.open(&error)) {
        std::fprintf(stderr, "cannot open a pseudo-terminal: %s\n", qPrintable(error));
        return 2;
    }
    QTemporaryDir dir;
    AppSettings settings(dir.filePath(QStringLiteral("settings.ini")));
    PortResolver resolver;
    resolver.setSystemPortsSource([] { return QList<SystemPort>{}; });
    resolver.setExplicit(1, line.path(), QStringLiteral("benchmark line"));
    PrintingPrompter prompter;

    Form1 form(settings, resolver, prompter);
    Form1Controls &ui = form.controls();
    form.show();
    form.navigator().windowKeyReleased(Qt::Key_F1, Qt::ShiftModifier); // the test tabs
    ui.TabStrip1->setCurrentIndex(2);                                  // "Terminal"

    // Every receive event reads one byte; this runs after the receive path's own handler.
    quint64 handled = 0;
    QObject::connect(&form.comm(), &SerialLink::commEvent, &form, [&handled] { ++handled; });

    // Nothing answers the read that follows the connect; that is fine here.
    form.portConnection().connectClicked();
    if (!form.comm().portOpen() ||
        !runUntil([&] { return !form.pointer().isBusy() && !form.timer1().isEnabled(); }, 5000)) {
        std::fprintf(stderr, "could not connect to %s (%s)\n", qPrintable(line.path()),
                     qPrintable(form.statusText()));
        return 2;
    }
    line.takeReceived(); // "+++" and "---"
    std::printf("connected to %s\n", qPrintable(form.comm().deviceName()));
    bool allMet = true;

    // (a) Flood: everything at once, as fast as the terminal carries it.
    if (floodBytes > 0) {
        const quint64 before = handled;
        QElapsedTimer wall;
        wall.start();
        const CpuClock start = CpuClock::now();
        line.flood(floodBytes);
        const bool complete =
            runUntil([&] { return handled - before >= quint64(floodBytes); }, 10 * 60 * 1000);
        const CpuClock end = CpuClock::now();
        line.join();
        const double secs = double(wall.nsecsElapsed()) / 1e9;
        const double rate = double(handled - before) / secs;
        std::printf("receive throughput: %.0f bytes/s (%llu bytes in %.2f s%s; window thread "
                    "%.0f %% of one core) target >= %.0f: %s\n",
                    rate, static_cast<unsigned long long>(handled - before), secs,
                    complete ? "" : ", INCOMPLETE",
                    100.0 * (end.threadMs - start.threadMs) / (secs * 1e3), kThroughputTarget,
                    rate >= kThroughputTarget ? "met" : "MISSED");
        allMet = rate >= kThroughputTarget;
    }
    runFor(300); // the quiet-line timer ends the burst

    const auto report = [](const char *what, const SteadyResult &r, bool judged) {
        const bool met = r.processPercent < kCpuTarget;
        std::printf("CPU at 38400 baud%s: %.2f %% of one core (window thread %.2f %%; %llu "
                    "bytes)",
                    what, r.processPercent, r.threadPercent,
                    static_cast<unsigned long long>(r.bytes));
        if (judged)
            std::printf(" target < %.0f: %s", kCpuTarget, met ? "met" : "MISSED");
        std::printf("\n");
        return met;
    };

    // (b) A steady 38400-baud stream: 96 bytes every 25 ms.
    allMet = report("", steadyStream(line, handled, seconds), true) && allMet;

    // (c) The same with both test pages in use at their start-up settings:
    // loopback on (delay "100", so a stream with 25 ms gaps is never echoed
    // but re-arms the delay for every byte) and the continuous send every 500 ms.
    // (d) Busier: a 10 ms delay echoes every chunk, and the continuous send
    // ticks every 50 ms. Shown for information; the target is for (b) and (c).
    struct Busy {
        const char *what;
        const char *delay;
        const char *period;
        bool judged;
    };
    const Busy busy[] = {{", loopback and continuous send on", "100", "500", true},
                         {", echo per chunk, continuous send every 50 ms", "10", "50", false}};
    for (const Busy &b : busy) {
        ui.Text23->setText(QString::fromLatin1(b.delay));
        ui.Text24->setText(QString::fromLatin1(b.period));
        ui.Command10->click(); // "Loopback On"
        ui.Command8->click();  // "Cont Send On"
        line.takeReceived();
        const SteadyResult r = steadyStream(line, handled, seconds);
        ui.Command8->click();
        ui.Command10->click();
        runFor(200);
        const bool met = report(b.what, r, b.judged);
        allMet = allMet && (met || !b.judged);
        const QByteArray back = line.takeReceived();
        int echoes = 0;
        for (const char c : back)
            echoes += (c >= 'a' && c <= 'z') ? 1 : 0;
        std::printf("  (the window sent back %d echoes and %lld continuous-send bytes)\n", echoes,
                    static_cast<long long>(back.size() - echoes));
    }

    return allMet ? 0 : 1;
}
