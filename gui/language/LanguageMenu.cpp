#include "gui/language/LanguageMenu.h"

#include "core/settings/AppSettings.h"
#include "core/settings/InterfaceLanguage.h"
#include "gui/language/Translations.h"
#include "gui/window/MessagePrompter.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace zomar {

namespace {

const char *const kContext = "zomar::LanguageMenu";
const char *const kNextStart =
    QT_TRANSLATE_NOOP("zomar::LanguageMenu", "The windows will be in %1 when the program starts "
                                             "again.");
const char *const kAutomaticNextStart =
    QT_TRANSLATE_NOOP("zomar::LanguageMenu", "The windows will follow \"%1\" when the program "
                                             "starts again.");

} // namespace

LanguageMenu::LanguageMenu(QMenuBar *bar, const QString &automatic, AppSettings &settings,
                           MessagePrompter &messages, const QString &title)
    : QObject(bar), m_settings(settings), m_messages(messages), m_title(title),
      m_automatic(automatic),
      m_menu(bar->addMenu(tr("&Language"))), m_group(new QActionGroup(m_menu))
{
    m_menu->setObjectName(QStringLiteral("LanguageMenu"));
    QAction *automaticAction = m_menu->addAction(automatic);
    automaticAction->setData(QString());
    m_group->addAction(automaticAction);
    m_menu->addSeparator();
    for (const InterfaceLanguage &language : interfaceLanguages()) {
        // Each in its own words: a reader of it finds it whatever is shown.
        QAction *a = m_menu->addAction(language.nativeName);
        a->setData(language.code);
        m_group->addAction(a);
    }
    const QString saved = m_settings.language();
    for (QAction *a : m_group->actions()) {
        a->setCheckable(true);
        a->setChecked(a->data().toString() == (isInterfaceLanguage(saved) ? saved : QString()));
        connect(a, &QAction::triggered, this, [this, a] { choose(a->data().toString()); });
    }
}

void LanguageMenu::choose(const QString &code)
{
    for (QAction *a : m_group->actions())
        a->setChecked(a->data().toString() == code);
    if (code == m_settings.language())
        return;
    m_settings.setLanguage(code);
    const QString problem = m_settings.sync();
    QString name;
    for (const InterfaceLanguage &language : interfaceLanguages())
        if (language.code == code)
            name = language.nativeName;
    const auto note = [&](const QString &into) {
        const char *source = code.isEmpty() ? kAutomaticNextStart : kNextStart;
        const QString text = into.isEmpty() ? tr(source) : translateInto(into, kContext, source);
        return text.arg(code.isEmpty() ? m_automatic : name);
    };
    QString text = note(QString());
    // Said in the language chosen as well, for the one who chose it.
    if (!code.isEmpty() && note(code) != text)
        text += QStringLiteral("\n\n") + note(code);
    if (!problem.isEmpty())
        text = tr("The language could not be saved to %1: %2.").arg(m_settings.fileName(), problem);
    m_messages.inform(text, m_title, MessageRequest::Information);
}

} // namespace zomar
