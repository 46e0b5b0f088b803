#include "gui/widgets/DisabledReason.h"

#include <QEvent>
#include <QWidget>

namespace zomar {

DisabledReason *DisabledReason::explain(QWidget *control, const QString &reason)
{
    return new DisabledReason(control, reason);
}

DisabledReason::DisabledReason(QWidget *control, const QString &reason)
    : QObject(control), m_control(control), m_reason(reason), m_ownTip(control->toolTip())
{
    control->installEventFilter(this);
    show();
}

void DisabledReason::setReason(const QString &reason)
{
    m_reason = reason;
    show();
}

bool DisabledReason::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_control && event->type() == QEvent::EnabledChange)
        show();
    else if (watched == m_control && event->type() == QEvent::ToolTipChange && !m_showing)
        m_ownTip = m_control->toolTip(); // set by its owner: kept for when it is enabled
    return QObject::eventFilter(watched, event);
}

void DisabledReason::show()
{
    const bool disabled = !m_control->isEnabled();
    m_showing = true;
    m_control->setToolTip(disabled ? m_reason : m_ownTip);
    m_control->setAccessibleDescription(disabled ? m_reason : QString());
    m_showing = false;
}

} // namespace zomar
