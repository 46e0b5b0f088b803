#include "gui/widgets/TrafficView.h"

#include <QScrollBar>
#include <QTextCursor>

namespace zomar {

TrafficView::TrafficView(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
    m_render.setSingleShot(true);
    m_render.setInterval(100);
    connect(&m_render, &QTimer::timeout, this, &TrafficView::render);
}

void TrafficView::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    scheduleRender();
    emit changed();
}

void TrafficView::appendText(const QString &text)
{
    if (text.isEmpty())
        return;
    m_text += text;
    scheduleRender();
    emit changed();
}

void TrafficView::appendChar(QChar ch)
{
    m_text += ch;
    scheduleRender();
    emit changed();
}

void TrafficView::scheduleRender()
{
    if (!m_render.isActive())
        m_render.start();
}

void TrafficView::render()
{
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    // The document is rewritten directly: the box's own setPlainText() also
    // selects the whole new text to reapply its format, which lays the box
    // out a second time. Afterwards the caret is put back at the start and
    // the view at the top, as a rewrite leaves them.
    document()->setPlainText(m_text);
    const QTextCursor caret = textCursor();
    if (caret.position() != 0 || caret.hasSelection()) {
        // Kept at the start by the next rewrites too, so they need no reset.
        QTextCursor start(document());
        start.setKeepPositionOnInsert(true);
        setTextCursor(start);
    }
    verticalScrollBar()->setValue(0);
}

void TrafficView::showEvent(QShowEvent *event)
{
    if (m_stale)
        render();
    QPlainTextEdit::showEvent(event);
}

void TrafficView::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    emit gotFocus();
}

} // namespace zomar
