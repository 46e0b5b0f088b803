#include "gui/dialogs/LinkTestDialog.h"

#include "core/link/SerialLink.h"
#include "core/protocol/FieldValues.h"
#include "gui/dialogs/LatencyChart.h"
#include "gui/widgets/DisabledReason.h"
#include "gui/window/FilePrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zomar {

using namespace linktest;

namespace {

QSpinBox *spinBox(const QString &name, int low, int high, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QComboBox *portBox(const QString &name, const QList<LinkPort> &ports, int index, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true); // any device or port number may be typed
    box->setMinimumContentsLength(24);
    for (const LinkPort &p : ports)
        box->addItem(p.label, p.device);
    box->setCurrentIndex(index < ports.size() ? index : -1);
    return box;
}

} // namespace

LinkTestDialog::LinkTestDialog(const QList<LinkPort> &ports, int baud, Band band,
                               std::function<QString(const QString &)> resolve,
                               std::function<QString()> windowDevice, FilePrompter &files,
                               QWidget *parent)
    : QDialog(parent), m_resolve(std::move(resolve)), m_windowDevice(std::move(windowDevice)),
      m_files(&files), m_band(band)
{
    setObjectName(QStringLiteral("LinkTestDialog"));
    setWindowTitle(tr("Link Test"));
    m_from = portBox(QStringLiteral("LinkFrom"), ports, 0, this);
    m_to = portBox(QStringLiteral("LinkTo"), ports, 1, this);
    m_baud = new QComboBox(this);
    m_baud->setObjectName(QStringLiteral("LinkBaud"));
    m_baud->addItems(lineSpeedItems());
    m_baud->setCurrentText(QString::number(baud));
    m_count = spinBox(QStringLiteral("LinkCount"), 1, LinkPlan::kMaxCount, 100, this);
    m_size = spinBox(QStringLiteral("LinkSize"), kMinPacketSize, kMaxPacketSize, 32, this);
    m_size->setSuffix(tr(" bytes"));
    m_interval = spinBox(QStringLiteral("LinkInterval"), 0, 3600000, 0, this);
    m_interval->setSuffix(tr(" ms"));
    m_interval->setSpecialValueText(tr("twice a packet's time"));
    m_configure = new QCheckBox(
        tr("Put the second module on the first one's channel and &RF speed"), this);
    m_configure->setObjectName(QStringLiteral("LinkConfigure"));

    auto *grid = new QGridLayout;
    const std::pair<QString, QWidget *> fields[] = {
        {tr("&From"), m_from},      {tr("&To"), m_to},     {tr("&Line speed"), m_baud},
        {tr("&Packets"), m_count}, {tr("Si&ze"), m_size}, {tr("&Interval"), m_interval}};
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(fields[i].first, this);
        label->setBuddy(fields[i].second);
        grid->addWidget(label, i / 3, (i % 3) * 2);
        grid->addWidget(fields[i].second, i / 3, (i % 3) * 2 + 1);
    }
    grid->addWidget(m_configure, 2, 0, 1, 6);

    m_chart = new LatencyChart(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LinkStatus"));
    m_status->setWordWrap(true);
    m_status->setText(ports.size() < 2 ? tr("Two modules are needed, each on a port "
                                                        "of this computer; type a device or a "
                                                        "port number if one is not listed.")
                                       : tr("Choose the two ports and press Start."));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("LinkSummary"));
    m_summary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_start = new QPushButton(tr("&Start"), this);
    m_start->setObjectName(QStringLiteral("LinkStart"));
    m_start->setDefault(true);
    m_save = new QPushButton(tr("Sa&ve CSV..."), this);
    m_save->setObjectName(QStringLiteral("LinkSaveCsv"));
    m_save->setEnabled(false);
    DisabledReason::explain(m_save, tr("Run a test first: the file has a row per packet."));
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("LinkClose"));
    for (QWidget *w : std::initializer_list<QWidget *>{m_from, m_to, m_baud, m_count, m_size,
                                                       m_interval, m_configure, m_start})
        DisabledReason::explain(w, tr("Not while a test runs: Cancel stops it."));
    connect(m_start, &QPushButton::clicked, this, &LinkTestDialog::start);
    connect(m_save, &QPushButton::clicked, this, &LinkTestDialog::saveCsv);
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (running())
            cancel();
        else
            QDialog::reject();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_save);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);
    resize(760, 600);
}

bool LinkTestDialog::running() const
{
    return (m_preflight && m_preflight->running()) || (m_test && m_test->running());
}

QString LinkTestDialog::statusText() const
{
    return m_status->text();
}

QString LinkTestDialog::summaryText() const
{
    return m_summary->text();
}

QString LinkTestDialog::deviceOf(const QComboBox *box) const
{
    const int index = box->findText(box->currentText());
    if (index >= 0)
        return box->itemData(index).toString();
    return m_resolve(box->currentText().trimmed());
}

void LinkTestDialog::showProblem(const QString &text)
{
    m_status->setText(text);
}

void LinkTestDialog::setRunning(bool running)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_from, m_to, m_baud, m_count, m_size,
                                                       m_interval, m_configure, m_start})
        w->setEnabled(!running);
    m_save->setEnabled(!running && m_test && m_test->stats().sentCount() > 0);
    m_close->setText(running ? tr("&Cancel") : tr("&Close"));
    m_close->setEnabled(true);
}

void LinkTestDialog::start()
{
    if (running())
        return;
    m_plan = LinkPlan{};
    m_plan.from = deviceOf(m_from);
    m_plan.to = deviceOf(m_to);
    m_plan.fromBaud = m_plan.toBaud = m_baud->currentText().toInt();
    m_plan.count = m_count->value();
    m_plan.size = m_size->value();
    m_plan.intervalMs = m_interval->value();
    const QString window = m_windowDevice();
    const QString from = SerialLink::canonicalDevice(m_plan.from);
    const QString to = SerialLink::canonicalDevice(m_plan.to);
    if (m_plan.from.isEmpty() || m_plan.to.isEmpty())
        return showProblem(tr("Choose a port for each module."));
    if (!from.isEmpty() && from == to)
        return showProblem(tr("Both boxes name %1: a link needs two modules, each "
                                          "on its own port.")
                               .arg(from));
    if (!window.isEmpty() && (from == window || to == window))
        return showProblem(tr("%1 is the window's own port, which is connected. "
                                          "Disconnect it first, or choose another.")
                               .arg(window));
    delete m_test;
    m_test = nullptr;
    m_cancelled = false;
    m_summary->clear();
    m_chart->reset(m_plan.count, tr("Latency (ms)"));
    m_status->setText(tr("Reading both modules..."));
    m_preflight = new LinkPreflight(m_plan.from, m_plan.fromBaud, m_plan.to, m_plan.toBaud, m_band,
                                    m_configure->isChecked(), this);
    connect(m_preflight, &LinkPreflight::finished, this, &LinkTestDialog::onChecked);
    m_preflight->start();
    setRunning(true);
}

void LinkTestDialog::onChecked(const PreflightResult &r)
{
    m_preflight->deleteLater();
    m_preflight = nullptr;
    if (m_cancelled || r.outcome != PreflightResult::Ready) {
        setRunning(false);
        if (m_closeWhenDone)
            return QDialog::reject();
        if (m_cancelled)
            return showProblem(tr("Cancelled before the test began."));
        QString text = r.message;
        text[0] = text[0].toUpper();
        if (r.outcome == PreflightResult::Differ)
            text += tr(". Tick \"%1\" to align them.").arg(QString(m_configure->text()).remove(QLatin1Char('&')));
        return showProblem(text);
    }
    m_plan.rfBps = r.rfBps();
    if (const QString problem = m_plan.problem(); !problem.isEmpty()) {
        setRunning(false);
        return showProblem(problem);
    }
    m_warning = m_plan.intervalWarning();
    m_test = new LinkTest(m_plan, this);
    connect(m_test, &LinkTest::packetSent, this, [this] { showProgress(); });
    connect(m_test, &LinkTest::packetSettled, this, &LinkTestDialog::onSettled);
    connect(m_test, &LinkTest::finished, this, &LinkTestDialog::onFinished);
    m_status->setText(
        r.configured ? tr("The second module was put on %1, %2 (written and "
                                      "verified). Sending...")
                           .arg(blockFieldText(*r.to, BlockField::Channel, m_band),
                                blockFieldText(*r.to, BlockField::RfSpeed, m_band))
                     : tr("Sending..."));
    m_test->start();
}

void LinkTestDialog::onSettled(quint32 seq)
{
    const PacketRecord &r = m_test->stats().record(seq);
    if (r.state == PacketState::Received)
        m_chart->addLatency(seq, *r.latencyMs);
    else
        m_chart->addLost(seq);
    showProgress();
}

void LinkTestDialog::showProgress()
{
    const LinkStats &s = m_test->stats();
    m_status->setText(tr("Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps "
                                     "RF)")
                          .arg(s.sentCount())
                          .arg(m_plan.count)
                          .arg(s.received())
                          .arg(s.resolved() - s.received())
                          .arg(m_plan.effectiveIntervalMs())
                          .arg(m_plan.rfBps) +
                      (m_warning.isEmpty() ? QString()
                                           : tr("\nWarning: %1.").arg(m_warning)));
}

void LinkTestDialog::onFinished(const LinkSummary &summary, const QString &error)
{
    m_summary->setText(summary.lines().join(QLatin1Char('\n')));
    if (!error.isEmpty())
        m_status->setText(tr("Stopped: %1").arg(error));
    else if (summary.stopped)
        m_status->setText(tr("Cancelled: the figures so far."));
    else if (summary.received == 0)
        m_status->setText(tr("Nothing came through: check both modules' power and "
                                         "antennas."));
    else
        m_status->setText(tr("Done."));
    setRunning(false);
    if (m_closeWhenDone)
        QDialog::reject();
}

void LinkTestDialog::cancel()
{
    if (m_test && m_test->running()) {
        m_test->stop();
        return;
    }
    // A read is never cut short: the module would stay in command mode.
    m_cancelled = true;
    m_close->setEnabled(false);
    m_status->setText(tr("Stopping after the reads under way..."));
}

void LinkTestDialog::reject()
{
    if (!running())
        return QDialog::reject();
    m_closeWhenDone = true;
    cancel();
}

void LinkTestDialog::saveCsv()
{
    if (!m_test)
        return;
    const QString path = m_files->choose(FileRequest::saveAs(tr("Save Link Test"),
                                                             QStringLiteral("linktest.csv"),
                                                             tr("CSV files (*.csv)")));
    if (path.isEmpty())
        return;
    const QString problem = m_test->stats().writeCsv(path);
    m_status->setText(problem.isEmpty() ? tr("Saved %1.").arg(path)
                                        : tr("Could not save: %1.").arg(problem));
}

} // namespace zomar
