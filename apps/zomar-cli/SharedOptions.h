#pragma once
// The options that several commands share (the port, the line speed, the
// simulation, the trace, the band, JSON, the band-plan region and antenna
// gain), worded for
// the command that takes them.

#include "apps/zomar-cli/Cli.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

namespace zomar {

struct SharedOptions {
    // many: --device and --port may be repeated; jsonLines: --json prints an
    // object per line as things happen.
    SharedOptions(bool many, bool jsonLines);
    // Adds those of `options` (Cli::Options) that the command takes.
    void addTo(QCommandLineParser &parser, int options) const;
    // The arguments for the parser, "--simulate" alone made "--simulate=1".
    static QStringList withSimulateCount(const QString &program, const QStringList &arguments);

    QCommandLineOption device, port, portMap, baud, simulate, trace, band, json, region,
        antennaGain;
};

} // namespace zomar
