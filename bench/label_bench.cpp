// Labels: how long one takes to draw (PDF and ZPL; goal <= 50 ms each), and
// a tray of 16 virtual modules programmed by zomar-cli with labels to a PDF
// folder and to a label printer on loopback against the same tray without
// (goal <= 1.05x: labels are printed beside the line).

#include "bench/Measure.h"
#include "core/store/StoreReport.h"
#include "core/label/LabelRender.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace zomar;
using namespace zomar::bench;

namespace {

LabelData sample()
{
    LabelData d;
    d.unitId = QStringLiteral("9f1c2a9e-0c1b-4b7e-8d2a-3e4f5a6b7c8d");
    d.local = 0x12C;
    d.band = Band::Mhz433;
    d.channel = 1568;
    d.rfSpeedCode = 17;
    d.station = QStringLiteral("east");
    d.at = QDateTime::currentDateTimeUtc();
    d.serial = QStringLiteral("SN-0042");
    return d;
}

template <typename Draw>
double medianMs(Draw draw, int runs = 40)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        draw();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

// A label printer that answers every status request at once.
class Sink : public QTcpServer
{
public:
    Sink()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [s] {
                if (s->readAll().endsWith("~HS\n"))
                    s->write("\x02" "030,0,0,1245,000,0,0,0,000,0,0,0\x03\r\n\x02"
                             "000,0,0,0,0,2,4,0,00000000,1,000\x03\r\n\x02" "1234,0\x03\r\n");
            });
        });
    }
};

// Seconds for one run of zomar-cli, the event loop going meanwhile.
double runTray(const QStringList &args)
{
    QProcess p;
    QElapsedTimer t;
    QEventLoop loop;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    t.start();
    p.start(QStringLiteral(ZOMAR_CLI), args);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    const double s = double(t.nsecsElapsed()) / 1e9;
    if (p.state() != QProcess::NotRunning || p.exitCode() != 0) {
        std::fprintf(stderr, "label_bench: zomar-cli failed: %s\n",
                     p.readAllStandardError().constData());
        return -1;
    }
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    bool met = true;
    const LabelData d = sample();
    const LabelTemplate t;
    QString error;
    const double pdf = medianMs([&] { LabelRender::pdf(d, t, &error); });
    const double zpl = medianMs([&] { LabelRender::zpl(d, t, &error); });
    std::printf("label as PDF   %6.2f ms (median of 40)   goal <= 50 ms  %s\n", pdf,
                pdf <= 50 ? "PASS" : "FAIL");
    std::printf("label as ZPL   %6.2f ms (median of 40)   goal <= 50 ms  %s\n", zpl,
                zpl <= 50 ? "PASS" : "FAIL");
    met = pdf <= 50 && zpl <= 50;

    QTemporaryDir dir;
    QFile profile(dir.filePath(QStringLiteral("p.json")));
    profile.open(QIODevice::WriteOnly);
    profile.write(R"({"format": "zomar-profile", "version": 1, "band": "433",
 "frequency_mhz": "434.000", "rf_speed": "9600 bps"})");
    profile.close();
    QDir().mkpath(dir.filePath(QStringLiteral("labels")));
    Sink sink;
    const int runs = 5;
    const QList<QPair<QString, QString>> kinds = {
        {QStringLiteral("no labels"), QString()},
        {QStringLiteral("labels to PDF"), QStringLiteral("pdf:") + dir.filePath("labels")},
        {QStringLiteral("labels to ZPL"),
         QStringLiteral("zpl://127.0.0.1:%1").arg(sink.serverPort())}};
    // In turns, so that a change in the machine's load meanwhile weighs on
    // all three alike.
    std::vector<std::vector<double>> walls(kinds.size());
    int n = 0;
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < kinds.size(); ++k) {
            QStringList args{"program", "--simulate", "16", "--profile", profile.fileName(),
                             "--local-from", "100", "--store",
                             dir.filePath(QStringLiteral("tray-%1.db").arg(n++))};
            if (!kinds.at(k).second.isEmpty())
                args << "--label" << kinds.at(k).second;
            const double s = runTray(args);
            if (s < 0)
                return 2;
            walls[k].push_back(s);
        }
    }
    const double without = median(walls[0]);
    std::printf("tray of 16, %-14s %.3f s (median of %d)\n", qPrintable(kinds.at(0).first),
                without, runs);
    for (int k = 1; k < kinds.size(); ++k) {
        const double wall = median(walls[k]);
        const bool ok = wall <= 1.05 * without;
        met = met && ok;
        std::printf("tray of 16, %-14s %.3f s  %.3fx   goal <= 1.05x  %s\n",
                    qPrintable(kinds.at(k).first), wall, wall / without, ok ? "PASS" : "FAIL");
    }
    return met ? 0 : 1;
}
