#pragma once
// A window under test: its own settings file, a message-box seam that records
// and answers, no system serial ports, and a virtual module on port 1.

#include "core/settings/AppSettings.h"
#include "gui/window/Form1.h"
#include "gui/window/MessagePrompter.h"
#include "core/link/PortResolver.h"
#include "sim/VirtualModule.h"

#include <QList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace zomar::test {

class RecordingPrompter : public MessagePrompter
{
public:
    MessageRequest::Answer ask(const MessageRequest &request) override;

    QList<MessageRequest> shown;
    // Answers for Yes/No boxes, used in order; when none is queued the box's
    // default answer is taken.
    QList<MessageRequest::Answer> answers;
    // Called as each box is shown, before it is answered: lets a test look at
    // the window while the box is up.
    std::function<void(const MessageRequest &)> onShown;

    QStringList texts() const;
    void clear() { shown.clear(); }
};

class FormHarness
{
public:
    struct Options {
        bool withModule = true;
        int modulePort = 1;
        QString savedPort; // written before the window loads, when set
        QString savedBaud;

        static Options noModule()
        {
            Options o;
            o.withModule = false;
            return o;
        }
    };
    FormHarness();
    explicit FormHarness(const Options &options);
    ~FormHarness();

    Form1 &form() { return *m_form; }
    Form1Controls &ui() { return m_form->controls(); }
    VirtualModule &module() { return *m_module; }
    RecordingPrompter &prompter() { return m_prompter; }
    PortResolver &resolver() { return m_resolver; }
    QString settingsFile() const;
    QString status() const { return m_form->statusText(); }

    // Clicks "Connect" (the handler runs the read that follows the connect).
    void connectPort();
    // Waits until the page is settled after a read (decode done, pointer back).
    bool waitIdle(int timeoutMs = 3000);
    // Waits until the module has left command mode.
    bool waitModuleIdle(int timeoutMs = 5000);
    // Gives the module `config`, selects `band` (unless empty) while the port
    // is closed, connects and reads; leaves the module out of command mode
    // and its wire record empty. False when any step did not end as expected.
    bool connectAndRead(const QByteArray &config, const QString &band = QString());

    // Closes the window as the operator would, which writes the settings.
    void closeWindow();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppSettings> m_settings;
    PortResolver m_resolver;
    RecordingPrompter m_prompter;
    std::unique_ptr<VirtualModule> m_module;
    std::unique_ptr<Form1> m_form;
};

inline const QString kNoResponse =
    QStringLiteral("No Response from Modem. Check Comms Port & Baud rate");
inline const QString kComplete = QStringLiteral("Request Complete");

// The configuration fields of the modem page: Text1..Text8, Text9, Text10, Combo5.
QStringList pageFields(const Form1Controls &ui);

// Waits until the module has taken the "---" that ends a read, so that the
// next request reaches it as a message of its own.
void waitModuleOutOfCommandMode(FormHarness &h);

// Milliseconds between two module timestamps.
inline double msBetween(qint64 fromNs, qint64 toNs)
{
    return double(toNs - fromNs) / 1e6;
}

} // namespace zomar::test
