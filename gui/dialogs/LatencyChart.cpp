#include "gui/dialogs/LatencyChart.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace zomar {

LatencyChart::LatencyChart(QWidget *parent)
    : QChartView(parent), m_latency(new QLineSeries), m_lost(new QScatterSeries),
      m_x(new QValueAxis), m_y(new QValueAxis)
{
    setObjectName(QStringLiteral("LatencyChart"));
    auto *chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_latency->setName(QStringLiteral("Latency"));
    m_lost->setName(QStringLiteral("Lost"));
    m_lost->setColor(Qt::red);
    m_lost->setBorderColor(Qt::red);
    m_lost->setMarkerSize(7);
    chart->addSeries(m_latency);
    chart->addSeries(m_lost);
    m_x->setTitleText(QStringLiteral("Packet"));
    m_x->setLabelFormat(QStringLiteral("%d"));
    m_y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_x, Qt::AlignBottom);
    chart->addAxis(m_y, Qt::AlignLeft);
    for (QAbstractSeries *s : {static_cast<QAbstractSeries *>(m_latency),
                               static_cast<QAbstractSeries *>(m_lost)}) {
        s->attachAxis(m_x);
        s->attachAxis(m_y);
    }
    // setChart() lets go of the view's own first chart without deleting it.
    QChart *first = this->chart();
    setChart(chart);
    delete first;
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(240);
    reset(100, QStringLiteral("Latency (ms)"));
}

void LatencyChart::reset(int count, const QString &what)
{
    m_latency->clear();
    m_lost->clear();
    m_highest = 0;
    m_x->setRange(0, std::max(1, count - 1));
    m_x->applyNiceNumbers();
    m_y->setRange(0, 10);
    m_y->applyNiceNumbers();
    m_y->setTitleText(what);
}

void LatencyChart::addLatency(quint32 seq, double ms)
{
    m_latency->append(seq, ms);
    if (ms > m_highest) {
        m_highest = ms;
        // Room above the highest point, in round steps.
        m_y->setRange(0, std::max(10.0, m_highest * 1.1));
        m_y->applyNiceNumbers();
    }
}

void LatencyChart::addLost(quint32 seq)
{
    m_lost->append(seq, 0);
}

int LatencyChart::latencyPoints() const
{
    return int(m_latency->count());
}

int LatencyChart::lostPoints() const
{
    return int(m_lost->count());
}

} // namespace zomar
