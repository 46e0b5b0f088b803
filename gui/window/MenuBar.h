#pragma once
// The window's menu bar, above the tab strip: File (open and save profiles,
// recent profiles, Quit), Tools (Find Module, Link Test, Capture), Language
// and Help (About). It takes no key the window already uses: F1 and Shift+F1
// stay the test tabs' keys, and the terminal's typing box keeps every
// Ctrl+letter (see TypingBox).

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace zomar {

class ProfileActions;
class ModuleSearch;
class LinkTestLauncher;
class CaptureLauncher;
class MessagePrompter;
class AppSettings;
class LanguageMenu;

class MenuBar : public QObject
{
    Q_OBJECT
public:
    MenuBar(QWidget *window, ProfileActions &profiles, ModuleSearch &search,
            LinkTestLauncher &linkTest, CaptureLauncher &capture, AppSettings &settings,
            MessagePrompter &messages, QObject *parent = nullptr);

    QMenuBar *widget() const { return m_bar; }
    QAction *openAction() const { return m_open; }
    QAction *saveAction() const { return m_save; }
    QAction *quitAction() const { return m_quit; }
    QAction *findAction() const { return m_find; }
    QAction *linkTestAction() const { return m_linkTest; }
    QAction *captureAction() const { return m_capture; }
    QAction *aboutAction() const { return m_about; }
    QMenu *recentMenu() const { return m_recent; }
    LanguageMenu *languageMenu() const { return m_language; }

    // Version, Qt version and licence.
    static QString aboutText();

private:
    void rebuildRecent();
    void showAbout();

    ProfileActions &m_profiles;
    MessagePrompter &m_messages;
    QMenuBar *m_bar;
    QMenu *m_recent;
    LanguageMenu *m_language;
    QAction *m_open, *m_save, *m_quit, *m_find, *m_linkTest, *m_capture, *m_about;
};

} // namespace zomar
