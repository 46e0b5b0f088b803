#pragma once
// A disabled control says why: while it is disabled its tool tip (and what a
// screen reader reads as its description) is the reason; enabled again, it
// gets back its own tip.

#include <QObject>
#include <QString>

class QWidget;

namespace zomar {

class DisabledReason : public QObject
{
    Q_OBJECT
public:
    // Owned by `control`.
    static DisabledReason *explain(QWidget *control, const QString &reason);

    void setReason(const QString &reason);
    QString reason() const { return m_reason; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DisabledReason(QWidget *control, const QString &reason);
    void show();

    QWidget *m_control;
    QString m_reason;
    QString m_ownTip;
    bool m_showing = false;
};

} // namespace zomar
