#include "apps/zomar-station/SimulatedStation.h"

#include "core/files/FileWriter.h"
#include "core/stationsetup/StationFile.h"

#include <QFile>

namespace zomar {

namespace {

// 434.000 MHz, -9 dBm, 9600 bps: a profile to try the station with.
const QByteArray kSampleProfile = R"({
  "format": "zomar-profile",
  "version": 1,
  "name": "Sample line profile",
  "band": "433",
  "frequency_mhz": "434.000",
  "tx_power": "-9 dBm",
  "rf_speed": "9600 bps"
}
)";

} // namespace

SimulatedStation::SimulatedStation(int count)
    : m_rack(count, m_dir.filePath(QStringLiteral("by-path"))), m_demo(m_rack)
{}

QString SimulatedStation::prepare(const QString &stationFile, QString *error)
{
    StationSetup setup;
    if (!stationFile.isEmpty()) {
        const StationReading reading = readStationFile(stationFile);
        if (!reading.setup) {
            *error = reading.error;
            return {};
        }
        setup = *reading.setup;
        // The setup is saved elsewhere: its paths are taken whole.
        setup.profile = stationPath(stationFile, setup.profile);
        if (!setup.labelTemplate.isEmpty())
            setup.labelTemplate = stationPath(stationFile, setup.labelTemplate);
        if (setup.label.startsWith(QLatin1String("pdf:")))
            setup.label = QStringLiteral("pdf:") + stationPath(stationFile, setup.label.mid(4));
    } else {
        const QString profile = m_dir.filePath(QStringLiteral("sample-profile.json"));
        if (const WriteFailure failure = writeFileAtomically(profile, kSampleProfile);
            failure.failed()) {
            *error = failure.text();
            return {};
        }
        setup.station = QStringLiteral("Virtual station");
        setup.profile = profile;
        setup.localFrom = 0x00001000;
    }
    setup.store = m_dir.filePath(QStringLiteral("production.db"));
    setup.slotFolder = m_rack.folder();
    const QList<StationSlot> named = setup.slotList;
    setup.slotList.clear();
    for (int i = 0; i < m_rack.count(); ++i)
        setup.slotList << StationSlot{m_rack.portName(i), i < named.size()
                                                              ? named.at(i).name
                                                              : StationSetup::defaultSlotName(i)};
    const QString path = m_dir.filePath(QStringLiteral("station.json"));
    *error = saveStationFile(setup, path);
    return error->isEmpty() ? path : QString();
}

} // namespace zomar
