#include "gui/station/SetupChange.h"

#include "gui/station/PinPrompt.h"
#include "gui/station/StationLine.h"
#include "gui/station/StationSetupDialog.h"
#include "gui/station/StationTitle.h"
#include "gui/window/FilePrompter.h"
#include "gui/window/MessagePrompter.h"

namespace zomar {

SetupPause::SetupPause(StationLine *line) : m_line(line)
{
    if (m_line)
        m_line->setPaused(true);
}

SetupPause::~SetupPause()
{
    if (m_line)
        m_line->setPaused(false);
}

SetupChange::SetupChange(QWidget *parent, MessagePrompter &messages, FilePrompter &files)
    : m_parent(parent), m_messages(messages), m_files(files)
{}

std::optional<StationSetup> SetupChange::edited(const StationLine *running, const QString &path)
{
    if (!allowed(running, QCoreApplication::translate("zomar::SetupChange", "The setup of this station is guarded by a PIN.")))
        return std::nullopt;
    StationSetupDialog dialog(running ? running->setup() : StationSetup{}, path, m_files, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.setup();
}

std::optional<SetupChange::NewSetup> SetupChange::created(const StationLine *running)
{
    if (!allowed(running, QCoreApplication::translate("zomar::SetupChange", "A new station replaces this one, whose setup is "
                                         "guarded by a PIN.")))
        return std::nullopt;
    StationSetupDialog dialog(StationSetup{}, QString(), m_files, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString path = m_files.choose(FileRequest::saveAs(
        QCoreApplication::translate("zomar::SetupChange", "Keep the station's setup in"), QStringLiteral("station.json"),
        QCoreApplication::translate("zomar::SetupChange", "Station files (*.json)")));
    if (path.isEmpty())
        return std::nullopt;
    return NewSetup{dialog.setup(), path};
}

QString SetupChange::fileToOpen(const StationLine *running, const QString &folder)
{
    if (!allowed(running, QCoreApplication::translate("zomar::SetupChange", "Another station replaces this one, whose setup is "
                                         "guarded by a PIN.")))
        return {};
    FileRequest request;
    request.caption = QCoreApplication::translate("zomar::SetupChange", "Open a station");
    request.folder = folder;
    request.filter = QCoreApplication::translate("zomar::SetupChange", "Station files (*.json);;All files (*)");
    return m_files.choose(request);
}

bool SetupChange::allowed(const StationLine *running, const QString &why)
{
    return idle(running) && unlocked(running, why);
}

bool SetupChange::idle(const StationLine *running)
{
    const int busy = running ? running->inFlight() : 0;
    if (busy == 0)
        return true;
    m_messages.inform(
        busy == 1 ? QCoreApplication::translate("zomar::SetupChange",
                                                "Wait until the module being programmed has "
                                                "finished.")
                  : QCoreApplication::translate("zomar::SetupChange",
                                                "Wait until the %n modules being programmed have "
                                                "finished.",
                                                nullptr, busy),
        stationTitle());
    return false;
}

bool SetupChange::unlocked(const StationLine *running, const QString &why)
{
    if (!running || !running->setup().pin)
        return true;
    const std::optional<QString> pin = PinPrompt::ask(m_parent, why);
    if (!pin)
        return false;
    if (running->setup().pin->matches(*pin))
        return true;
    m_messages.inform(QCoreApplication::translate("zomar::SetupChange", "Wrong PIN: the setup stays as it is."), stationTitle(),
                      MessageRequest::Warning);
    return false;
}

} // namespace zomar
