#pragma once
// One slot of the station as a large tile, readable at arm's length: the
// slot's name, an icon, a word and a colour for its state (never the colour
// alone), the address written or the reason of a failure, and the slot's
// counts for the shift. It takes the keyboard focus; Enter asks for the
// details, Ctrl+P for its unit's label again.

#include "gui/station/ShiftTally.h"
#include "gui/station/StationLine.h"

#include <QFrame>

namespace zomar {

class SlotTile : public QFrame
{
    Q_OBJECT
public:
    explicit SlotTile(const QString &name, QWidget *parent = nullptr);

    void setView(const SlotView &view);
    void setCounts(const Counts &counts);
    // What became of its unit's serial and label, under the line.
    void setTrace(const QStringList &lines);
    const SlotView &view() const { return m_view; }
    QString name() const { return m_name; }

    // The big word and the line under it, as shown.
    QString word() const;
    QString line() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colours of a state: background and text.
    static QColor background(SlotView::Kind kind, const QPalette &palette);
    static QColor foreground(SlotView::Kind kind, const QPalette &palette);
    // The focus ring's colour on a tile of the state.
    static QColor focusRing(SlotView::Kind kind, const QPalette &palette);

signals:
    void detailsAsked();
    void reprintAsked(); // Ctrl+P: its unit's label again

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateAccessibleText();

    QString m_name;
    SlotView m_view;
    Counts m_counts;
    QStringList m_trace;
};

// The icon of a state, drawn in a square of the given side.
void drawSlotIcon(QPainter &painter, const QRectF &square, const SlotView &view,
                  const QColor &colour);

} // namespace zomar
