#include "gui/window/Form1.h"
#include "core/Version.h"

#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "core/settings/AppSettings.h"
#include "core/timing/IntervalTimer.h"
#include "gui/capture/CaptureLauncher.h"
#include "gui/connection/LinkTestLauncher.h"
#include "gui/connection/ModuleSearch.h"
#include "gui/connection/PortConnection.h"
#include "gui/connection/ReceivePath.h"
#include "gui/modem/BandAdviceLine.h"
#include "gui/modem/FactoryReset.h"
#include "gui/modem/FieldEntry.h"
#include "gui/modem/OperationQueue.h"
#include "gui/modem/RefreshOperation.h"
#include "gui/modem/SetOperation.h"
#include "gui/pages/RepeaterPage.h"
#include "gui/pages/TerminalPage.h"
#include "gui/profiles/ProfileActions.h"
#include "gui/profiles/ProfileDrop.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "gui/window/AppIcon.h"
#include "gui/window/FilePrompter.h"
#include "gui/window/MenuBar.h"
#include "gui/window/PageNavigator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

namespace zomar {

Form1::Form1(AppSettings &settings, const PortResolver &resolver, MessagePrompter &messages,
             QWidget *parent)
    : QWidget(parent), m_settings(settings), m_resolver(resolver)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    setWindowIcon(appIcon());
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("Form1Body"));
    m_ui = buildForm1(m_body);

    m_comm = std::make_unique<SerialLink>(m_resolver, this);
    m_timer1 = std::make_unique<IntervalTimer>();
    m_timer2 = std::make_unique<IntervalTimer>();
    m_loopTimer = std::make_unique<IntervalTimer>();
    m_operations = std::make_unique<OperationQueue>([this] { return m_comm->quietForMs(); });
    m_ctx = std::make_unique<FormContext>(FormContext{m_ui, m_state, *m_comm, messages, m_pointer,
                                                      *m_timer1, *m_timer2, *m_loopTimer,
                                                      *m_operations});
    m_navigator = std::make_unique<PageNavigator>(m_ui);
    m_refresh = std::make_unique<RefreshOperation>(*m_ctx);
    m_connection = std::make_unique<PortConnection>(*m_ctx, *m_refresh);
    m_receive = std::make_unique<ReceivePath>(*m_ctx);
    m_set = std::make_unique<SetOperation>(*m_ctx, *m_refresh);
    m_fields = std::make_unique<FieldEntry>(*m_ctx, *m_refresh);
    m_reset = std::make_unique<FactoryReset>(*m_ctx, *m_fields, *m_set);
    m_terminal = std::make_unique<TerminalPage>(*m_ctx);
    m_repeater = std::make_unique<RepeaterPage>(*m_ctx);
    m_files = std::make_unique<DialogFilePrompter>(this);
    m_profiles = std::make_unique<ProfileActions>(*m_ctx, *m_fields, m_settings, *m_files);
    m_search = std::make_unique<ModuleSearch>(*m_ctx, *m_connection, m_resolver, this);
    m_linkTest = std::make_unique<LinkTestLauncher>(*m_ctx, m_resolver, *m_files, this);
    m_capture = std::make_unique<CaptureLauncher>(*m_ctx, *m_files, m_settings, this);
    m_menu = std::make_unique<MenuBar>(this, *m_profiles, *m_search, *m_linkTest, *m_capture,
                                       m_settings, messages);
    m_drop = std::make_unique<ProfileDrop>(this, *m_profiles);
    m_advice = std::make_unique<BandAdviceLine>(*m_ctx, m_settings);
    placeMenuBar();
    wire();

    // Design-time timers: the quiet-line timer ticks once right after start-up,
    // the continuous send waits for its toggle, the loopback timer for an interval.
    m_timer1->setInterval(100);
    m_timer1->setEnabled(true);
    m_timer2->setInterval(200);
    m_loopTimer->setEnabled(true);

    load();
}

Form1::~Form1()
{
    // Behaviours refer to the controls; they go first.
    m_advice.reset();
    m_capture.reset();
    m_drop.reset();
    m_menu.reset();
    m_linkTest.reset();
    m_search.reset();
    m_profiles.reset();
    m_repeater.reset();
    m_terminal.reset();
    m_reset.reset();
    m_fields.reset();
    m_set.reset();
    m_receive.reset();
    m_connection.reset();
    m_refresh.reset();
    m_pointer.set(false);
    qApp->removeEventFilter(this);
}

QString Form1::versionedTitle(int major, int minor, int revision)
{
    return tr("Zomar Setup Utility - Version:%1.%2.%3")
        .arg(major)
        .arg(minor)
        .arg(revision);
}

void Form1::placeMenuBar()
{
    // The designed window keeps its size and every control its place; the
    // menu bar comes on top and the window grows by its height.
    QMenuBar *bar = m_menu->widget();
    const int height = bar->sizeHint().height();
    bar->setGeometry(0, 0, m_body->width(), height);
    m_body->move(0, height);
    setFixedSize(m_body->width(), m_body->height() + height);
}

void Form1::setFilePrompter(FilePrompter &files)
{
    m_profiles->setFilePrompter(files);
    m_capture->setFilePrompter(files);
    m_linkTest->setFilePrompter(files);
}

QString Form1::statusText() const
{
    return m_ui.StatusPanel1->text();
}

void Form1::wire()
{
    Form1Controls &ui = m_ui;
    connect(ui.TabStrip1, &QTabBar::currentChanged, m_navigator.get(),
            &PageNavigator::showSelectedPage);
    connect(ui.Command7, &QPushButton::clicked, m_connection.get(),
            &PortConnection::connectClicked);
    connect(ui.Combo1, &DropDownBox::picked, m_connection.get(), &PortConnection::portPicked);
    connect(ui.Combo2, &DropDownBox::picked, m_connection.get(), &PortConnection::speedPicked);
    connect(ui.Combo1, &DropDownBox::aboutToShowPopup, this, &Form1::updatePortToolTips);
    // The two lists change only by picking an item.
    ui.Combo1->lineEdit()->setReadOnly(true);
    ui.Combo2->lineEdit()->setReadOnly(true);
    connect(m_comm.get(), &SerialLink::commEvent, m_receive.get(), &ReceivePath::onComm);
    connect(ui.Command3, &QPushButton::clicked, m_refresh.get(), &RefreshOperation::refresh);
    connect(m_timer1.get(), &IntervalTimer::tick, m_refresh.get(), &RefreshOperation::onQuietLine);
    connect(ui.Command2, &QPushButton::clicked, m_set.get(), &SetOperation::set);
    connect(ui.Command6, &QPushButton::clicked, m_reset.get(), &FactoryReset::resetDefaults);
    // The window sees key releases before the focused control does.
    qApp->installEventFilter(this);
}

void Form1::load()
{
    m_state.parsePending = true;
    m_state.rx.index = 0;
    m_state.contSendChar = 32;
    m_navigator->hideTestTabs();

    for (QLineEdit *box : m_ui.addressBoxes())
        box->setText(QStringLiteral("7F"));
    m_ui.Text9->setText(QStringLiteral("433.92"));
    m_ui.Text10->setText(QStringLiteral("0"));

    m_ui.Combo1->clearItems();
    for (const QString &item : portItems())
        m_ui.Combo1->appendItem(item);
    m_ui.Combo2->clearItems();
    for (const QString &item : lineSpeedItems())
        m_ui.Combo2->appendItem(item);
    for (const QString &item : txPowerItems())
        m_ui.Text10->appendItem(item);
    for (const QString &item : rfSpeedItems())
        m_ui.Combo5->appendItem(item);
    for (const QString &item : bandItems())
        m_ui.Combo6->appendItem(item);

    // A change of band reads the configuration, here on the still closed port.
    m_fields->setBand(QStringLiteral("433Mhz"));

    m_navigator->showSelectedPage();
    setWindowTitle(versionedTitle(kVersionMajor, kVersionMinor, kVersionPatch));
    m_state.portNumber = m_settings.port();
    m_ui.Combo1->setText(m_state.portNumber);
    m_ui.Combo2->setText(m_settings.baud());
    m_ui.Text13->setText(QString());
    m_ui.Text14->setText(QString());
    m_ctx->setStatus(tr("Disconnected"));
    updatePortToolTips();
    m_ui.Command7->setFocus(Qt::OtherFocusReason);
}

void Form1::updatePortToolTips()
{
    // The operator can see which device each number stands for. One look at
    // the system's ports serves every entry: each look walks sysfs and udev.
    const QList<SystemPort> system = m_resolver.orderedSystemPorts();
    DropDownBox *ports = m_ui.Combo1;
    for (int i = 0; i < ports->count(); ++i) {
        bool ok = false;
        const int number = ports->itemText(i).toInt(&ok);
        const QString tip = ok ? m_resolver.describe(number, system) : QString();
        ports->setItemToolTip(i, tip.isEmpty() ? tr("No serial device") : tip);
    }
    bool ok = false;
    const int current = m_state.portNumber.trimmed().toInt(&ok);
    ports->setToolTip(ok ? m_resolver.describe(current, system) : QString());
}

void Form1::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    // Reads and writes still waiting for their turn would go out after the
    // window has gone.
    m_operations->clear();
    if (!m_ui.Combo1->text().trimmed().isEmpty())
        m_settings.setPort(m_ui.Combo1->text());
    if (!m_ui.Combo2->text().trimmed().isEmpty())
        m_settings.setBaud(m_ui.Combo2->text());
    const QString problem = m_settings.sync();
    if (!problem.isEmpty())
        m_ctx->messages.inform(tr("The port and speed could not be saved to %1: %2.\n"
                                  "They will not be remembered next time.")
                                   .arg(m_settings.fileName(), problem),
                               tr("Settings not saved"), MessageRequest::Warning);
}

void Form1::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        // A key event propagates up the parents; act on its first receiver only.
        const bool first = widget && widget->window() == this &&
                           (watched == QApplication::focusWidget() ||
                            (!QApplication::focusWidget() && watched == this));
        if (first && !key->isAutoRepeat()) {
            m_navigator->windowKeyReleased(key->key(), key->modifiers());
            if (watched == m_ui.Command7)
                m_navigator->connectKeyReleased(key->key());
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zomar
