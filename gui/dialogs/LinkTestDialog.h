#pragma once
// "Link Test": two ports of this computer, each with a module; packets go
// from the first to the second and the dialog shows loss and latency as
// they come, in a chart and a summary, and saves a CSV row per packet. Both
// modules are read first; a different channel or RF speed is reported, or
// aligned when the box is ticked. Everything runs on the event loop: the
// window stays live and Cancel stops the run with the figures so far. The
// window's own port and pages are not touched.

#include "core/linktest/LinkPreflight.h"
#include "core/linktest/LinkTest.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zomar {

class FilePrompter;
class LatencyChart;

struct LinkPort {
    QString label;  // "COMM 2 (/dev/ttyUSB1)"
    QString device; // what opens it
};

class LinkTestDialog : public QDialog
{
    Q_OBJECT
public:
    // ports: those offered (the window's own, when connected, left out);
    // resolve: the device a typed text names (a port number or a path);
    // windowDevice: the window's open device ("" while disconnected).
    LinkTestDialog(const QList<LinkPort> &ports, int baud, Band band,
                   std::function<QString(const QString &)> resolve,
                   std::function<QString()> windowDevice, FilePrompter &files,
                   QWidget *parent = nullptr);

    void setFilePrompter(FilePrompter &files) { m_files = &files; }
    bool running() const;
    QString statusText() const;
    QString summaryText() const;
    LatencyChart *chart() const { return m_chart; }
    const linktest::LinkTest *test() const { return m_test; }

public slots:
    // Escape or closing: stops a run (a read under way ends first), then closes.
    void reject() override;

private:
    void start();
    void cancel();
    void saveCsv();
    QString deviceOf(const QComboBox *box) const;
    void onChecked(const linktest::PreflightResult &r);
    void onSettled(quint32 seq);
    void onFinished(const linktest::LinkSummary &summary, const QString &error);
    void showProgress();
    void setRunning(bool running);
    void showProblem(const QString &text);

    std::function<QString(const QString &)> m_resolve;
    std::function<QString()> m_windowDevice;
    FilePrompter *m_files;
    Band m_band;
    QComboBox *m_from, *m_to, *m_baud;
    QSpinBox *m_count, *m_size, *m_interval;
    QCheckBox *m_configure;
    LatencyChart *m_chart;
    QLabel *m_status;
    QLabel *m_summary;
    QPushButton *m_start, *m_save, *m_close;
    linktest::LinkPreflight *m_preflight = nullptr;
    linktest::LinkTest *m_test = nullptr;
    linktest::LinkPlan m_plan;
    QString m_warning; // an interval shorter than a packet's time
    bool m_cancelled = false;
    bool m_closeWhenDone = false;
};

} // namespace zomar
