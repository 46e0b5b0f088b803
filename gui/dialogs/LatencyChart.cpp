#include "gui/dialogs/LatencyChart.h"

#include "gui/widgets/Contrast.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QEvent>
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
    m_latency->setName(tr("Latency"));
    m_lost->setName(tr("Lost"));
    m_lost->setMarkerSize(7);
    chart->addSeries(m_latency);
    chart->addSeries(m_lost);
    m_x->setTitleText(tr("Packet"));
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
    setFocusPolicy(Qt::NoFocus); // nothing to do on it from the keyboard
    applyPalette();
    reset(100, tr("Latency (ms)"));
}

void LatencyChart::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QChartView::changeEvent(event);
}

void LatencyChart::applyPalette()
{
    const QPalette &p = palette();
    const QColor back = p.color(QPalette::Base);
    const QColor text = p.color(QPalette::Text);
    QChart *c = chart();
    c->setBackgroundBrush(back);
    c->setPlotAreaBackgroundVisible(false);
    c->legend()->setLabelColor(text);
    for (QValueAxis *axis : {m_x, m_y}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(p.color(QPalette::Mid));
        axis->setGridLineColor(p.color(QPalette::Midlight));
    }
    m_latency->setColor(readableOn(QColor(0x20, 0x9F, 0xDF), back, 3.0));
    const QColor lost = readableOn(QColor(0xD0, 0x00, 0x00), back, 3.0);
    m_lost->setColor(lost);
    m_lost->setBorderColor(lost);
    setBackgroundBrush(back);
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
