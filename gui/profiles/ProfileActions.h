#pragma once
// Opening and saving profiles in the window: "Open Profile..." fills the
// modem page without writing anything (Set writes it), "Save Profile..."
// keeps the page's fields in a file, and the list of recent profiles.

#include "core/profiles/Profile.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace zomar {

struct FormContext;
class FieldEntry;
class AppSettings;
class FilePrompter;

class ProfileActions : public QObject
{
    Q_OBJECT
public:
    ProfileActions(FormContext &ctx, FieldEntry &fields, AppSettings &settings, FilePrompter &files,
                   QObject *parent = nullptr);

    void setFilePrompter(FilePrompter &files) { m_files = &files; }

    // Each runs once no read or write is under way.
    // Asks for a file, then opens it.
    void openProfile();
    // Reads the file and fills the page. A refused file shows its one line
    // and changes nothing.
    void openFile(const QString &path);
    // A file of the recent list; one that has gone is taken off the list.
    void openRecent(const QString &path);
    // Checks the page, asks for a file, writes it.
    void saveProfile();

    QStringList recentProfiles() const;
    void clearRecentProfiles();

signals:
    void recentChanged();

private:
    void openNow(const QString &path);
    void saveNow();
    void remember(const QString &path);
    QString startFolder() const;
    static QString shownName(const Profile &profile, const QString &path);

    FormContext &m_ctx;
    FieldEntry &m_fields;
    AppSettings &m_settings;
    FilePrompter *m_files;
    // The profile last opened or saved: saving over it keeps its name and comment.
    QString m_currentPath;
    std::optional<Profile> m_current;
};

} // namespace zomar
