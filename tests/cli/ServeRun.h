#pragma once
// zomar-cli serve started for a test, and plain HTTP to it: what a browser
// or an API client on this PC would get, status, headers and body.

#include "tests/cli/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>

namespace zomar::test {

struct Served {
    std::unique_ptr<QProcess> process;
    QString url; // "http://127.0.0.1:PORT/"
    QString err;
};

// Starts serve with the arguments (port 0) and waits for the address it says.
inline Served startServe(const QStringList &args, const QProcessEnvironment &env)
{
    Served s;
    s.process = startCli(QStringList{"serve", "--listen", "127.0.0.1:0", "--json"} + args, {}, env);
    QByteArray out;
    QDeadlineTimer deadline(20000);
    while (!out.contains('\n') && !deadline.hasExpired() &&
           s.process->state() != QProcess::NotRunning) {
        s.process->waitForReadyRead(200);
        out += s.process->readAllStandardOutput();
    }
    s.url = QJsonDocument::fromJson(out.split('\n').value(0)).object().value("url").toString();
    s.err = QString::fromUtf8(s.process->readAllStandardError());
    return s;
}

// Ends serve as Ctrl+C would; true when it ended by itself with 0 (what it
// printed on its error stream is added to s.err).
inline bool stopServe(Served &s)
{
    if (!s.process)
        return false;
    if (s.process->state() != QProcess::NotRunning) {
        s.process->terminate();
        if (!s.process->waitForFinished(30000))
            s.process->kill();
    }
    s.process->waitForFinished(5000);
    s.err += QString::fromUtf8(s.process->readAllStandardError());
    return s.process->exitStatus() == QProcess::NormalExit && s.process->exitCode() == 0;
}

struct HttpAnswer {
    int status = 0;
    QByteArray body;
    QMap<QByteArray, QByteArray> headers; // lower case names
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
};

inline HttpAnswer http(const QString &url, const QByteArray &method = "GET",
                       const QList<QPair<QByteArray, QByteArray>> &headers = {},
                       const QByteArray &body = {})
{
    // One per request: a manager kept in a static would outlive the
    // application and its TLS backend, and leak what that backend holds.
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(15000);
    // Cookies only as the test sends them: none kept from an earlier answer.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    for (const auto &[k, v] : headers)
        request.setRawHeader(k, v);
    QNetworkReply *reply = network.sendCustomRequest(request, method, body);
    // The tests' own certificate is signed by no one.
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply] { reply->ignoreSslErrors(); });
    QSignalSpy done(reply, &QNetworkReply::finished);
    done.wait(20000);
    HttpAnswer a;
    a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    a.body = reply->readAll();
    for (const auto &pair : reply->rawHeaderPairs())
        a.headers.insert(pair.first.toLower(), pair.second);
    reply->deleteLater();
    return a;
}

// The bytes a raw connection gets for what it sends (until the server
// closes it or a second passes without more).
inline QByteArray rawExchange(quint16 port, const QByteArray &sent)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return "not connected";
    socket.write(sent);
    socket.waitForBytesWritten(5000);
    QByteArray got;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(1000))
        got += socket.readAll();
    got += socket.readAll();
    return got;
}

} // namespace zomar::test
