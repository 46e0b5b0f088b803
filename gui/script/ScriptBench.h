#pragma once
// The capture window's bench: a Macros panel (named buttons, each a stored
// sequence of sends and waits, kept in the settings) and "Run Script..."
// with the script's log, beside the capture. Both run through the core's
// script runner on the window's port: sends go out on its link, a module
// operation borrows the port while the window's own reads and writes wait.

#include "core/protocol/Band.h"
#include "core/script/Macro.h"
#include "core/script/ScriptPort.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zomar {

class AppSettings;
class FilePrompter;
class ScriptRunner;
class SerialLink;
struct ScriptOutcome;

class ScriptBench : public QWidget
{
    Q_OBJECT
public:
    // note: a line in the capture (a script or macro started or ended).
    ScriptBench(SerialLink &link, ScriptPort::Hold hold, std::function<Band()> band,
                AppSettings &settings, FilePrompter &files,
                std::function<void(const QString &)> note, QWidget *parent = nullptr);
    ~ScriptBench() override;

    void setFilePrompter(FilePrompter &files) { m_files = &files; }
    // Edits a macro (the dialog; a test's answer): nullopt when cancelled.
    using Editor = std::function<std::optional<Macro>(const Macro &macro)>;
    void setEditor(Editor editor) { m_editor = std::move(editor); }

    const QList<Macro> &macros() const { return m_macros; }
    // Replaces the macros, keeps them in the settings and shows their buttons.
    void setMacros(const QList<Macro> &macros);
    QPushButton *macroButton(int index) const;
    void newMacro();
    void editMacro(int index);
    void deleteMacro(int index);

    void runMacro(int index);
    // Asks for a script file and runs it.
    void chooseScript();
    void runFile(const QString &path);
    void stop();
    bool running() const;
    QPlainTextEdit *log() const { return m_log; }
    QString statusText() const;

signals:
    void ended();

private:
    void start(const QString &source, const QString &file, const QString &title,
               const QString &folder);
    void finished(const QString &title, const ScriptOutcome &outcome);
    void showButtons();
    void appendLog(const QString &line);
    void setStatus(const QString &text, bool problem = false);

    SerialLink &m_link;
    ScriptPort::Hold m_hold;
    std::function<Band()> m_band;
    AppSettings &m_settings;
    FilePrompter *m_files;
    std::function<void(const QString &)> m_note;
    Editor m_editor;
    QList<Macro> m_macros;
    QList<QPushButton *> m_buttons;
    QGridLayout *m_grid;
    QPushButton *m_run;
    QPushButton *m_stop;
    QLabel *m_status;
    QPlainTextEdit *m_log;
    QPointer<ScriptRunner> m_runner;
};

} // namespace zomar
