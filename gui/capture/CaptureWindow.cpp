#include "gui/capture/CaptureWindow.h"

#include "core/capture/CaptureFiles.h"
#include "core/capture/CaptureRecorder.h"
#include "core/capture/HexInput.h"
#include "core/link/SerialLink.h"
#include "gui/capture/CaptureModel.h"
#include "gui/widgets/Contrast.h"
#include "gui/window/FilePrompter.h"
#include "gui/window/MessagePrompter.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

namespace zomar {

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

CaptureWindow::CaptureWindow(CaptureRecorder &capture, SerialLink &link, FilePrompter &files,
                             MessagePrompter &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_capture(capture), m_link(link), m_files(&files),
      m_messages(messages), m_model(new CaptureModel(capture, this))
{
    setObjectName(QStringLiteral("CaptureWindow"));
    setWindowTitle(tr("Capture"));
    resize(1200, 520);

    m_pause = button(tr("Pause"), "CapturePause", this);
    m_pause->setCheckable(true);
    QPushButton *clearButton = button(tr("Clear"), "CaptureClear", this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("CaptureFind"));
    m_find->setPlaceholderText(tr("Find (Enter, F3: next)"));
    m_find->setClearButtonEnabled(true);
    m_find->setAccessibleName(m_find->placeholderText());
    QPushButton *saveTextButton = button(tr("Save Text..."), "CaptureSaveText", this);
    saveTextButton->setToolTip(tr("The lines as shown, as a text file"));
    QPushButton *saveRawButton = button(tr("Save Raw..."), "CaptureSaveRaw", this);
    saveRawButton->setToolTip(
        tr("The bytes as they went, both ways, with a timestamped hex log beside "
                       "them (FILE.log) that tells which went which way"));

    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("CaptureView"));
    m_view->setModel(m_model);
    m_view->setAccessibleName(tr("Capture"));
    m_view->setUniformItemSizes(true);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_model->setColours(m_view->palette().color(QPalette::Base));
    // Lines are as wide as the widest one (see refresh()), never cut short.
    m_view->setTextElideMode(Qt::ElideNone);

    auto *inputLabel = new QLabel(tr("Send:"), this);
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("CaptureInput"));
    m_input->setPlaceholderText(tr("41 42 0d   or   AB\\x0d   (Enter sends)"));
    m_input->setToolTip(tr("Sent as bytes on Enter: %1").arg(hexInputHelp()));
    inputLabel->setBuddy(m_input);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("CaptureStatus"));
    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("CaptureCounts"));

    auto *top = new QHBoxLayout;
    top->addWidget(m_pause);
    top->addWidget(clearButton);
    top->addSpacing(12);
    top->addWidget(m_find, 1);
    top->addSpacing(12);
    top->addWidget(saveTextButton);
    top->addWidget(saveRawButton);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(inputLabel);
    bottom->addWidget(m_input, 1);
    auto *status = new QHBoxLayout;
    status->addWidget(m_status, 1);
    status->addWidget(m_counts);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addLayout(bottom);
    layout->addLayout(status);

    connect(m_pause, &QPushButton::clicked, this, &CaptureWindow::togglePause);
    connect(clearButton, &QPushButton::clicked, this, &CaptureWindow::clear);
    connect(saveTextButton, &QPushButton::clicked, this, &CaptureWindow::saveText);
    connect(saveRawButton, &QPushButton::clicked, this, &CaptureWindow::saveRaw);
    connect(m_find, &QLineEdit::returnPressed, this, &CaptureWindow::findNext);
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
            &CaptureWindow::findNext);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, m_find,
            qOverload<>(&QWidget::setFocus));
    connect(m_input, &QLineEdit::returnPressed, this, &CaptureWindow::sendInput);
    // Ten times a second at most, however fast the bytes come.
    m_refresh.setInterval(100);
    connect(&m_refresh, &QTimer::timeout, this, &CaptureWindow::refresh);
    m_refresh.start();
    refresh();
    // Typing goes to the line to send, as in a terminal.
    m_input->setFocus();
}

CaptureWindow::~CaptureWindow() = default;

void CaptureWindow::addSidePanel(QWidget *panel)
{
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("CaptureSplit"));
    split->setChildrenCollapsible(false);
    delete layout()->replaceWidget(m_view, split);
    split->addWidget(m_view);
    split->addWidget(panel);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    resize(width() + panel->sizeHint().width(), height());
}

QString CaptureWindow::statusText() const
{
    return m_status->text();
}

void CaptureWindow::refresh()
{
    // The view follows the newest line only while it is scrolled to the end,
    // so a line being read stays put.
    const QScrollBar *bar = m_view->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    const int widest = m_model->widestLine();
    m_model->sync();
    if (m_model->widestLine() != widest || !m_view->gridSize().isValid()) {
        const QFontMetrics metrics(m_view->font());
        m_view->setGridSize(
            QSize(metrics.horizontalAdvance(QLatin1Char('M')) * (m_model->widestLine() + 2),
                  metrics.height() + 2));
    }
    if (atEnd)
        m_view->scrollToBottom();
    const CaptureRing &ring = m_capture.ring();
    const QString title = tr("Capture: %1 bursts (%2 dropped)%3")
                              .arg(ring.size())
                              .arg(ring.dropped())
                              .arg(m_capture.paused() ? tr(", paused") : QString());
    if (windowTitle() != title)
        setWindowTitle(title);
    m_counts->setText(tr("%1 B sent, %2 B received")
                          .arg(m_capture.bytesSent())
                          .arg(m_capture.bytesReceived()));
}

void CaptureWindow::changeEvent(QEvent *event)
{
    // A theme changed while it is open: colours for the new background.
    if (event->type() == QEvent::PaletteChange)
        m_model->setColours(m_view->palette().color(QPalette::Base));
    QWidget::changeEvent(event);
}

void CaptureWindow::closeEvent(QCloseEvent *event)
{
    m_refresh.stop();
    emit closed();
    QWidget::closeEvent(event);
}

void CaptureWindow::setStatus(const QString &text, bool problem)
{
    QPalette palette = this->palette();
    if (problem)
        palette.setColor(QPalette::WindowText,
                         readableOn(QColor(0xB0, 0x00, 0x00), palette.color(QPalette::Window)));
    m_status->setPalette(palette);
    m_status->setText(text);
}

void CaptureWindow::sendInput()
{
    const QString line = m_input->text();
    const Parsed<QByteArray> bytes = parseHexInput(line);
    if (!bytes) {
        setStatus(tr("Not sent: %1").arg(bytes.problem), true);
        return;
    }
    if (!m_link.portOpen()) {
        setStatus(tr("Not sent: the port is not open"), true);
        return;
    }
    m_capture.note(QStringLiteral("send: %1").arg(line.trimmed()));
    try {
        m_link.output(*bytes.value);
    } catch (const SerialError &e) {
        setStatus(tr("Not sent: %1").arg(e.description()), true);
        return;
    }
    setStatus(tr("Sent %1 byte(s)").arg(bytes.value->size()));
    m_input->clear();
    refresh();
}

void CaptureWindow::findNext()
{
    const QString text = m_find->text();
    const int rows = m_model->rowCount();
    if (text.isEmpty() || rows == 0)
        return;
    const int from = m_view->currentIndex().isValid() ? m_view->currentIndex().row() + 1 : 0;
    for (int k = 0; k < rows; ++k) {
        const int row = (from + k) % rows;
        const QModelIndex index = m_model->index(row);
        if (index.data().toString().contains(text, Qt::CaseInsensitive)) {
            m_view->setCurrentIndex(index);
            m_view->scrollTo(index, QAbstractItemView::PositionAtCenter);
            setStatus(tr("Line %1 of %2").arg(row + 1).arg(rows));
            return;
        }
    }
    setStatus(tr("\"%1\" is not in the capture").arg(text), true);
}

void CaptureWindow::save(const QString &caption, const QString &filter, const QString &suffix,
                         const std::function<QString(const QString &)> &write)
{
    FileRequest request;
    request.mode = FileRequest::Save;
    request.caption = caption;
    request.folder = QDir::homePath();
    request.suggestedName =
        m_capture.startedAt().toString(QStringLiteral("'capture-'yyyyMMdd-HHmmss.")) + suffix;
    request.filter = filter;
    request.defaultSuffix = suffix;
    const QString path = m_files->choose(request);
    if (path.isEmpty())
        return;
    const QString done = write(path);
    if (done.isEmpty())
        return;
    setStatus(done);
}

void CaptureWindow::saveText()
{
    save(tr("Save Capture as Text"), tr("Text files (*.txt)"),
         QStringLiteral("txt"), [this](const QString &path) {
             const QString problem = saveCaptureText(m_capture, path);
             if (!problem.isEmpty())
                 return failedToSave(problem);
             return tr("Saved %1 line(s) to %2").arg(m_capture.lineCount()).arg(path);
         });
}

void CaptureWindow::saveRaw()
{
    save(tr("Save Capture as Raw Bytes"), tr("Raw bytes (*.bin)"),
         QStringLiteral("bin"), [this](const QString &path) {
             const QString problem = saveCaptureRaw(m_capture, path);
             if (!problem.isEmpty())
                 return failedToSave(problem);
             return tr("Saved the bytes to %1 and their hex log to %2")
                 .arg(path, logPathFor(path));
         });
}

QString CaptureWindow::failedToSave(const QString &problem)
{
    m_messages.inform(problem, tr("Capture not saved"), MessageRequest::Warning);
    return QString();
}

void CaptureWindow::togglePause()
{
    m_capture.setPaused(m_pause->isChecked());
    m_pause->setText(m_pause->isChecked() ? tr("Resume") : tr("Pause"));
    refresh();
}

void CaptureWindow::clear()
{
    m_capture.clear();
    setStatus(QString());
    refresh();
}

} // namespace zomar
