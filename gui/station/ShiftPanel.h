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
    QString countsText() const; // "Pass 3  Fail 1  Yield 75.0 %"

private:
    QLabel *m_pass;
    QLabel *m_fail;
    QLabel *m_yield;
    QLabel *m_since;
    QTableWidget *m_recent;
};

} // namespace zomar
