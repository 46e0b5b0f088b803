#pragma once
// Text that fits the room it has in a window whose controls keep fixed
// places: as placed when it fits, else wider or on more lines within the
// free room around it, else in smaller print. Never cut or elided: a
// translation may be much longer than the English it replaces, and the
// English keeps the places it was given.

#include <QLabel>
#include <QRect>
#include <QStringList>

class QPushButton;

namespace zomar {

// Print is never made smaller than this (pixels).
inline constexpr int kSmallestFitPixelSize = 8;
// Kept free between a control and its neighbours.
inline constexpr int kFitGap = 4;

// The room a control may take without covering a sibling: from its place to
// the nearest sibling on its right and on its left (among those beside it)
// and below, or the parent's edges, less a gap.
QRect freeRoom(const QWidget *control);

// A label's text in its place, wider to the right (or, for a label aligned
// right, to the left), on more lines, or smaller, within `room`.
void fitLabel(QLabel *label, const QRect &room);
// A button wide enough for the longest of `captions` (it may show any of
// them), or in smaller print. When it grows it is centred in `room`, or
// keeps its right edge (anchor Qt::AlignRight).
void fitButton(QPushButton *button, const QRect &room, const QStringList &captions,
               Qt::Alignment anchor = Qt::AlignHCenter);

// Whether a label shows its whole text in its present size and font.
bool labelShowsAll(const QLabel *label);

// A dialog whose texts change once it is shown (a status, a problem) grows
// taller when they need more lines: a window keeps the height it was shown
// with, and wrapped labels would be squeezed into it.
void growWithTexts(QWidget *window);

// A label of a fixed size whose texts change (a status line, advice): each
// text in the largest print up to the label's own font that shows all of it,
// on one line or wrapped.
class FittedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit FittedLabel(QWidget *parent = nullptr);
    void setText(const QString &text);
    // The print it uses when the text fits (the label's font until set).
    void setLargestFont(const QFont &font);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    QFont m_largest;
};

} // namespace zomar
