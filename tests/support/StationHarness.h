#pragma once
// A station window under test with its own settings, message boxes and file
// dialogs (answered by the test), what its record holds, and a station file
// of a rack's sockets.

#include "core/fleet/ProductionStore.h"
#include "core/fleet/StationFile.h"
#include "core/fleet/StoreReport.h"
#include "gui/station/SlotTile.h"
#include "gui/station/StationWindow.h"
#include "sim/SlotRack.h"
#include "tests/support/AnsweringFiles.h"

#include <QtTest>

namespace zomar::test {

// Windows made with the same folder share its settings file, as one user's
// windows do.
struct Station {
    explicit Station(const QString &folder)
        : settings(folder + "/settings.ini"), window(settings, messages, files)
    {
        window.setBell([this] { ++bells; });
        window.show();
    }
    SlotTile *tile(int i) const { return window.tiles().at(i); }
    QString word(int i) const { return tile(i)->word(); }

    AppSettings settings;
    RecordingPrompter messages;
    AnsweringFiles files;
    StationWindow window;
    int bells = 0;
};

// Keys go to a window once it is active again (a dialog was just closed).
inline bool activate(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline QList<UnitRow> unitsIn(const QString &store)
{
    QString error;
    auto s = ProductionStore::open(store, ProductionStore::Mode::Existing, &error);
    return s ? StoreReport::units(*s, {}, &error) : QList<UnitRow>();
}

// A station of `count` sockets in `folder` (named as a SlotRack names them),
// its pool from C0000001.
inline StationSetup stationOf(const QString &profile, const QString &store, const QString &folder,
                              int count)
{
    StationSetup s;
    s.profile = profile;
    s.localFrom = 0xC0000001;
    s.store = store;
    s.slotFolder = folder;
    for (int i = 0; i < count; ++i)
        s.slotList << StationSlot{SlotRack::socketName(i), StationSetup::defaultSlotName(i)};
    return s;
}

} // namespace zomar::test
