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
