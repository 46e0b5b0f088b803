#include "app/TrafficView.h"

namespace zomar {

TrafficView::TrafficView(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
    m_render.setSingleShot(true);
    m_render.setInterval(15);
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
    setPlainText(m_text);
}

void TrafficView::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    emit gotFocus();
}

} // namespace zomar
