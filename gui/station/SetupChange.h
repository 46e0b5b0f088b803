#pragma once
// What it takes to replace a running station's setup: no module in flight,
// the PIN when one is set, then the engineer's new setup (edited, new, or
// another station file). New modules wait meanwhile (SetupPause), so none is
// in flight once the change is applied.

#include "core/fleet/StationFile.h"

#include <QPointer>
#include <QString>

#include <optional>

class QWidget;

namespace zomar {

class FilePrompter;
class MessagePrompter;
class StationLine;

// Holds new modules back while it lives.
class SetupPause
{
public:
    explicit SetupPause(StationLine *line);
    ~SetupPause();
    SetupPause(const SetupPause &) = delete;
    SetupPause &operator=(const SetupPause &) = delete;

private:
    QPointer<StationLine> m_line;
};

class SetupChange
{
public:
    // A setup to keep in `path` and run.
    struct NewSetup {
        StationSetup setup;
        QString path;
    };

    SetupChange(QWidget *parent, MessagePrompter &messages, FilePrompter &files);

    // Each asks what `running` (nullptr: none) requires first; nullopt or ""
    // when that is refused or the engineer cancels.
    std::optional<StationSetup> edited(const StationLine *running, const QString &path);
    std::optional<NewSetup> created(const StationLine *running);
    // The dialog starts in folder ("" for the working folder).
    QString fileToOpen(const StationLine *running, const QString &folder);

private:
    bool allowed(const StationLine *running, const QString &why);
    bool idle(const StationLine *running);
    bool unlocked(const StationLine *running, const QString &why);

    QWidget *m_parent;
    MessagePrompter &m_messages;
    FilePrompter &m_files;
};

} // namespace zomar
