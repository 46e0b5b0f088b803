#pragma once
// The shift at a glance beside the tiles: passes, failures and the yield in
// large print, and the last units (time, slot, address, result, operator).

#include "gui/station/ShiftTally.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace zomar {

class ShiftPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ShiftPanel(QWidget *parent = nullptr);

    void show(const ShiftTally &tally);
    QTableWidget *recent() const { return m_recent; }
    QString countsText() const; // "Pass 3  Fail 1  First-pass yield 75.0 %"
    // The pace ("54.9 units/h") and the slots well below the others, a line each.
    QString paceText() const;
    QString weakSlotsText() const;

private:
    QLabel *m_pass;
    QLabel *m_fail;
    QLabel *m_yield;
    QLabel *m_since;
    QLabel *m_pace;
    QLabel *m_weak;
    QTableWidget *m_recent;
};

} // namespace zomar
