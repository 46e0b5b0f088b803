#pragma once
// A macro of the capture window: a named sequence of sends and waits, one
// step a line, run as a script so it stops, times out and leaves command
// mode as a script does:
//
//   send +++              bytes as the capture's "Send:" line takes them
//   wait 200              milliseconds
//   expect OK 1000        bytes to wait for, and for how long (default 1000 ms)
//   # a comment
//
// Kept as JSON: [{"name": "...", "steps": "..."}].

#include "core/protocol/FieldValues.h"

#include <QList>
#include <QString>

namespace zomar {

struct Macro {
    QString name;
    QString steps;
    bool operator==(const Macro &o) const { return name == o.name && steps == o.steps; }
};

inline constexpr int kMacroExpectDefaultMs = 1000;

// The script that runs the macro, its lines the macro's lines (so a failure
// names the macro's line); refused with "line N: why" for a step it cannot
// read.
Parsed<QString> macroScript(const Macro &macro);

QByteArray macrosJson(const QList<Macro> &macros);
// Macros as macrosJson() keeps them; what is not a macro is left out.
QList<Macro> macrosFromJson(const QByteArray &json);

} // namespace zomar
