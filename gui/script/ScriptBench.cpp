#include "gui/script/ScriptBench.h"

#include "core/link/SerialLink.h"
#include "core/script/ScriptRunner.h"
#include "core/settings/AppSettings.h"
#include "gui/script/MacroDialog.h"
#include "gui/widgets/Contrast.h"
#include "gui/window/FilePrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zomar {

namespace {

constexpr int kMacroColumns = 2;
constexpr int kLogLinesKept = 5000;
constexpr qint64 kScriptMaxBytes = 1024 * 1024;

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ScriptBench::ScriptBench(SerialLink &link, ScriptPort::Hold hold, std::function<Band()> band,
                         AppSettings &settings, FilePrompter &files,
                         std::function<void(const QString &)> note, QWidget *parent)
    : QWidget(parent), m_link(link), m_hold(std::move(hold)), m_band(std::move(band)),
      m_settings(settings), m_files(&files), m_note(std::move(note)),
      m_macros(macrosFromJson(settings.macros()))
{
    setObjectName(QStringLiteral("ScriptBench"));
    m_editor = [this](const Macro &macro) { return MacroDialog::edit(macro, this); };

    auto *macroBox = new QGroupBox(tr("Macros"), this);
    m_grid = new QGridLayout;
    QPushButton *add = button(tr("New Macro..."), "MacroNew", macroBox);
    add->setToolTip(tr("A named button that sends a stored sequence of bytes and waits"));
    auto *macroLayout = new QVBoxLayout(macroBox);
    macroLayout->addLayout(m_grid);
    macroLayout->addWidget(add, 0, Qt::AlignLeft);

    auto *scriptBox = new QGroupBox(tr("Script"), this);
    m_run = button(tr("Run Script..."), "ScriptRun", scriptBox);
    m_run->setToolTip(tr("Runs a JavaScript file on this port: send, expect, module.read, "
                         "module.write, log"));
    m_stop = button(tr("Stop"), "ScriptStop", scriptBox);
    m_stop->setEnabled(false);
    m_status = new QLabel(scriptBox);
    m_status->setObjectName(QStringLiteral("ScriptStatus"));
    m_status->setWordWrap(true);
    m_log = new QPlainTextEdit(scriptBox);
    m_log->setObjectName(QStringLiteral("ScriptLog"));
    m_log->setReadOnly(true);
    m_log->setAccessibleName(tr("Script log"));
    m_log->setMaximumBlockCount(kLogLinesKept);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_run);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    auto *scriptLayout = new QVBoxLayout(scriptBox);
    scriptLayout->addLayout(buttons);
    scriptLayout->addWidget(m_status);
    scriptLayout->addWidget(m_log, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(macroBox);
    layout->addWidget(scriptBox, 1);

    connect(add, &QPushButton::clicked, this, &ScriptBench::newMacro);
    connect(m_run, &QPushButton::clicked, this, &ScriptBench::chooseScript);
    connect(m_stop, &QPushButton::clicked, this, &ScriptBench::stop);
    showButtons();
}

ScriptBench::~ScriptBench()
{
    // The runner (a child) stops the script and sends "---" where needed.
    delete m_runner;
}

QPushButton *ScriptBench::macroButton(int index) const
{
    return m_buttons.value(index);
}

void ScriptBench::setMacros(const QList<Macro> &macros)
{
    m_macros = macros;
    m_settings.setMacros(macrosJson(macros));
    m_settings.sync();
    showButtons();
}

void ScriptBench::showButtons()
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < m_macros.size(); ++i) {
        const Macro &m = m_macros.at(i);
        auto *b = button(m.name, "Macro", this);
        b->setObjectName(QStringLiteral("Macro%1").arg(i + 1));
        b->setToolTip(tr("%1 (right-click to edit or delete)").arg(m.steps.trimmed()));
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        b->setEnabled(!running());
        connect(b, &QPushButton::clicked, this, [this, i] { runMacro(i); });
        connect(b, &QPushButton::customContextMenuRequested, this, [this, i, b](const QPoint &at) {
            QMenu menu(this);
            connect(menu.addAction(tr("Edit...")), &QAction::triggered, this,
                    [this, i] { editMacro(i); });
            connect(menu.addAction(tr("Delete")), &QAction::triggered, this,
                    [this, i] { deleteMacro(i); });
            menu.exec(b->mapToGlobal(at));
        });
        m_grid->addWidget(b, i / kMacroColumns, i % kMacroColumns);
        m_buttons << b;
    }
}

void ScriptBench::newMacro()
{
    const std::optional<Macro> made = m_editor(Macro{});
    if (!made)
        return;
    QList<Macro> macros = m_macros;
    macros << *made;
    setMacros(macros);
}

void ScriptBench::editMacro(int index)
{
    if (index < 0 || index >= m_macros.size())
        return;
    const std::optional<Macro> edited = m_editor(m_macros.at(index));
    if (!edited)
        return;
    QList<Macro> macros = m_macros;
    macros[index] = *edited;
    // The button may be the one whose menu is still open: rebuilt after it.
    QMetaObject::invokeMethod(this, [this, macros] { setMacros(macros); }, Qt::QueuedConnection);
}

void ScriptBench::deleteMacro(int index)
{
    if (index < 0 || index >= m_macros.size())
        return;
    QList<Macro> macros = m_macros;
    macros.removeAt(index);
    QMetaObject::invokeMethod(this, [this, macros] { setMacros(macros); }, Qt::QueuedConnection);
}

bool ScriptBench::running() const
{
    return m_runner && m_runner->running();
}

QString ScriptBench::statusText() const
{
    return m_status->text();
}

void ScriptBench::setStatus(const QString &text, bool problem)
{
    QPalette palette = this->palette();
    if (problem)
        palette.setColor(QPalette::WindowText,
                         readableOn(QColor(0xB0, 0x00, 0x00), palette.color(QPalette::Window)));
    m_status->setPalette(palette);
    m_status->setText(text);
}

void ScriptBench::appendLog(const QString &line)
{
    m_log->appendPlainText(line);
}

void ScriptBench::runMacro(int index)
{
    if (index < 0 || index >= m_macros.size())
        return;
    const Macro &m = m_macros.at(index);
    const Parsed<QString> source = macroScript(m);
    if (!source) {
        setStatus(tr("Not run: %1: %2").arg(m.name, source.problem), true);
        return;
    }
    if (!m_link.portOpen()) {
        setStatus(tr("Not run: the port is not open"), true);
        return;
    }
    start(*source.value, m.name, m.name, QDir::homePath());
}

void ScriptBench::chooseScript()
{
    FileRequest request;
    request.mode = FileRequest::Open;
    request.caption = tr("Run Script");
    request.folder = QDir::homePath();
    request.filter = tr("Scripts (*.js)");
    const QString path = m_files->choose(request);
    if (!path.isEmpty())
        runFile(path);
}

void ScriptBench::runFile(const QString &path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kScriptMaxBytes || !file.open(QIODevice::ReadOnly)) {
        setStatus(tr("Not run: %1 cannot be read as a script").arg(path), true);
        return;
    }
    start(QString::fromUtf8(file.readAll()), info.absoluteFilePath(), info.fileName(),
          info.absolutePath());
}

void ScriptBench::start(const QString &source, const QString &file, const QString &title,
                        const QString &folder)
{
    if (running()) {
        setStatus(tr("Not run: a script is running; stop it first"), true);
        return;
    }
    ScriptOptions options;
    options.outputFolder = folder;
    options.band = m_band();
    auto *runner = new ScriptRunner(options, this);
    if (m_link.portOpen()) {
        runner->useLink(m_link, m_hold);
        runner->setDevices({m_link.deviceName()});
    }
    connect(runner, &ScriptRunner::logLine, this, &ScriptBench::appendLog);
    connect(runner, &ScriptRunner::finished, this,
            [this, title](const ScriptOutcome &o) { finished(title, o); });
    m_runner = runner;
    m_log->clear();
    appendLog(tr("%1: started").arg(title));
    m_note(QStringLiteral("script %1: started").arg(title));
    setStatus(tr("Running %1...").arg(title));
    m_run->setEnabled(false);
    m_stop->setEnabled(true);
    for (QPushButton *b : std::as_const(m_buttons))
        b->setEnabled(false);
    runner->start(source, file);
}

void ScriptBench::stop()
{
    if (m_runner)
        m_runner->stop();
}

void ScriptBench::finished(const QString &title, const ScriptOutcome &o)
{
    for (const QString &note : o.notes)
        appendLog(note);
    QString result;
    switch (o.kind) {
    case ScriptOutcome::Done:
        result = tr("%1: done").arg(title);
        break;
    case ScriptOutcome::Stopped:
        result = tr("%1: stopped").arg(title);
        break;
    default:
        result = tr("%1: %2").arg(title, o.text());
        break;
    }
    appendLog(result);
    setStatus(result, !o.ok() && o.kind != ScriptOutcome::Stopped);
    m_note(QStringLiteral("script %1: %2").arg(title, o.ok() ? QStringLiteral("done") : o.message));
    m_runner->deleteLater();
    m_runner = nullptr;
    m_run->setEnabled(true);
    m_stop->setEnabled(false);
    for (QPushButton *b : std::as_const(m_buttons))
        b->setEnabled(true);
    emit ended();
}

} // namespace zomar
