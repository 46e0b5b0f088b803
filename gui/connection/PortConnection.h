#pragma once
// Opening and closing the port ("Connect"/"Disconnect", a pick of port or
// speed), with a configuration read after every connect attempt.

#include <QObject>

namespace zomar {

struct FormContext;
class RefreshOperation;

class PortConnection : public QObject
{
    Q_OBJECT
public:
    PortConnection(FormContext &ctx, RefreshOperation &refresh, QObject *parent = nullptr);

    void OpenComms();
    void CloseComms();

    // Click of "Connect"/"Disconnect".
    void connectClicked();
    // A pick in the port list: reconnect on that port.
    void portPicked();
    // A pick in the speed list: reconnect at that speed when open.
    void speedPicked();
    // The open device went away.
    void deviceLost(const QString &description);

    // The port text as the 16-bit number the link takes; throws SerialError.
    static int portTextToNumber(const QString &text);

private:
    FormContext &m_ctx;
    RefreshOperation &m_refresh;
};

} // namespace zomar
