#include "gui/station/SlotGrid.h"

#include "gui/station/OperatorField.h"
#include "gui/station/SlotTile.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QScrollBar>

namespace zomar {

SlotGrid::SlotGrid(QWidget *parent) : QScrollArea(parent), m_board(new QWidget)
{
    setObjectName(QStringLiteral("slotGrid"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    new QGridLayout(m_board);
    setWidget(m_board);
}

void SlotGrid::setTiles(const QList<SlotTile *> &tiles)
{
    for (SlotTile *tile : m_tiles)
        delete tile;
    m_tiles = tiles;
    for (SlotTile *tile : m_tiles) {
        tile->setParent(m_board);
        tile->installEventFilter(this);
    }
    // At least one whole tile across, with room for the scroll bar.
    if (!m_tiles.isEmpty())
        setMinimumWidth(m_tiles.first()->minimumSizeHint().width() +
                        verticalScrollBar()->sizeHint().width() + 24);
    m_columns = 0;
    relayout();
}

void SlotGrid::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    relayout();
}

void SlotGrid::relayout()
{
    if (m_tiles.isEmpty())
        return;
    auto *grid = static_cast<QGridLayout *>(m_board->layout());
    const int spacing = std::max(grid->horizontalSpacing(), 6);
    const QMargins margins = grid->contentsMargins();
    const double width = viewport()->width() - margins.left() - margins.right();
    const double height = viewport()->height() - margins.top() - margins.bottom();
    const QSize least = m_tiles.first()->minimumSizeHint();
    const QSize shape = m_tiles.first()->sizeHint();
    const int count = int(m_tiles.size());
    // The largest tiles of their shape that fit without scrolling; when
    // none fit, as many columns as the narrowest tile allows (and scroll).
    int columns = std::clamp(int(width) / (least.width() + spacing), 1, count);
    double best = 0;
    for (int c = 1; c <= count; ++c) {
        const int rows = (count + c - 1) / c;
        const double w = width / c - spacing;
        const double h = height / rows - spacing;
        if (w < least.width() || h < least.height())
            continue;
        const double scale = std::min(w / shape.width(), h / shape.height());
        if (scale > best) {
            best = scale;
            columns = c;
        }
    }
    if (columns == m_columns)
        return;
    m_columns = columns;
    for (SlotTile *tile : m_tiles)
        grid->removeWidget(tile);
    for (int i = 0; i < m_tiles.size(); ++i) {
        grid->addWidget(m_tiles.at(i), i / columns, i % columns);
        m_tiles.at(i)->show();
    }
    // Tab follows the slots' order.
    for (int i = 1; i < m_tiles.size(); ++i)
        QWidget::setTabOrder(m_tiles.at(i - 1), m_tiles.at(i));
}

bool SlotGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QScrollArea::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    // Not every watched object is a tile (a tile's own children pass by).
    const int at = int(m_tiles.indexOf(qobject_cast<SlotTile *>(watched)));
    if (at < 0 || m_columns < 1)
        return false;
    int to = -1;
    switch (key->key()) {
    case Qt::Key_Left:
        to = at - 1;
        break;
    case Qt::Key_Right:
        to = at + 1;
        break;
    case Qt::Key_Up:
        to = at - m_columns;
        break;
    case Qt::Key_Down:
        to = at + m_columns;
        break;
    default:
        return key->key() != Qt::Key_Space &&
               ((m_scan && m_scan(key)) || (m_typing && m_typing->takeKey(key)));
    }
    if (to >= 0 && to < m_tiles.size()) {
        m_tiles.at(to)->setFocus(Qt::OtherFocusReason);
        ensureWidgetVisible(m_tiles.at(to));
    }
    return true;
}

} // namespace zomar
