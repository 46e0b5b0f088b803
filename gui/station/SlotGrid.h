#pragma once
// The station's tiles in a grid that fills the width it has (as many
// columns as fit, the rest scrolls), with the arrow keys moving between
// tiles.

#include <QList>
#include <QScrollArea>

#include <functional>

namespace zomar {

class SlotTile;
class OperatorField;

class SlotGrid : public QScrollArea
{
    Q_OBJECT
public:
    explicit SlotGrid(QWidget *parent = nullptr);

    void setTiles(const QList<SlotTile *> &tiles);
    const QList<SlotTile *> &tiles() const { return m_tiles; }
    int columns() const { return m_columns; }
    // Text typed on a tile goes to this field (a badge scan).
    void setTypingTarget(OperatorField *field) { m_typing = field; }
    // Tried first: takes a key typed on a tile (a product serial's scan) or not.
    void setScanTarget(std::function<bool(QKeyEvent *)> take) { m_scan = std::move(take); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void relayout();

    QWidget *m_board;
    QList<SlotTile *> m_tiles;
    OperatorField *m_typing = nullptr;
    std::function<bool(QKeyEvent *)> m_scan;
    int m_columns = 0;
};

} // namespace zomar
