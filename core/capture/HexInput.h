#pragma once
// A line typed to be sent as bytes: hex pairs ("41 42 0d", "0x41 4142") or
// text with escapes ("AB\x0d", "AT\r\n"). A line is hex when every word is an
// even run of hex digits; quote text that would read as hex ("\"AB\"").

#include "core/protocol/FieldValues.h"

#include <QByteArray>
#include <QString>

namespace zomar {

// Escapes in text: \xHH, \r, \n, \t, \0, \e (ESC), \\ and \". Characters
// above 0xFF are refused (they are not one byte).
Parsed<QByteArray> parseHexInput(const QString &line);

// The syntax in one line, for a front end to show.
QString hexInputHelp();

} // namespace zomar
