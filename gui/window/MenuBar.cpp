#include "gui/window/MenuBar.h"

#include "core/Version.h"
#include "gui/capture/CaptureLauncher.h"
#include "gui/connection/LinkTestLauncher.h"
#include "gui/connection/ModuleSearch.h"
#include "gui/language/LanguageMenu.h"
#include "gui/profiles/ProfileActions.h"
#include "gui/window/MessagePrompter.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

namespace zomar {

namespace {

// A tap of Alt would give the menu bar the keyboard focus, with hardly a
// sign of it, and F1 on "Connect" would then reach the menu bar instead.
// Alt+letter still opens a menu.
class NoAltNavigationStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

MenuBar::MenuBar(QWidget *window, ProfileActions &profiles, ModuleSearch &search,
                 LinkTestLauncher &linkTest, CaptureLauncher &capture, AppSettings &settings,
                 MessagePrompter &messages, QObject *parent)
    : QObject(parent), m_profiles(profiles), m_messages(messages), m_bar(new QMenuBar(window))
{
    m_bar->setObjectName(QStringLiteral("MenuBar"));
    auto *style = new NoAltNavigationStyle;
    style->setParent(m_bar);
    m_bar->setStyle(style);
    QMenu *file = m_bar->addMenu(tr("&File"));
    m_open = file->addAction(tr("&Open Profile..."), &profiles,
                             &ProfileActions::openProfile);
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_save = file->addAction(tr("&Save Profile..."), &profiles,
                             &ProfileActions::saveProfile);
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_recent = file->addMenu(tr("&Recent Profiles"));
    file->addSeparator();
    m_quit = file->addAction(tr("&Quit"), window, &QWidget::close);
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *tools = m_bar->addMenu(tr("&Tools"));
    m_find =
        tools->addAction(tr("&Find Module..."), &search, &ModuleSearch::findModule);
    m_linkTest = tools->addAction(tr("&Link Test..."), &linkTest,
                                  &LinkTestLauncher::openLinkTest);
    // The test pages' "Capture..." buttons open the same window; this reaches
    // it from the keyboard too.
    m_capture = tools->addAction(tr("&Capture..."), &capture, &CaptureLauncher::open);

    m_language = new LanguageMenu(m_bar, tr("&System language"), settings, messages,
                                  applicationTitle());

    // No shortcut: F1 belongs to the test tabs.
    QMenu *help = m_bar->addMenu(tr("&Help"));
    m_about = help->addAction(tr("&About"), this, &MenuBar::showAbout);

    connect(&profiles, &ProfileActions::recentChanged, this, &MenuBar::rebuildRecent);
    rebuildRecent();
}

void MenuBar::rebuildRecent()
{
    m_recent->clear();
    const QStringList files = m_profiles.recentProfiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *a = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(a, &QAction::triggered, &m_profiles, [this, path] { m_profiles.openRecent(path); });
    }
    if (!files.isEmpty()) {
        m_recent->addSeparator();
        m_recent->addAction(tr("&Clear List"), &m_profiles,
                            &ProfileActions::clearRecentProfiles);
    }
    m_recent->setEnabled(!files.isEmpty());
}

QString MenuBar::aboutText()
{
    return tr("Zomar Setup Utility\nVersion %1\n\nSets up Zomar radio-modem modules "
              "on a serial port.\n\nBuilt with Qt %2, running on Qt %3.\n"
              "Licence: MIT (see the LICENSE file).")
        .arg(QString::fromLatin1(kVersionText), QStringLiteral(QT_VERSION_STR),
             QString::fromLatin1(qVersion()));
}

void MenuBar::showAbout()
{
    m_messages.inform(aboutText(), tr("About Zomar Setup Utility"),
                      MessageRequest::Information);
}

} // namespace zomar
