#pragma once
// A station of a line in station mode (zomar-cli program --wait), its
// modules plugged into a folder it watches, for the tests of a line on a
// PostgreSQL server.

#include "tests/cli/CliRun.h"
#include "tests/cli/LineTray.h"

#include <QFile>
#include <QRegularExpression>

namespace zomar::test {

using Tray = std::vector<std::unique_ptr<VirtualModule>>;

struct Station {
    std::unique_ptr<QProcess> process;
    QString hub;
    QString out, err;

    void pull()
    {
        out += QString::fromUtf8(process->readAllStandardOutput());
        err += QString::fromUtf8(process->readAllStandardError());
    }
    // Module lines (not the banners) so far.
    int results()
    {
        pull();
        static const QRegularExpression line(QStringLiteral("^(PASS|FAIL)  "),
                                             QRegularExpression::MultilineOption);
        return int(out.count(line));
    }
    bool says(const QString &text)
    {
        pull();
        return err.contains(text);
    }
    // Plugs modules from..to-1 of the tray in, as links m<i> in the hub.
    void plug(const Tray &tray, size_t from, size_t to) const
    {
        for (size_t i = from; i < to; ++i)
            QFile::link(tray[i]->devicePath(), hub + QStringLiteral("/m%1").arg(i));
    }
};

// A station's run on `modules` virtual modules: programmed from address
// `from`, recorded in the store, the run ended. The profile is written into
// `dir` the first time.
inline void programUnits(const QTemporaryDir &dir, const QProcessEnvironment &env,
                         const QString &store, const QString &station, int modules,
                         const QString &from)
{
    const QString profile = dir.filePath("line.json");
    if (!QFileInfo::exists(profile))
        writeFile(dir, "line.json", kLineProfile);
    const CliRun r = finishCli(*startCli({"program", "--simulate", QString::number(modules),
                                          "--profile", profile, "--local-from", from, "--store",
                                          store, "--station", station},
                                         {}, env),
                               60000);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
}

} // namespace zomar::test
