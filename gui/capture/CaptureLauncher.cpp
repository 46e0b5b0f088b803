#include "gui/capture/CaptureLauncher.h"

#include "core/capture/CaptureRecorder.h"
#include "core/link/SerialLink.h"
#include "gui/capture/CaptureWindow.h"
#include "gui/modem/OperationQueue.h"
#include "gui/script/ScriptBench.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"

#include <QToolButton>

namespace zomar {

namespace {

// Above the first traffic box of a page, right-aligned: the row the page's
// "RX"/"TX" label starts on, where nothing else is.
constexpr int kButtonHeight = 16;

} // namespace

CaptureLauncher::CaptureLauncher(FormContext &ctx, FilePrompter &files, AppSettings &settings,
                                 QWidget *window, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_files(&files), m_settings(settings), m_parent(window),
      m_terminalButton(addButton(ctx.ui.TermPic, "CaptureTerminal")),
      m_repeaterButton(addButton(ctx.ui.RepeaterPic, "CaptureRepeater"))
{}

CaptureLauncher::~CaptureLauncher()
{
    end();
}

QToolButton *CaptureLauncher::addButton(QWidget *page, const char *name)
{
    auto *b = new QToolButton(page);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(tr("Capture..."));
    b->setToolTip(tr("Every byte both ways, a line per burst with time and hex"));
    b->setAutoRaise(true);
    b->setPalette(page->palette()); // the page's light panel, in any theme
    // Out of the page's keyboard order: the designed controls keep theirs.
    b->setFocusPolicy(Qt::NoFocus);
    QFont font = b->font();
    font.setPixelSize(11);
    b->setFont(font);
    b->adjustSize();
    b->setGeometry(page->width() - b->width(), 0, b->width(), kButtonHeight);
    connect(b, &QToolButton::clicked, this, &CaptureLauncher::open);
    return b;
}

ScriptBench *CaptureLauncher::bench() const
{
    return m_bench.data();
}

void CaptureLauncher::setFilePrompter(FilePrompter &files)
{
    m_files = &files;
    if (m_window)
        m_window->setFilePrompter(files);
    if (m_bench)
        m_bench->setFilePrompter(files);
}

void CaptureLauncher::open()
{
    if (!m_window) {
        // The recorder lives as long as its window: closing ends the capture.
        auto *capture = new CaptureRecorder;
        DropDownBox *band = m_ctx.ui.Combo6;
        capture->setBandSource([band] { return bandFromText(band->text()); });
        const SerialLink::Tap before = capture->attachTo(m_ctx.comm);
        m_window = new CaptureWindow(*capture, m_ctx.comm, *m_files, m_ctx.messages, m_parent);
        capture->setParent(m_window);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        OperationQueue &operations = m_ctx.operations;
        m_bench = new ScriptBench(
            m_ctx.comm, [&operations](bool on) { return operations.hold(on); },
            [band] {
                const Band b = bandFromText(band->text());
                return b == Band::None ? Band::Mhz433 : b;
            },
            m_settings, *m_files, [capture](const QString &text) { capture->note(text); });
        m_window->addSidePanel(m_bench);
        connect(m_window, &CaptureWindow::closed, this, [this, before] {
            // A script still running stops, and hands the line's tap back, first.
            delete m_bench;
            m_ctx.comm.setTap(before);
            m_window = nullptr;
        });
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void CaptureLauncher::end()
{
    if (m_window)
        m_window->close();
}

} // namespace zomar
