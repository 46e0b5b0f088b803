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

} // namespace zomar::test
