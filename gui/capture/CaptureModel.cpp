#include "gui/capture/CaptureModel.h"

#include "core/capture/CaptureRecorder.h"
#include "gui/widgets/Contrast.h"

#include <QBrush>

namespace zomar {

CaptureModel::CaptureModel(const CaptureRecorder &capture, QObject *parent)
    : QAbstractListModel(parent), m_capture(capture)
{
    m_front = m_end = capture.ring().endSeq();
    m_clears = capture.clears();
    sync();
}

int CaptureModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return (m_note ? 1 : 0) + static_cast<int>(m_end - m_front) + (m_open ? 1 : 0);
}

QVariant CaptureModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ForegroundRole)
        return {};
    const auto colour = [this](const Burst &burst) -> QVariant {
        if (burst.isNote() || !m_sent.isValid())
            return {};
        return QBrush(burst.kind == BurstKind::Sent ? m_sent : m_received);
    };
    // Rows as the view was last told them: the ring may have moved on since.
    int row = index.row();
    if (m_note && row-- == 0)
        return role == Qt::DisplayRole
                   ? QVariant(droppedLine(m_capture.ring().dropped(), m_capture.ring().capacity()))
                   : QVariant();
    const quint64 seq = m_front + static_cast<quint64>(row);
    if (seq >= m_end) {
        if (role == Qt::DisplayRole)
            return m_capture.openLine();
        return m_capture.openBurst() ? colour(*m_capture.openBurst()) : QVariant();
    }
    const CaptureRing &ring = m_capture.ring();
    if (seq < ring.frontSeq() || seq >= ring.endSeq())
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant(); // gone since
    const int at = static_cast<int>(seq - ring.frontSeq());
    return role == Qt::DisplayRole ? QVariant(m_capture.burstLine(at)) : colour(ring.at(at));
}

void CaptureModel::setColours(const QColor &base)
{
    // The window's own: green for what it sent, blue for what came back.
    m_sent = readableOn(QColor(0x00, 0x88, 0x00), base);
    m_received = readableOn(QColor(0x00, 0x00, 0x88), base);
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::ForegroundRole});
}

void CaptureModel::sync()
{
    const CaptureRing &ring = m_capture.ring();
    if (m_capture.clears() != m_clears) {
        beginResetModel();
        m_clears = m_capture.clears();
        m_note = ring.dropped() > 0;
        m_front = ring.frontSeq();
        m_end = ring.endSeq();
        m_open = m_capture.openBurst().has_value();
        m_revision = m_capture.revision();
        m_widest = 0;
        endResetModel();
        return;
    }
    if (m_capture.revision() == m_revision)
        return;
    m_revision = m_capture.revision();

    const bool open = m_capture.openBurst().has_value();
    if (open)
        m_widest = std::max(m_widest, static_cast<int>(m_capture.openLine().size()));
    for (quint64 seq = std::max(m_end, ring.frontSeq()); seq < ring.endSeq(); ++seq)
        m_widest = std::max(
            m_widest,
            static_cast<int>(m_capture.burstLine(static_cast<int>(seq - ring.frontSeq())).size()));
    if (m_open && open && ring.endSeq() == m_end) {
        // Only the open burst grew.
        const QModelIndex last = index(rowCount() - 1);
        emit dataChanged(last, last);
        return;
    }
    const int noteRows = m_note ? 1 : 0;
    if (m_open) {
        const int row = rowCount() - 1;
        beginRemoveRows({}, row, row);
        m_open = false;
        endRemoveRows();
    }
    if (ring.frontSeq() > m_front) {
        // Dropped at the front: the rows the view still has, then those it never saw.
        const quint64 gone = std::min(ring.frontSeq(), m_end) - m_front;
        if (gone > 0) {
            beginRemoveRows({}, noteRows, noteRows + static_cast<int>(gone) - 1);
            m_front += gone;
            endRemoveRows();
        }
        m_front = ring.frontSeq();
        m_end = std::max(m_end, m_front);
    }
    if (ring.dropped() > 0) {
        if (!m_note) {
            beginInsertRows({}, 0, 0);
            m_note = true;
            endInsertRows();
        } else {
            emit dataChanged(index(0), index(0));
        }
    }
    if (ring.endSeq() > m_end) {
        const int first = rowCount();
        beginInsertRows({}, first, first + static_cast<int>(ring.endSeq() - m_end) - 1);
        m_end = ring.endSeq();
        endInsertRows();
    }
    if (open) {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        m_open = true;
        endInsertRows();
    }
}

} // namespace zomar
