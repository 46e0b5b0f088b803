#pragma once
// A model of the radio module behind a pseudo-terminal. It holds a twelve-byte
// configuration, answers "+++" with it, takes a twelve-byte block in command
// mode as its new configuration, leaves command mode on "---", and stays silent
// when the port's line speed differs from its own. Outside command mode what
// it receives goes on the simulated air to the other virtual modules of the
// process on its channel and RF speed (see sim/Radio.h), and what it hears
// from them goes out on its line. It runs on a thread of its own, like
// hardware would, and records every byte it receives and writes with the time.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include "sim/Radio.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zomar {

class VirtualModule : public QObject
{
    Q_OBJECT
public:
    struct WireByte {
        qint64 nsecs; // VirtualModule::now() when the byte was read
        quint8 value;
    };

    explicit VirtualModule(QObject *parent = nullptr);
    ~VirtualModule() override;

    // Opens the pseudo-terminal and starts the module's thread.
    bool start(QString *error = nullptr);
    // Starts `count` modules, each on its own terminal; none (and error set)
    // when one cannot start.
    static std::vector<std::unique_ptr<VirtualModule>> startMany(int count,
                                                                 QString *error = nullptr);
    // Path of the terminal device the program opens (the slave side).
    QString devicePath() const;

    static QByteArray factoryConfiguration(); // 00x8 06 20 00 11
    void setConfiguration(const QByteArray &block);
    QByteArray configuration() const;
    void setLineSpeed(int baud); // the module's own speed; default 38400
    int lineSpeed() const;
    // Replaces the answer to "+++" (for short or odd answers); nullopt restores it.
    void setAnswerOverride(std::optional<QByteArray> answer);
    bool inCommandMode() const;
    // A module that tells its commands apart only by a quiet line of `ms`:
    // one message is one command, so "---" and "+++" sent back to back are
    // neither. 0 restores the lenient model (a 5 ms gap, sequences sent
    // back to back taken in order).
    void setCommandGap(int ms);
    // A faulty module: a block written to it is stored as this instead
    // (nullopt: stored as sent).
    void setStoreOverride(std::optional<QByteArray> stored);
    // Pulls the plug right after the module has taken a message (a burst ended
    // by a quiet gap) for which `when` is true; called on the module's thread.
    void setHangUpAfter(std::function<bool(const QByteArray &message)> when);
    // Messages (bursts ended by a quiet gap) taken in so far, answered or not;
    // any answer to a message is on the line before this count moves.
    int messagesHandled() const;

    // Sends bytes as a remote radio would, now or after a delay.
    void send(const QByteArray &bytes);
    void sendAfter(int msecs, const QByteArray &bytes);

    // Everything received so far, in order.
    QList<WireByte> received() const;
    QByteArray receivedBytes() const;
    // Everything written to the program so far (answers, what the air
    // brought), in order, timed when the terminal took it.
    QList<WireByte> written() const;
    // Forgets both records.
    void clearReceived();

    // How the air treats what this module sends (default: no loss, 5 ms).
    void setRadio(const sim::RadioSettings &settings);

    // Closes the module's side: the device disappears as when an adapter is pulled.
    void hangUp();

    // Monotonic clock of the timestamps, in nanoseconds.
    static qint64 now();

signals:
    // Emitted (from the module's thread) when a block became the new configuration.
    void configurationWritten(const QByteArray &block);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zomar
