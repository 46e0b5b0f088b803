#pragma once
// CSV text as the record's files have it (RFC 4180): a field quoted when it
// holds a comma, a quote or a line break; lines end with CRLF.

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace zomar {

// One row as a CSV line with CRLF.
QByteArray csvLine(const QStringList &fields);
// Parses CSV text into rows of fields (quoted fields with commas, quotes and
// line breaks).
QList<QStringList> parseCsv(const QByteArray &text);

} // namespace zomar
