#include "gui/station/OperatorField.h"

#include <QApplication>
#include <QKeyEvent>

namespace zomar {

OperatorField::OperatorField(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("operator"));
    setPlaceholderText(tr("Scan badge, or type name + Enter"));
    setMaxLength(80);
    connect(this, &QLineEdit::returnPressed, this, &OperatorField::commit);
}

void OperatorField::setName(const QString &name)
{
    setText(name);
    commit();
}

void OperatorField::commit()
{
    const QString name = text().simplified();
    setText(name);
    selectAll(); // the next scan replaces it
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged(m_name);
}

bool takeTypedKey(QLineEdit &field, QKeyEvent *event)
{
    const QString text = event->text();
    const bool printable =
        !text.isEmpty() && text.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!printable)
        return false;
    if (!field.hasFocus())
        field.clear();
    field.setFocus(Qt::OtherFocusReason);
    QApplication::sendEvent(&field, event);
    return true;
}

bool OperatorField::takeKey(QKeyEvent *event)
{
    return takeTypedKey(*this, event);
}

void OperatorField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && text() != m_name) {
        setText(m_name);
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace zomar
