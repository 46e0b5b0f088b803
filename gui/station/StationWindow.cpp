#include "gui/station/StationWindow.h"

#include "core/Version.h"
#include "core/profiles/Profile.h"
#include "core/protocol/ConfigBlock.h"
#include "core/settings/AppSettings.h"
#include "gui/station/OperatorField.h"
#include "gui/station/ProfileSummary.h"
#include "gui/station/SerialField.h"
#include "gui/station/SerialNotice.h"
#include "gui/station/SetupChange.h"
#include "gui/station/ShiftPanel.h"
#include "gui/station/SlotGrid.h"
#include "gui/station/SlotTile.h"
#include "gui/station/StationTitle.h"
#include "gui/station/StationTrace.h"
#include "gui/window/AppIcon.h"
#include "gui/window/FilePrompter.h"
#include "gui/window/MessagePrompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

namespace zomar {

namespace {

QLabel *headerLabel(QWidget *parent, const QString &name, double scale, bool bold)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    // Long texts wrap rather than widen the window past the screen.
    label->setWordWrap(true);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * scale);
    f.setBold(bold);
    label->setFont(f);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

StationWindow::StationWindow(AppSettings &settings, MessagePrompter &messages, FilePrompter &files,
                             QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_messages(messages),
      m_change(this, messages, files), m_recall(new ShiftRecall(settings, m_tally, this)),
      m_bell([] { QApplication::beep(); }),
      m_title(headerLabel(this, QStringLiteral("stationTitle"), 1.6, true)),
      m_profileLine(headerLabel(this, QStringLiteral("profileLine"), 1.1, false)),
      m_poolLine(headerLabel(this, QStringLiteral("poolLine"), 1.1, false)),
      m_banner(headerLabel(this, QStringLiteral("banner"), 1.3, true)),
      m_notice(new SerialNotice(this)),
      m_operator(new OperatorField(this)),
      m_serialLabel(headerLabel(this, QStringLiteral("serialLabel"), 1.3, true)),
      m_serial(new SerialField(m_serialLabel, this)), m_grid(new SlotGrid(this)),
      m_panel(new ShiftPanel(this)), m_store(new QLabel(this)), m_advice(new QLabel(this))
{
    setWindowTitle(stationTitle());
    setWindowIcon(stationIcon());
    m_banner->setWordWrap(true);
    m_banner->setStyleSheet(QStringLiteral("background: #f9a825; color: black; padding: 0.4em"));
    m_banner->hide();
    m_store->setObjectName(QStringLiteral("storeStatus"));
    m_advice->setObjectName(QStringLiteral("bandAdvice"));
    // The status bar's texts may be cut at a large scale; their tips hold them whole.
    for (QLabel *label : {m_store, m_advice}) {
        label->setMinimumWidth(1);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    m_grid->setTypingTarget(m_operator);
    QFont operatorFont = m_operator->font();
    operatorFont.setPointSizeF(operatorFont.pointSizeF() * 1.3);
    m_operator->setFont(operatorFont);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *header = new QHBoxLayout;
    auto *titles = new QVBoxLayout;
    titles->addWidget(m_title);
    titles->addWidget(m_profileLine);
    titles->addWidget(m_poolLine);
    header->addLayout(titles, 1);
    auto *operatorLabel = headerLabel(this, QStringLiteral("operatorLabel"), 1.3, true);
    operatorLabel->setText(tr("&Operator:"));
    operatorLabel->setWordWrap(false);
    operatorLabel->setBuddy(m_operator);
    header->addWidget(operatorLabel);
    // Wide enough for its hint in any language, up to forty characters.
    const QFontMetrics operatorMetrics = m_operator->fontMetrics();
    const int hint = operatorMetrics.horizontalAdvance(m_operator->placeholderText()) +
                     operatorMetrics.averageCharWidth() * 2;
    m_operator->setMaximumWidth(std::max(hint, operatorMetrics.averageCharWidth() * 40));
    m_operator->setMinimumWidth(std::max(hint, operatorMetrics.averageCharWidth() * 20));
    header->addWidget(m_operator);
    m_serialLabel->setWordWrap(false);
    m_serial->setFont(operatorFont);
    m_serial->setMinimumWidth(m_operator->minimumWidth());
    header->addWidget(m_serialLabel);
    header->addWidget(m_serial);
    m_grid->setScanTarget([this](QKeyEvent *key) { return takeScan(key); });
    connect(m_serial, &SerialField::scanned, this, &StationWindow::onSerialScanned);
    layout->addLayout(header);
    layout->addWidget(m_banner);
    layout->addWidget(m_notice);
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_grid);
    split->addWidget(m_panel);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    // The tiles take what the shift's panel leaves: about a third at most.
    const int em = fontMetrics().height();
    m_panel->setMaximumWidth(em * 40);
    split->setSizes({em * 60, em * 26});
    layout->addWidget(split, 1);
    setCentralWidget(central);
    statusBar()->addWidget(m_store, 3);
    statusBar()->addWidget(m_advice, 2);
    m_advice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(m_operator, &OperatorField::nameChanged, this, [this](const QString &name) {
        if (m_line)
            m_line->setOperatorName(name);
    });
    connect(m_recall, &ShiftRecall::restored, this, [this] {
        m_panel->show(m_tally);
        for (int i = 0; m_line && i < m_line->slotCount(); ++i)
            showSlot(i);
    });
    connect(m_recall, &ShiftRecall::unreadable, this, [this](const QString &error) {
        statusBar()->showMessage(
            tr("The shift's earlier units could not be read from the record (%1): counting "
               "goes on from here.")
                .arg(error),
            30000);
    });
    buildMenus();
    m_panel->show(m_tally);
    showBanner();
    const QFontMetrics fm(font());
    resize(fm.height() * 80, fm.height() * 50);
    m_operator->setFocus();
}

StationWindow::~StationWindow() = default;

QList<SlotTile *> StationWindow::tiles() const
{
    return m_grid->tiles();
}

QString StationWindow::bannerText() const
{
    return m_banner->isHidden() ? QString() : m_banner->text();
}

QString StationWindow::storeText() const
{
    return m_store->text();
}

QString StationWindow::adviceText() const
{
    return m_advice->text();
}

bool StationWindow::openStation(const QString &path)
{
    const StationReading reading = readStationFile(path);
    if (!reading.setup) {
        m_messages.inform(tr("The station file is refused:\n%1").arg(reading.error),
                          stationTitle(), MessageRequest::Warning);
        if (!m_line) {
            m_problem = tr("Station file refused: %1").arg(reading.error);
            showBanner();
        }
        return false;
    }
    start(*reading.setup, path);
    return true;
}

void StationWindow::start(const StationSetup &setup, const QString &path)
{
    m_trace.reset();
    m_line = std::make_unique<StationLine>(setup, path);
    m_path = QFileInfo(path).absoluteFilePath();
    m_settings.setStationFile(m_path);
    m_settings.sync();
    QList<SlotTile *> tiles;
    for (int i = 0; i < setup.slotList.size(); ++i) {
        auto *tile = new SlotTile(setup.slotList.at(i).name);
        tile->setObjectName(QStringLiteral("slot%1").arg(i + 1));
        connect(tile, &SlotTile::detailsAsked, this, [this, i] { showDetails(i); });
        connect(tile, &SlotTile::reprintAsked, this, [this, i] { reprintLabel(i); });
        tiles << tile;
    }
    m_grid->setTiles(tiles);
    connect(m_line.get(), &StationLine::slotChanged, this, &StationWindow::showSlot);
    connect(m_line.get(), &StationLine::unitFinished, this, &StationWindow::onUnitFinished);
    connect(m_line.get(), &StationLine::storeStatusChanged, this, &StationWindow::showStore);
    connect(m_line.get(), &StationLine::strayModule, this, [this](const QString &port) {
        statusBar()->showMessage(
            tr("A module in the socket %1 is left alone: it is no slot of this "
                           "station (Edit setup > Teach slots).")
                .arg(port),
            15000);
    });
    connect(m_line.get(), &StationLine::idle, this, &StationWindow::onIdle);
    connect(m_line.get(), &StationLine::folderChanged, this, &StationWindow::showBanner);
    for (int i = 0; i < setup.slotList.size(); ++i)
        showSlot(i);
    m_goneFile.clear();
    const QString problem =
        m_line->open(QStringLiteral("zomar-station %1").arg(QString::fromLatin1(kVersionText)));
    m_problem = problem.isEmpty() ? QString() : notRunning(problem);
    startTrace();
    m_line->setOperatorName(m_operator->name());
    m_recall->opened(*m_line, m_path);
    m_panel->show(m_tally);
    showHeader();
    showStore(m_line->storeStatus());
    showBanner();
}

QString StationWindow::notRunning(const QString &problem) const
{
    const ClaimConflict &c = m_line->conflict();
    switch (c.kind) {
    case ClaimConflict::None:
        break;
    case ClaimConflict::SameStation:
        return tr("Not running: this station runs already in %1 (pid %2). Use that window, or "
                  "close it and open the station here again (Station > Open station...).")
            .arg(c.program)
            .arg(c.pid);
    case ClaimConflict::SameSocket:
        return tr("Not running: the socket %1 is a slot of the station %2, which runs in %3 "
                  "(pid %4). A socket belongs to one station.")
            .arg(c.socket, c.stationFile, c.program)
            .arg(c.pid);
    case ClaimConflict::SameFolder:
        return tr("Not running: %1 (pid %2) programs every module plugged in on this PC's "
                  "sockets (%3). End it, then open the station again.")
            .arg(c.program)
            .arg(c.pid)
            .arg(c.folder.isEmpty() ? tr("all its serial ports") : c.folder);
    }
    return tr("Not running: %1. An engineer can correct it in Edit setup.").arg(problem);
}

void StationWindow::noteStationGone(const QString &path)
{
    if (m_line)
        return;
    m_goneFile = path;
    showBanner();
}

void StationWindow::showHeader()
{
    const StationSetup &s = m_line->setup();
    const QString name = s.station.isEmpty() ? QFileInfo(m_path).completeBaseName() : s.station;
    m_title->setText(name);
    setWindowTitle(QStringLiteral("%1 - %2").arg(name, stationTitle()));
    const Profile *profile = m_line->profile();
    m_profileLine->setText(
        tr("Profile %1: %2")
            .arg(QFileInfo(m_line->profilePath()).fileName(),
                 profile ? profileSummary(*profile) : tr("not read")));
    QString pool =
        s.localFrom
            ? tr("Addresses from %1, step %2").arg(addressHex(*s.localFrom)).arg(s.step)
            : tr("Each module keeps its own address");
    // What the record gives next, read now; nothing when that cannot be told.
    if (const std::optional<quint32> next = m_line->nextAddress(); next && s.localFrom)
        pool += tr(" (next %1)").arg(addressHex(*next));
    m_poolLine->setText(tr("%1 · %2 baud").arg(pool).arg(s.baud));
    const QString advice = profile ? profileAdvice(*profile, s.region) : QString();
    m_advice->setText(advice);
    m_advice->setToolTip(advice);
}

void StationWindow::showBanner()
{
    // The one that matters most: closing, not running, then what is missing.
    QString text = m_closingText.isEmpty() ? m_problem : m_closingText;
    if (text.isEmpty() && !m_goneFile.isEmpty())
        text = tr("The station file opened last, %1, is not there any more: Station > Open "
                  "station... or New station...")
                   .arg(m_goneFile);
    if (text.isEmpty() && !m_line)
        text = tr("No station open: Station > New station... or Open station...");
    if (text.isEmpty() && m_line->setup().slotList.isEmpty())
        text = tr("No slots yet: Edit setup > Teach slots.");
    if (text.isEmpty() && m_line->folderState() == PortWatcher::Folder::Missing)
        text = tr("The socket folder %1 is not there: check the hub is plugged in, or correct "
                  "the folder in Edit setup. The station watches for it.")
                   .arg(m_line->slotFolder());
    m_banner->setText(text);
    m_banner->setVisible(!text.isEmpty());
}

void StationWindow::showStore(const StoreStatus &status)
{
    noteRefusedSerials(status.station);
    m_store->setText(status.text());
    m_store->setToolTip(status.text());
    // Words first; the colour only adds to them.
    m_store->setStyleSheet(status.writable() && status.online()
                               ? QString()
                               : QStringLiteral("background: #f9a825; color: black"));
}

void StationWindow::showSlot(int slot)
{
    const QList<SlotTile *> list = m_grid->tiles();
    if (slot < 0 || slot >= list.size())
        return;
    list.at(slot)->setView(m_trace ? m_trace->shown(slot, m_line->slot(slot)) : m_line->slot(slot));
    list.at(slot)->setTrace(m_trace ? m_trace->lines(slot) : QStringList());
    list.at(slot)->setCounts(m_tally.slot(m_line->setup().slotList.at(slot).port));
}

void StationWindow::onUnitFinished(const SlotOutcome &o)
{
    const StationSlot &slot = m_line->setup().slotList.at(o.slot);
    m_tally.add(slot.port, UnitLine{QDateTime::currentDateTime(), slot.name, o.local, o.pass,
                                    o.reason, m_operator->name(), o.unknown});
    m_panel->show(m_tally);
    if (m_trace) {
        m_trace->passed(o);
        askSerial(o.slot);
    }
    showSlot(o.slot);
    showHeader(); // the next address
    if (m_closing && !o.pass)
        m_closingFailures << tr("%1: %2 – %3")
                                 .arg(slot.name, o.unknown ? tr("UNKNOWN") : tr("FAIL"), o.reason);
    if (!o.pass && m_bell)
        m_bell();
}

void StationWindow::closeEvent(QCloseEvent *event)
{
    if (!m_line || m_line->finish()) {
        // The run ends in the record, and the station's sockets are free for
        // another window; labels asked for are printed first.
        m_trace.reset();
        m_line.reset();
        event->accept();
        return;
    }
    // The modules in flight finish and are recorded; onIdle() closes again.
    event->ignore();
    if (m_closing)
        return;
    m_closing = true;
    const int busy = m_line->inFlight();
    m_closingText =
        busy == 1 ? tr("Closing: the module in flight finishes first. Leave it in place.")
                  : tr("Closing: %n modules in flight finish first. Leave them in place.",
                       nullptr, busy);
    showBanner();
}

void StationWindow::quitWhenIdle()
{
    m_unattended = true;
    // Dialogs go too (the setup's changes with them); this window waits
    // for the modules in flight.
    QApplication::closeAllWindows();
}

void StationWindow::onIdle()
{
    // Any module among them that did not pass is told before the window
    // goes: its tile would otherwise never be seen.
    QTimer::singleShot(0, this, [this] {
        if (!m_closingFailures.isEmpty() && !m_unattended) {
            m_closingText = tr("Closing: modules in flight that did not pass: %1.")
                                .arg(m_closingFailures.size());
            showBanner();
            m_messages.inform(tr("Before the station closed:\n%1\n\nPut these modules aside; "
                                 "the record has them.")
                                  .arg(m_closingFailures.join(QLatin1Char('\n'))),
                              stationTitle(), MessageRequest::Warning);
        }
        close();
    });
}

} // namespace zomar
