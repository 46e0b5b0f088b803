#pragma once
// The product serial a technician scans for a unit that passed (a scanner
// types the serial and Enter). While a unit waits for its serial, keys
// typed on the tiles come here; the slot the serial goes to is shown beside
// the field. Escape takes back what was typed.

#include <QLineEdit>

class QLabel;

namespace zomar {

class SerialField : public QLineEdit
{
    Q_OBJECT
public:
    SerialField(QLabel *label, QWidget *parent = nullptr);

    // The slot the serial goes to (-1: the one that has waited longest).
    void setTarget(int slot, const QString &name);
    int target() const { return m_target; }
    // A key typed on a tile: the field takes the focus and starts a new
    // serial, for the slot given (false for a key that is no text).
    bool takeKey(QKeyEvent *event, int slot, const QString &name);

signals:
    // Enter: the serial typed, for the target slot.
    void scanned(int slot, const QString &serial);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_label;
    int m_target = -1;
};

} // namespace zomar
