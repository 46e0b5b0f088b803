#pragma once
// The operator's name, typed or filled by a badge scanner (a scanner types
// the badge's text and Enter). The name counts from Enter on; Escape takes
// back what was typed. Keys typed while another part of the station has the
// focus (a tile) are taken here, so that a scan is never lost.

#include <QLineEdit>

namespace zomar {

class OperatorField : public QLineEdit
{
    Q_OBJECT
public:
    explicit OperatorField(QWidget *parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name);
    // A key typed elsewhere: the field takes the focus and starts a new name.
    bool takeKey(QKeyEvent *event);

signals:
    void nameChanged(const QString &name);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void commit();

    QString m_name;
};

// A printable key typed elsewhere, for a field that takes the focus: a
// field without the focus starts anew. False for keys that are not text.
bool takeTypedKey(QLineEdit &field, QKeyEvent *event);

} // namespace zomar
