#pragma once
// "Language": the windows' language, each named in its own words, or the
// automatic choice (the system's, or a station's). The choice is kept in
// the settings and takes effect when the program starts again; the note
// that says so is in the language chosen as well.

#include <QObject>

class QActionGroup;
class QMenu;
class QMenuBar;

namespace zomar {

class AppSettings;
class MessagePrompter;

class LanguageMenu : public QObject
{
    Q_OBJECT
public:
    // automatic: what the first entry follows ("System language").
    LanguageMenu(QMenuBar *bar, const QString &automatic, AppSettings &settings,
                 MessagePrompter &messages, const QString &title);

    QMenu *menu() const { return m_menu; }
    // Chooses `code` ("" for the automatic choice) as the menu does.
    void choose(const QString &code);

private:
    AppSettings &m_settings;
    MessagePrompter &m_messages;
    QString m_title;
    QString m_automatic;
    QMenu *m_menu;
    QActionGroup *m_group;
};

} // namespace zomar
