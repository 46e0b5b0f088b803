// What a command prints and how its run ends: its lines, its JSON, its
// failure, and the exit code once its trace and output are accounted for.

#include "apps/zomar-cli/Cli.h"

#include "apps/zomar-cli/TraceFile.h"
#include "core/files/OutputStream.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QTimer>

#include <cstdio>

namespace zomar {

QString Cli::visible(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

void Cli::out(const QString &line)
{
    // Written whole: a NUL in it must not end the line early.
    outBytes((line + QLatin1Char('\n')).toLocal8Bit());
}

void Cli::outBytes(const QByteArray &bytes)
{
    OutputStream::standardOutput().write(bytes);
}

bool Cli::outputLost() const
{
    return OutputStream::standardOutput().failure().failed();
}

void Cli::err(const QString &line)
{
    const QByteArray bytes = (visible(line) + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

void Cli::printJson(const QJsonObject &object)
{
    QJsonObject o = object;
    if (!o.contains(QStringLiteral("command")))
        o.insert(QStringLiteral("command"), m_command);
    outBytes(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
}

QJsonObject Cli::errorJson(const QString &command, int code, const QString &message)
{
    return {{QStringLiteral("command"), command},
            {QStringLiteral("error"), exitCodeName(code)},
            {QStringLiteral("exit_code"), code},
            {QStringLiteral("message"), message}};
}

bool Cli::jsonWanted() const
{
    // Before the options are read (a refused command line), the word itself.
    if (m_parsed)
        return m_json;
    return m_arguments.contains(QStringLiteral("--json")) ||
           m_arguments.contains(QStringLiteral("-json"));
}

void Cli::fail(int code, const QString &message, const QJsonObject &context)
{
    if (m_exitCode)
        return;
    if (jsonWanted()) {
        QJsonObject o = errorJson(m_command, code, message);
        for (auto it = context.begin(); it != context.end(); ++it)
            o.insert(it.key(), it.value());
        printJson(o);
    }
    err(QStringLiteral("zomar-cli %1: %2").arg(m_command, message));
    finish(code);
}

int Cli::concluded(int code)
{
    const bool done = code == exit_codes::Done;
    if (m_trace) {
        m_trace->close();
        if (!m_trace->error().isEmpty()) {
            if (!m_traceErrorTold)
                err(QStringLiteral("zomar-cli %1: the trace %2 is incomplete: %3")
                        .arg(m_command, m_trace->path(), m_trace->error()));
            m_traceErrorTold = true;
            code = done ? exit_codes::BadCommandLine : code;
        }
    }
    OutputStream &output = OutputStream::standardOutput();
    output.sync();
    const WriteFailure &lost = output.failure();
    // A reader that went away is no fault to tell of (main ends the run as
    // SIGPIPE would); anything else that lost output is.
    if (lost.failed() && lost.reason != WriteFailure::ReaderGone) {
        if (!m_outputErrorTold)
            err(QStringLiteral("zomar-cli %1: the output is incomplete: %2")
                    .arg(m_command, lost.detail));
        m_outputErrorTold = true;
        code = done ? exit_codes::BadCommandLine : code;
    }
    return code;
}

void Cli::finish(int code)
{
    if (m_exitCode)
        return;
    code = concluded(code);
    m_exitCode = code;
    QTimer::singleShot(0, qApp, [code] { QCoreApplication::exit(code); });
}

} // namespace zomar
