#include "gui/profiles/ProfileActions.h"

#include "core/link/SerialLink.h"
#include "core/settings/AppSettings.h"
#include "gui/modem/OperationQueue.h"
#include "gui/profiles/PageProfile.h"
#include "gui/window/FilePrompter.h"
#include "gui/window/FormContext.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace zomar {

ProfileActions::ProfileActions(FormContext &ctx, FieldEntry &fields, AppSettings &settings,
                               FilePrompter &files, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_fields(fields), m_settings(settings), m_files(&files)
{}

QString ProfileActions::shownName(const Profile &profile, const QString &path)
{
    if (profile.name && !profile.name->trimmed().isEmpty())
        return profile.name->trimmed();
    return QFileInfo(path).completeBaseName();
}

QString ProfileActions::startFolder() const
{
    const QStringList recent = recentProfiles();
    if (!recent.isEmpty() && QFileInfo(QFileInfo(recent.first()).absolutePath()).isDir())
        return QFileInfo(recent.first()).absolutePath();
    return QDir::homePath();
}

// Every action waits for the read or write under way, if any: a dialog or
// message box opened inside its wait would hold the module in command mode
// until closed, and fields filled then would be overwritten by its answer.

void ProfileActions::openProfile()
{
    m_ctx.operations.run([this] {
        FileRequest request;
        request.mode = FileRequest::Open;
        request.caption = tr("Open Profile");
        request.folder = startFolder();
        request.filter = tr("Zomar profiles (*.json);;All files (*)");
        const QString path = m_files->choose(request);
        if (!path.isEmpty())
            openNow(path);
    });
}

void ProfileActions::openFile(const QString &path)
{
    m_ctx.operations.run([this, path] { openNow(path); });
}

void ProfileActions::openRecent(const QString &path)
{
    m_ctx.operations.run([this, path] {
        if (QFileInfo::exists(path)) {
            openNow(path);
            return;
        }
        m_settings.removeRecentProfile(path);
        m_settings.sync();
        emit recentChanged();
        m_ctx.messages.inform(
            tr("%1: no longer exists; it was taken off the recent profiles.").arg(path),
            tr("Profile not opened"), MessageRequest::Warning);
    });
}

void ProfileActions::saveProfile()
{
    m_ctx.operations.run([this] { saveNow(); });
}

void ProfileActions::openNow(const QString &path)
{
    const ProfileReading reading = readProfile(path);
    if (!reading.profile) {
        m_ctx.messages.inform(reading.error + QStringLiteral("\n\n") +
                                  tr("Nothing on the page was changed."),
                              tr("Profile not opened"), MessageRequest::Warning);
        return;
    }
    const Profile &profile = *reading.profile;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    remember(absolute);
    m_currentPath = absolute;
    m_current = profile;
    PageProfile::fill(m_ctx, m_fields, profile);
    const QString name = shownName(profile, absolute);
    // A connect or Refresh reads the module into the page again.
    if (m_ctx.ui.Command2->isEnabled())
        m_ctx.setStatus(tr("Profile %1 loaded: Set writes it to the module").arg(name));
    else if (!m_ctx.comm.portOpen())
        m_ctx.setStatus(
            tr("Profile %1 loaded: connect first, then open it again to Set it")
                .arg(name));
    else
        m_ctx.setStatus(
            tr("Profile %1 loaded: Refresh first, then open it again to Set it")
                .arg(name));
}

void ProfileActions::saveNow()
{
    const PageProfile::FromPage page = PageProfile::read(m_ctx);
    if (!page.profile) {
        m_ctx.messages.inform(page.problem, tr("Profile not saved"), MessageRequest::Warning);
        return;
    }
    FileRequest request;
    request.mode = FileRequest::Save;
    request.caption = tr("Save Profile");
    request.folder =
        m_currentPath.isEmpty() ? startFolder() : QFileInfo(m_currentPath).absolutePath();
    request.suggestedName = m_currentPath.isEmpty() ? QStringLiteral("profile.json")
                                                    : QFileInfo(m_currentPath).fileName();
    request.filter = tr("Zomar profiles (*.json);;All files (*)");
    request.defaultSuffix = QStringLiteral("json");
    const QString chosen = m_files->choose(request);
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();

    Profile profile = *page.profile;
    if (m_current && path == m_currentPath) {
        profile.name = m_current->name;
        profile.comment = m_current->comment;
    } else {
        profile.name = QFileInfo(path).completeBaseName();
    }
    const QString problem = zomar::saveProfile(profile, path);
    if (!problem.isEmpty()) {
        m_ctx.messages.inform(problem, tr("Profile not saved"), MessageRequest::Warning);
        return;
    }
    remember(path);
    m_currentPath = path;
    m_current = profile;
    m_ctx.setStatus(tr("Profile %1 saved to %2")
                        .arg(shownName(profile, path), QFileInfo(path).fileName()));
}

QStringList ProfileActions::recentProfiles() const
{
    return m_settings.recentProfiles();
}

void ProfileActions::clearRecentProfiles()
{
    m_settings.clearRecentProfiles();
    m_settings.sync();
    emit recentChanged();
}

void ProfileActions::remember(const QString &path)
{
    m_settings.addRecentProfile(path);
    // A problem writing the store is reported when the window closes.
    m_settings.sync();
    emit recentChanged();
}

} // namespace zomar
