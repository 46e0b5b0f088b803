#pragma once
// The live chart of a link test: the latency of each packet as it arrives,
// and a red mark on the axis for each packet lost. Its colours follow the
// desktop theme (a dark theme gets a dark chart).

#include <QChartView>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace zomar {

class LatencyChart : public QChartView
{
    Q_OBJECT
public:
    explicit LatencyChart(QWidget *parent = nullptr);

    // Empties the chart for a run of `count` packets; `what` names the latency.
    void reset(int count, const QString &what);
    void addLatency(quint32 seq, double ms);
    void addLost(quint32 seq);

    int latencyPoints() const;
    int lostPoints() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyPalette();

    QLineSeries *m_latency;
    QScatterSeries *m_lost;
    QValueAxis *m_x;
    QValueAxis *m_y;
    double m_highest = 0;
};

} // namespace zomar
