#pragma once
// Opens the capture from the test pages: a "Capture..." button in the free
// corner above each page's first box. Nothing is recorded until it is opened;
// closing the window ends the capture and hands the link's tap back.

#include <QObject>
#include <QPointer>

class QToolButton;
class QWidget;

namespace zomar {

struct FormContext;
class AppSettings;
class CaptureWindow;
class ScriptBench;
class FilePrompter;

class CaptureLauncher : public QObject
{
    Q_OBJECT
public:
    // settings: where the macros are kept.
    CaptureLauncher(FormContext &ctx, FilePrompter &files, AppSettings &settings, QWidget *window,
                    QObject *parent = nullptr);
    ~CaptureLauncher() override;

    void setFilePrompter(FilePrompter &files);
    // Opens the capture (or raises it when open).
    void open();
    // The open capture window, or nullptr.
    CaptureWindow *window() const { return m_window; }
    // Its macros and scripts (null while closed).
    ScriptBench *bench() const;
    QToolButton *terminalButton() const { return m_terminalButton; }
    QToolButton *repeaterButton() const { return m_repeaterButton; }

private:
    QToolButton *addButton(QWidget *page, const char *name);
    void end();

    FormContext &m_ctx;
    FilePrompter *m_files;
    AppSettings &m_settings;
    QWidget *m_parent;
    QPointer<ScriptBench> m_bench;
    QToolButton *m_terminalButton;
    QToolButton *m_repeaterButton;
    CaptureWindow *m_window = nullptr;
};

} // namespace zomar
