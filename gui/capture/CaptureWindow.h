#pragma once
// "Capture": every byte on the line both ways since it was opened, a line per
// burst with time, direction, hex and text, a configuration block decoded in
// words. Pause, Clear, Find, and Save as text or as raw bytes with a hex log;
// a line of hex (or text with escapes) sent as bytes on Enter.

#include <QWidget>

#include <QTimer>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace zomar {

class CaptureModel;
class CaptureRecorder;
class FilePrompter;
class MessagePrompter;
class SerialLink;

class CaptureWindow : public QWidget
{
    Q_OBJECT
public:
    CaptureWindow(CaptureRecorder &capture, SerialLink &link, FilePrompter &files,
                  MessagePrompter &messages, QWidget *parent = nullptr);
    ~CaptureWindow() override;

    void setFilePrompter(FilePrompter &files) { m_files = &files; }
    QListView *view() const { return m_view; }
    CaptureModel &model() const { return *m_model; }
    QString statusText() const;

    // Brings the view up to date (the window does it ten times a second).
    void refresh();
    // A panel beside the capture (the macros and the script's log).
    void addSidePanel(QWidget *panel);

signals:
    void closed();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void sendInput();
    void findNext();
    void saveText();
    void saveRaw();
    void togglePause();
    void clear();
    // Asks for a file and writes it; write() returns the status text, "" when
    // it failed (and said so).
    void save(const QString &caption, const QString &filter, const QString &suffix,
              const std::function<QString(const QString &)> &write);
    QString failedToSave(const QString &problem);
    void setStatus(const QString &text, bool problem = false);

    CaptureRecorder &m_capture;
    SerialLink &m_link;
    FilePrompter *m_files;
    MessagePrompter &m_messages;
    CaptureModel *m_model;
    QListView *m_view;
    QPushButton *m_pause;
    QLineEdit *m_find;
    QLineEdit *m_input;
    QLabel *m_status;
    QLabel *m_counts;
    QTimer m_refresh;
};

} // namespace zomar
