#include "apps/zomar-cli/ExitCodes.h"

#include <QStringList>

#include <algorithm>

namespace zomar {

namespace {

constexpr int kHelpWidth = 79;
constexpr qsizetype kHelpIndent = 5; // "  0  ": the continued lines start under the text

} // namespace

const QList<ExitCodeRow> &exitCodeTable()
{
    static const QList<ExitCodeRow> table = {
        {exit_codes::Done, QStringLiteral("done"),
         QStringLiteral("done (a write: written and verified)"),
         {}},
        {exit_codes::BadCommandLine, QStringLiteral("bad_command_line"),
         QStringLiteral("bad command line, or a file it writes or its output could not be "
                        "written, as the line on standard error says"),
         {{QStringLiteral("records"), QStringLiteral("the store cannot be read")},
          {QStringLiteral("doctor --store"), QStringLiteral("the store cannot be used")}}},
        {exit_codes::NoAnswer, QStringLiteral("no_answer"),
         QStringLiteral("no answer from the module"),
         {{QStringLiteral("linktest"), QStringLiteral("no packet came through")},
          {QStringLiteral("doctor"), QStringLiteral("no module answered on any port tried")}}},
        {exit_codes::Mismatch, QStringLiteral("mismatch"),
         QStringLiteral("the read-back differs from what was written"),
         {{QStringLiteral("verify"), QStringLiteral("the module differs from the profile")},
          {QStringLiteral("records check"), QStringLiteral("a finding")},
          {QStringLiteral("linktest"),
           QStringLiteral("the modules' channel or RF speed differ")}}},
        {exit_codes::InvalidValue, QStringLiteral("invalid_value"),
         QStringLiteral("an invalid value: nothing was sent, not even \"+++\""),
         {{QStringLiteral("profile check"), QStringLiteral("a write would refuse the profile")},
          {QStringLiteral("script"), QStringLiteral("module.write() refused a value")},
          {QStringLiteral("records serial"),
           QStringLiteral("the serial does not match the pattern, or another unit holds it")}}},
        {exit_codes::PortFailed, QStringLiteral("port_failed"),
         QStringLiteral("the port could not be opened, is in use by another program, or was "
                        "lost: after a lost write the module's state is unknown"),
         {{QStringLiteral("doctor"), QStringLiteral("no port could be tried")},
          {QStringLiteral("program"),
           QStringLiteral("also a module not recorded, or not started for want of an "
                          "address")},
          {QStringLiteral("records label"),
           QStringLiteral("the label printer could not be reached or refused the label")}}},
        {exit_codes::ScriptError, QStringLiteral("script_error"),
         QStringLiteral("`script`: the script threw an error, or is not valid JavaScript; the "
                        "line on standard error names the file and line (a module operation's "
                        "failure that it did not catch ends it with the codes 2 to 5)"),
         {}},
        {exit_codes::ScriptTimeout, QStringLiteral("script_timeout"),
         QStringLiteral("`script`: an expect() timed out and the script did not catch it, or the "
                        "script ran past its --timeout"),
         {}},
        {exit_codes::Stopped, QStringLiteral("stopped"),
         QStringLiteral("`script`: stopped by Ctrl+C (or SIGTERM): module operations under way "
                        "finish, and a module the script left in command mode is sent \"---\""),
         {}},
        {exit_codes::ReaderGone, QString(),
         QStringLiteral("the program reading the output went away (as `head` does once it "
                        "has its lines): the run ends quietly, by SIGPIPE, as `cat` does"),
         {}},
    };
    return table;
}

QString ExitCodeRow::markdown() const
{
    QStringList parts;
    for (const auto &[command, text] : commands)
        parts << QStringLiteral("`%1`: %2").arg(command, text);
    return parts.isEmpty() ? meaning
                           : QStringLiteral("%1 (%2)").arg(meaning, parts.join(QStringLiteral("; ")));
}

QString ExitCodeRow::plain() const
{
    return markdown().remove(QLatin1Char('`'));
}

QString exitCodeName(int code)
{
    for (const ExitCodeRow &row : exitCodeTable())
        if (row.code == code && !row.word.isEmpty())
            return row.word;
    return QStringLiteral("port_failed");
}

QString exitCodesHelp()
{
    QString text = QStringLiteral("Exit codes:\n");
    for (const ExitCodeRow &row : exitCodeTable()) {
        // Words fill each line; a code of three digits pushes its text along.
        const QString head = QStringLiteral("  %1  ").arg(row.code);
        const qsizetype indent = std::max<qsizetype>(head.size(), kHelpIndent);
        QString line = head.leftJustified(indent);
        bool first = true;
        for (const QString &word : row.plain().split(QLatin1Char(' '))) {
            if (!first && line.size() + 1 + word.size() > kHelpWidth) {
                text += line + QLatin1Char('\n');
                line = QString(indent, QLatin1Char(' ')) + word;
                continue;
            }
            line += (first ? QString() : QStringLiteral(" ")) + word;
            first = false;
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace zomar
