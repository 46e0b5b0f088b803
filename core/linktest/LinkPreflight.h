#pragma once
// Before a link test: both modules are read, side by side; when their
// channel or RF speed differ the test would only show every packet lost, so
// that is reported instead, or (when asked) the first module's channel and
// RF speed are written to the second and verified. In echo mode only the
// near module is read (its RF speed times the probes).

#include "core/protocol/PageCodec.h"
#include "core/protocol/ModuleSession.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

namespace zomar::linktest {

struct PreflightResult {
    enum Outcome {
        Ready,  // the modules answered and are set alike (or were made so)
        Differ, // channel or RF speed differ: nothing was sent
        Failed, // a module did not answer, a port failed, or the write did not verify
    };
    Outcome outcome = Ready;
    QString message; // Differ, Failed: one line
    std::optional<ConfigBlock> from, to;
    QStringList differences; // Differ: "Channel: 433.920 MHz on A, 434.000 MHz on B"
    bool configured = false;
    std::optional<SessionResult> failure; // Failed: what the session reported
    int rfBps() const;                    // of the first module (0: unknown)
};

struct PreflightSettings {
    QString from;
    int fromBaud = 0;
    QString to; // "" in echo mode
    int toBaud = 0;
    Band band = Band::None; // how a channel is named in the differences
    bool configure = false; // make the second module's channel and RF speed the first's
};

class LinkPreflight : public QObject
{
    Q_OBJECT
public:
    explicit LinkPreflight(const PreflightSettings &settings, QObject *parent = nullptr);

    void setLinkHook(std::function<void(SerialLink &, const QString &device)> hook)
    {
        m_linkHook = std::move(hook);
    }
    void start();
    bool running() const { return m_pending > 0; }

    // The fields in which two blocks differ for a link, worded per device.
    static QStringList differences(const ConfigBlock &a, const QString &aName,
                                   const ConfigBlock &b, const QString &bName, Band band);

signals:
    void finished(const zomar::linktest::PreflightResult &result);

private:
    ModuleSession *open(const QString &device, int baud);
    void onRead(bool first, const SessionResult &r);
    void onWritten(const SessionResult &r);
    void end(PreflightResult result);

    PreflightSettings m_settings;
    std::function<void(SerialLink &, const QString &)> m_linkHook;
    ModuleSession *m_first = nullptr;
    ModuleSession *m_second = nullptr;
    std::optional<SessionResult> m_firstRead, m_secondRead;
    int m_pending = 0;
};

} // namespace zomar::linktest

Q_DECLARE_METATYPE(zomar::linktest::PreflightResult)
