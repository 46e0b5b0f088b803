#include "gui/station/SerialField.h"

#include "gui/station/OperatorField.h"

#include <QKeyEvent>
#include <QLabel>

namespace zomar {

SerialField::SerialField(QLabel *label, QWidget *parent) : QLineEdit(parent), m_label(label)
{
    setObjectName(QStringLiteral("productSerial"));
    setPlaceholderText(tr("Scan the product serial"));
    setMaxLength(200);
    m_label->setBuddy(this);
    setTarget(-1, {});
    connect(this, &QLineEdit::returnPressed, this, [this] {
        const QString serial = text().trimmed();
        const int slot = m_target;
        clear();
        setTarget(-1, {});
        if (!serial.isEmpty())
            emit scanned(slot, serial);
    });
}

void SerialField::setTarget(int slot, const QString &name)
{
    m_target = slot;
    m_label->setText(slot < 0 ? tr("P&roduct serial:") : tr("P&roduct serial for %1:").arg(name));
}

bool SerialField::takeKey(QKeyEvent *event, int slot, const QString &name)
{
    const bool starting = !hasFocus();
    if (!takeTypedKey(*this, event))
        return false;
    if (starting)
        setTarget(slot, name);
    return true;
}

void SerialField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace zomar
