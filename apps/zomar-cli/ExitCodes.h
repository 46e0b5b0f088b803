#pragma once
// The command line's exit codes, and how the core's outcomes map onto them.

#include "core/fleet/LineProgrammer.h"
#include "core/protocol/ModuleSession.h"

namespace zomar {

namespace exit_codes {
inline constexpr int Done = 0;
inline constexpr int BadCommandLine = 1;
inline constexpr int NoAnswer = 2;
inline constexpr int Mismatch = 3;
inline constexpr int InvalidValue = 4;
inline constexpr int PortFailed = 5;
} // namespace exit_codes

// The word for an exit code in JSON ("invalid_value").
inline const char *exitCodeName(int code)
{
    switch (code) {
    case exit_codes::Done:
        return "done";
    case exit_codes::BadCommandLine:
        return "bad_command_line";
    case exit_codes::NoAnswer:
        return "no_answer";
    case exit_codes::Mismatch:
        return "mismatch";
    case exit_codes::InvalidValue:
        return "invalid_value";
    default:
        break;
    }
    return "port_failed";
}

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
