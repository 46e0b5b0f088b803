// What the production store costs, against virtual modules run by zomar-sim
// in a process of their own:
//
// 1. One run over 16 modules, as the program command does it: with the store
//    (ProductionRun: open, run, close) beside the same run with the record of
//    the earlier version (the CSV log read for the highest address, an
//    address counter in memory, a row appended and fsynced per module), in
//    turns. Goal: the store adds at most 10 % wall time.
// 2. 4 processes allocating 1,000 addresses each from one store, each
//    allocation its own transaction (counter moved, unit committed, on disk).
//    Allocations per second over all four. Goal: at least 200/s.
//
//   store_bench [ROUNDS]        (default 5)
//   store_bench --allocate N --store FILE   (one allocating process)

#include "core/store/AddressAllocator.h"
#include "core/line/LineProgrammer.h"
#include "core/run/ProductionRun.h"
#include "core/line/ProgramLog.h"
#include "bench/LineBench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace zomar;

namespace {

constexpr int kModules = 16;
constexpr int kProcesses = 4;
constexpr int kAllocations = 1000;

using bench::median;

// The earlier version's record: the log, read at the start for the highest
// address written with the profile; then an address from memory per module
// and a row appended and fsynced once its outcome is known.
class CsvRecord : public LineRecord
{
public:
    CsvRecord(const QString &path, quint32 from) : m_allocator(from, 1)
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            std::optional<quint32> highest;
            for (const QStringList &row : ProgramLog::parseCsv(file.readAll()).mid(1))
                if (row.size() > 10 && !row.at(10).isEmpty())
                    highest = std::max(highest.value_or(0), row.at(8).toUInt(nullptr, 16));
            if (highest)
                m_allocator.resumeAfter(*highest);
        }
        m_log.open(path);
    }
    void reserve(const UnitStart &, QObject *context,
                 std::function<void(const Reservation &)> done) override
    {
        Reservation r;
        r.local = m_allocator.take();
        QTimer::singleShot(0, context, [done, r] { done(r); });
    }
    void settle(const UnitSettlement &s, QObject *context,
                std::function<void(const QString &)> done) override
    {
        if (!s.packetSent && s.local)
            m_allocator.giveBack(*s.local);
        ProgramRow row;
        row.time = QDateTime::currentDateTime();
        row.local = s.local ? addressHex(*s.local) : QString();
        row.blockWritten = s.written ? blockHex(s.written->toBytes()) : QString();
        row.pass = s.pass;
        row.message = s.message;
        const QString error = m_log.append(row);
        QTimer::singleShot(0, context, [done, error] { done(error); });
    }

private:
    AddressAllocator m_allocator;
    ProgramLog m_log;
};

// Runs the programmer over the devices until every module is done.
bool programAll(LineProgrammer &programmer, const QStringList &devices)
{
    int done = 0;
    bool allPassed = true;
    QEventLoop loop;
    QObject::connect(&programmer, &LineProgrammer::moduleFinished, &loop,
                     [&](const ModuleOutcome &o) {
                         allPassed = allPassed && o.pass;
                         if (++done == devices.size())
                             loop.quit();
                     });
    QList<ModuleJob> jobs;
    for (const QString &d : devices)
        jobs << ModuleJob{d, {}, {}, {}};
    programmer.program(jobs);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return allPassed && done == devices.size();
}

double csvRun(const QString &profile, const QString &log, const QStringList &devices)
{
    QElapsedTimer t;
    t.start();
    const ProfileReading reading = readProfile(profile);
    CsvRecord record(log, 0x10000);
    LineProgrammer programmer(*reading.profile, kDefaultLineSpeed);
    programmer.setRecord(&record);
    if (!programAll(programmer, devices))
        return -1;
    return double(t.nsecsElapsed()) / 1e9;
}

double storeRun(const QString &profile, const QString &store, const QStringList &devices)
{
    QElapsedTimer t;
    t.start();
    ProductionRun run;
    LineSetup setup;
    setup.profilePath = profile;
    setup.localFrom = 0x10000;
    setup.store = store;
    setup.modules = int(devices.size());
    setup.program = QStringLiteral("store_bench");
    if (const SetupRefusal refused = run.open(setup)) {
        std::fprintf(stderr, "store_bench: %s\n", qPrintable(refused.message));
        return -1;
    }
    if (!programAll(*run.programmer(), devices) || !run.close().isEmpty())
        return -1;
    return double(t.nsecsElapsed()) / 1e9;
}

int allocate(const QString &path, int count)
{
    QString error;
    auto store = ProductionStore::open(path, ProductionStore::Mode::Create, &error);
    if (!store) {
        std::fprintf(stderr, "store_bench: %s\n", qPrintable(error));
        return 2;
    }
    const ProductionStore::RunStart run = store->beginRun(RunIdentity::current(), "store_bench");
    RunContext context{run.runId, {}, RunIdentity::hostName(), {}, {}};
    Profile profile;
    profile.channel = 1600;
    context.poolId = store->openPool(PoolKey::of(profile, 0x20000, 1), {}, {}, &error);
    if (!run.error.isEmpty() || !context.poolId) {
        std::fprintf(stderr, "store_bench: %s%s\n", qPrintable(run.error), qPrintable(error));
        return 2;
    }
    UnitBatch outcomes;
    for (int i = 0; i < count; ++i) {
        UnitBatch one;
        one.starts << UnitStart{{QStringLiteral("bench"), {}, {}, {}}};
        error = store->record(context, one);
        if (!error.isEmpty() || !one.reservations.first().local) {
            std::fprintf(stderr, "store_bench: allocation %d: %s\n", i, qPrintable(error));
            return 2;
        }
        UnitSettlement s;
        s.unitId = one.reservations.first().unitId;
        s.pass = true;
        s.packetSent = true;
        s.local = one.reservations.first().local;
        outcomes.settlements << s;
    }
    error = store->record(context, outcomes);
    if (error.isEmpty())
        error = store->endRun(run.runId);
    if (!error.isEmpty())
        std::fprintf(stderr, "store_bench: %s\n", qPrintable(error));
    return error.isEmpty() ? 0 : 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("--allocate"))
        return allocate(args.at(4), args.at(2).toInt());
    const int rounds = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 5;
    QTemporaryDir dir;
    const QString profile = bench::writeProfile(dir);
    QProcess sim;
    const QStringList devices = bench::startModules(sim, kModules);
    if (devices.size() != kModules) {
        std::fprintf(stderr, "store_bench: zomar-sim did not start %d modules\n", kModules);
        return 2;
    }
    std::vector<double> csv, store;
    for (int i = 0; i < rounds; ++i) {
        csv.push_back(csvRun(profile, dir.filePath(QStringLiteral("line.csv")), devices));
        store.push_back(storeRun(profile, dir.filePath(QStringLiteral("line.db")), devices));
        if (csv.back() < 0 || store.back() < 0) {
            std::fprintf(stderr, "store_bench: a run over %d modules failed\n", kModules);
            return 2;
        }
    }
    const double c = median(csv), s = median(store);
    const double added = 100.0 * (s - c) / c;
    std::printf("program %d modules  CSV log %.3f s  store %.3f s  (median of %d)  store adds "
                "%+.1f %%   goal <= 10 %%  %s\n",
                kModules, c, s, rounds, added, added <= 10 ? "PASS" : "FAIL");
    sim.terminate();
    sim.waitForFinished();

    const QString shared = dir.filePath(QStringLiteral("shared.db"));
    std::vector<std::unique_ptr<QProcess>> children;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kProcesses; ++i) {
        children.push_back(std::make_unique<QProcess>());
        children.back()->setProcessChannelMode(QProcess::ForwardedChannels);
        children.back()->start(QCoreApplication::applicationFilePath(),
                               {QStringLiteral("--allocate"), QString::number(kAllocations),
                                QStringLiteral("--store"), shared});
    }
    bool ok = true;
    for (auto &child : children)
        ok = child->waitForFinished(300000) && child->exitCode() == 0 && ok;
    const double wall = double(t.nsecsElapsed()) / 1e9;
    int distinct = 0;
    {
        QString error;
        auto check = ProductionStore::open(shared, ProductionStore::Mode::Existing, &error);
        QSqlQuery q(check->database());
        if (q.exec(QStringLiteral("SELECT COUNT(DISTINCT held_address) FROM units")) && q.next())
            distinct = q.value(0).toInt();
    }
    const double rate = kProcesses * kAllocations / wall;
    std::printf("%d processes x %d allocations  %.1f s  %.0f allocations/s  (%d distinct "
                "addresses)   goal >= 200/s  %s\n",
                kProcesses, kAllocations, wall, rate, distinct,
                ok && distinct == kProcesses * kAllocations && rate >= 200 ? "PASS" : "FAIL");
    return added <= 10 && rate >= 200 && ok && distinct == kProcesses * kAllocations ? 0 : 1;
}
