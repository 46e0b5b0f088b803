#pragma once
// The command line's exit codes: one table of codes, their JSON words and
// their meanings, from which every --help (and so the manual page) is made
// and against which the README's table is checked; and how the core's
// outcomes map onto them.

#include "core/fleet/LineProgrammer.h"
#include "core/protocol/ModuleSession.h"

#include <QList>
#include <QPair>
#include <QString>

namespace zomar {

namespace exit_codes {
inline constexpr int Done = 0;
inline constexpr int BadCommandLine = 1;
inline constexpr int NoAnswer = 2;
inline constexpr int Mismatch = 3;
inline constexpr int InvalidValue = 4;
inline constexpr int PortFailed = 5;
inline constexpr int ScriptError = 6;
inline constexpr int ScriptTimeout = 7;
// A script stopped by Ctrl+C, as a shell counts a run that SIGINT ended.
inline constexpr int Stopped = 128 + 2;
// What a shell shows for a run that SIGPIPE ended: its reader went away.
inline constexpr int ReaderGone = 128 + 13;
} // namespace exit_codes

struct ExitCodeRow {
    int code;
    QString word;    // in a JSON error ("invalid_value"); "" where none is printed
    QString meaning; // commands and options in `backticks`
    // What it means for particular commands: {"verify", "the module differs ..."}.
    QList<QPair<QString, QString>> commands;

    // "meaning (`verify`: ...; `linktest`: ...)", as the README's table has it.
    QString markdown() const;
    // The same without the backticks, as the help shows it.
    QString plain() const;
};

const QList<ExitCodeRow> &exitCodeTable();
// The word for an exit code in JSON ("invalid_value").
QString exitCodeName(int code);
// "Exit codes:" and a line per code (wrapped, continued indented), for --help.
QString exitCodesHelp();

inline int exitCodeOf(ModuleOutcome::Failure failure)
{
    switch (failure) {
    case ModuleOutcome::None:
        return exit_codes::Done;
    case ModuleOutcome::RefusedValue:
        return exit_codes::InvalidValue;
    case ModuleOutcome::NoAnswer:
        return exit_codes::NoAnswer;
    case ModuleOutcome::Mismatch:
        return exit_codes::Mismatch;
    case ModuleOutcome::NotStarted:
    case ModuleOutcome::PortBusy:
    case ModuleOutcome::PortFailed:
    case ModuleOutcome::NotRecorded:
        break;
    }
    return exit_codes::PortFailed;
}

inline int exitCodeOf(const SessionResult &result)
{
    return exitCodeOf(ModuleOutcome::failureOf(result));
}

} // namespace zomar
