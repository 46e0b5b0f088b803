#include "gui/station/ShiftPanel.h"

#include "core/fleet/StoreStats.h"
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
      m_pace(figure(this, QStringLiteral("shiftPace"), 1.3)),
      m_weak(new QLabel(this)), m_recent(new QTableWidget(0, 5, this))
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
    counts->addWidget(m_pace, 2, 0, 1, 2);
    layout->addLayout(counts);
    layout->addWidget(m_since);
    // A slot far below the others: a worn socket, usually. In the window's
    // text colour, bold, so that it reads in a dark theme as well as a light.
    m_weak->setObjectName(QStringLiteral("weakSlots"));
    m_weak->setWordWrap(true);
    QFont bold = m_weak->font();
    bold.setBold(true);
    m_weak->setFont(bold);
    m_weak->hide();
    layout->addWidget(m_weak);

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

QString ShiftPanel::paceText() const
{
    return m_pace->text();
}

QString ShiftPanel::weakSlotsText() const
{
    return m_weak->text();
}

void ShiftPanel::show(const ShiftTally &tally)
{
    const Counts &c = tally.shift();
    m_pass->setText(tr("Pass %1").arg(c.pass));
    m_fail->setText(tr("Fail %1").arg(c.fail));
    const std::optional<double> y = c.yield();
    // Each module counts once (the window knows no product serials), so
    // the shift's yield is its first-pass yield.
    m_yield->setText(y ? tr("First-pass yield %1 %").arg(*y, 0, 'f', 1)
                       : tr("First-pass yield –"));
    const std::optional<double> pace = tally.unitsPerHour();
    m_pace->setText(pace ? tr("%1 units/h").arg(*pace, 0, 'f', 1) : tr("– units/h"));
    LineStats stats;
    const QHash<QString, Counts> bySlot = tally.slotsByName();
    for (auto it = bySlot.cbegin(); it != bySlot.cend(); ++it)
        stats.sockets << GroupYield{QString(), it.key(), it.value().total(), it.value().pass};
    QStringList weak;
    for (const GroupYield &g : StoreStats::weakSlots(stats)) {
        const int others = c.total() - g.attempts;
        weak << tr("%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its "
                   "socket")
                    .arg(g.name)
                    .arg(*g.yield() * 100, 0, 'f', 1)
                    .arg(g.passed)
                    .arg(g.attempts)
                    .arg(others > 0 ? 100.0 * (c.pass - g.passed) / others : 0.0, 0, 'f', 1);
    }
    m_weak->setText(weak.join(QLatin1Char('\n')));
    m_weak->setVisible(!weak.isEmpty());
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
