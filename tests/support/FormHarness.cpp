#include "tests/support/FormHarness.h"

#include "gui/connection/PortConnection.h"
#include "core/link/SerialLink.h"
#include "gui/timing/IntervalTimer.h"

#include "gui/widgets/DropDownBox.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace zomar::test {

QStringList pageFields(const Form1Controls &ui)
{
    QStringList out;
    for (QLineEdit *box : ui.addressBoxes())
        out << box->text();
    out << ui.Text9->text() << ui.Text10->text() << ui.Combo5->text();
    return out;
}

MessageRequest::Answer RecordingPrompter::ask(const MessageRequest &request)
{
    shown.append(request);
    if (onShown)
        onShown(request);
    if (request.buttons == MessageRequest::Ok)
        return MessageRequest::AnswerOk;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return request.defaultAnswer;
}

QStringList RecordingPrompter::texts() const
{
    QStringList out;
    for (const MessageRequest &r : shown)
        out << r.text;
    return out;
}

FormHarness::FormHarness() : FormHarness(Options{}) {}

FormHarness::FormHarness(const Options &options)
{
    m_settings = std::make_unique<AppSettings>(m_dir.filePath(QStringLiteral("settings.ini")));
    if (!options.savedPort.isNull())
        m_settings->setPort(options.savedPort);
    if (!options.savedBaud.isNull())
        m_settings->setBaud(options.savedBaud);
    m_settings->sync();
    // No real serial ports take part in tests.
    m_resolver.setSystemPortsSource([] { return QList<SystemPort>{}; });
    if (options.withModule) {
        m_module = std::make_unique<VirtualModule>();
        QString error;
        if (!m_module->start(&error))
            qFatal("virtual module: %s", qPrintable(error));
        m_resolver.setExplicit(options.modulePort, m_module->devicePath(),
                               QStringLiteral("virtual module"));
    }
    m_form = std::make_unique<Form1>(*m_settings, m_resolver, m_prompter);
}

FormHarness::~FormHarness()
{
    m_form.reset();
    m_module.reset();
}

QString FormHarness::settingsFile() const
{
    return m_settings->fileName();
}

void FormHarness::connectPort()
{
    m_form->portConnection().connectClicked();
}

bool FormHarness::waitIdle(int timeoutMs)
{
    return QTest::qWaitFor(
        [this] { return !m_form->pointer().isBusy() && !m_form->timer1().isEnabled(); }, timeoutMs);
}

bool FormHarness::waitModuleIdle(int timeoutMs)
{
    return QTest::qWaitFor([this] { return !m_module->inCommandMode(); }, timeoutMs);
}

bool FormHarness::connectAndRead(const QByteArray &config, const QString &band)
{
    m_module->setConfiguration(config);
    if (!band.isEmpty())
        ui().Combo6->setText(band); // a read on the closed port: nothing sent
    if (!waitIdle())
        return false;
    connectPort();
    if (!waitIdle() || status() != kComplete || !waitModuleIdle())
        return false;
    m_module->clearReceived();
    return true;
}

void waitModuleOutOfCommandMode(FormHarness &h)
{
    QVERIFY(QTest::qWaitFor([&] { return h.module().receivedBytes().endsWith("---"); }, 5000));
    // A module that took "---" together with other bytes stays in command
    // mode; it still answers the next "+++" then.
    (void)QTest::qWaitFor([&] { return !h.module().inCommandMode(); }, 1000);
}

void FormHarness::closeWindow()
{
    m_form->close();
}

} // namespace zomar::test
