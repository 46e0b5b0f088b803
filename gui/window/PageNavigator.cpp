#include "gui/window/PageNavigator.h"

#include "gui/window/Form1Controls.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QTabBar>

namespace zomar {

PageNavigator::PageNavigator(Form1Controls &ui, QObject *parent) : QObject(parent), m_ui(ui) {}

void PageNavigator::showSelectedPage()
{
    for (QWidget *page : {m_ui.TermPic, m_ui.CommsPic, m_ui.ModemPic, m_ui.RepeaterPic})
        page->hide();
    // By the index of the tab (1-based), not by its caption.
    const int selected = m_ui.TabStrip1->currentIndex() + 1;
    struct Entry {
        const char *caption;
        QWidget *page;
    };
    const Entry pages[] = {{QT_TRANSLATE_NOOP("Form1", "Modem Settings"), m_ui.ModemPic},
                           {QT_TRANSLATE_NOOP("Form1", "Comms Setup"), m_ui.CommsPic},
                           {QT_TRANSLATE_NOOP("Form1", "Terminal"), m_ui.TermPic},
                           {QT_TRANSLATE_NOOP("Form1", "Repeater"), m_ui.RepeaterPic}};
    if (selected >= 1 && selected <= 4) {
        const Entry &e = pages[selected - 1];
        m_ui.Frame2->setTitle(QCoreApplication::translate("Form1", e.caption));
        e.page->show();
    }
}

void PageNavigator::hideTestTabs()
{
    m_ui.TabStrip1->removeTab(3);
    m_ui.TabStrip1->removeTab(2);
}

void PageNavigator::windowKeyReleased(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1 && (modifiers & ~Qt::KeypadModifier) == Qt::ShiftModifier)
        appendTestTabs();
}

void PageNavigator::connectKeyReleased(int key)
{
    if (key == Qt::Key_F1)
        appendTestTabs();
}

void PageNavigator::appendTestTabs()
{
    if (m_ui.TabStrip1->count() >= 3)
        return;
    // Appending keeps the selected tab and the page shown.
    m_ui.TabStrip1->addTab(QCoreApplication::translate("Form1", "Terminal"));
    m_ui.TabStrip1->addTab(QCoreApplication::translate("Form1", "Repeater"));
}

} // namespace zomar
