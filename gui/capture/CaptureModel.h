#pragma once
// The lines of a capture for a list view, made when the view asks for them,
// so a full ring costs the bursts and nothing more. sync() brings the view up
// to date in steps it can follow (rows gone at the front, rows come at the
// end), so that a selection and the place read stay where they are. Sent
// and received lines have colours of their own as well as their words.

#include <QAbstractListModel>
#include <QColor>

namespace zomar {

class CaptureRecorder;

class CaptureModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit CaptureModel(const CaptureRecorder &capture, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Tells the view what changed since the last call.
    void sync();
    // Characters in the longest line the view was told of (since a clear).
    int widestLine() const { return m_widest; }
    // The text colours of sent and received lines, readable on `base` (the
    // view's background).
    void setColours(const QColor &base);
    QColor sentColour() const { return m_sent; }
    QColor receivedColour() const { return m_received; }

private:
    const CaptureRecorder &m_capture;
    quint64 m_revision = 0;
    quint64 m_clears = 0;
    // What the view was last told: the dropped note, the ring's sequence
    // numbers, the open burst.
    bool m_note = false;
    quint64 m_front = 0;
    quint64 m_end = 0;
    bool m_open = false;
    int m_widest = 0;
    QColor m_sent;
    QColor m_received;
};

} // namespace zomar
