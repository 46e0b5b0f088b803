#include "gui/station/ShiftPanel.h"

#include "core/protocol/ConfigBlock.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zomar {

namespace {

QLabel *figure(QWidget *parent, const QString &name, double scale)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * scale);
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

ShiftPanel::ShiftPanel(QWidget *parent)
    : QWidget(parent), m_pass(figure(this, QStringLiteral("shiftPass"), 2.0)),
      m_fail(figure(this, QStringLiteral("shiftFail"), 2.0)),
      m_yield(figure(this, QStringLiteral("shiftYield"), 2.0)), m_since(new QLabel(this)),
      m_recent(new QTableWidget(0, 5, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *title = figure(this, QStringLiteral("shiftTitle"), 1.3);
    title->setText(tr("This shift"));
    layout->addWidget(title);
    // Two columns, so that the panel stays narrow at a large scale.
    auto *counts = new QGridLayout;
    counts->addWidget(m_pass, 0, 0);
    counts->addWidget(m_fail, 0, 1);
    counts->addWidget(m_yield, 1, 0, 1, 2);
    layout->addLayout(counts);
    layout->addWidget(m_since);

    auto *recentTitle = figure(this, QStringLiteral("recentTitle"), 1.1);
    recentTitle->setText(tr("Last units"));
    layout->addWidget(recentTitle);
    m_recent->setObjectName(QStringLiteral("recentUnits"));
    m_recent->setHorizontalHeaderLabels({tr("Time"), tr("Slot"),
                                         tr("Address"), tr("Result"),
                                         tr("Operator")});
    m_recent->verticalHeader()->hide();
    m_recent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_recent->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_recent->setTabKeyNavigation(false);
    m_recent->setAccessibleName(recentTitle->text());
    m_recent->setWordWrap(false);
    // The result takes what the other columns leave, elided (its tip has it all).
    m_recent->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_recent->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_recent->setTextElideMode(Qt::ElideRight);
    layout->addWidget(m_recent, 1);
}

QString ShiftPanel::countsText() const
{
    return QStringLiteral("%1  %2  %3").arg(m_pass->text(), m_fail->text(), m_yield->text());
}

void ShiftPanel::show(const ShiftTally &tally)
{
    const Counts &c = tally.shift();
    m_pass->setText(tr("Pass %1").arg(c.pass));
    m_fail->setText(tr("Fail %1").arg(c.fail));
    const std::optional<double> y = c.yield();
    m_yield->setText(y ? tr("Yield %1 %").arg(*y, 0, 'f', 1)
                       : tr("Yield –"));
    m_since->setText(
        tr("since %1").arg(QLocale().toString(tally.started(), QLocale::ShortFormat)));

    const QList<UnitLine> &units = tally.recent();
    m_recent->setRowCount(int(units.size()));
    for (int row = 0; row < units.size(); ++row) {
        const UnitLine &u = units.at(row);
        const QString result = u.pass      ? tr("PASS")
                               : u.unknown ? tr("UNKNOWN: %1").arg(u.reason)
                                           : tr("FAIL: %1").arg(u.reason);
        const QStringList cells = {u.time.toString(QStringLiteral("HH:mm:ss")), u.slot,
                                   u.local ? addressHex(*u.local) : QStringLiteral("–"), result,
                                   u.operatorName.isEmpty() ? QStringLiteral("–") : u.operatorName};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (column == 3)
                item->setToolTip(result);
            m_recent->setItem(row, column, item);
        }
    }
}

} // namespace zomar
