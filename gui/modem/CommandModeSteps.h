#pragma once
// The window's use of the command-mode sequences: entering also empties the
// status text; on a closed port nothing is sent and nothing changes.

namespace zomar {

struct FormContext;

void EnterATMode(FormContext &ctx);
void CloseATMode(FormContext &ctx);

} // namespace zomar
