#pragma once
// The one file a script may write: a CSV file (RFC 4180, a header row
// first) in the folder its run names, by a plain name and nothing else, so
// a script cannot reach another folder or another kind of file. Rows go to
// the file as they are written (a soak test that is stopped keeps what it
// logged), through the project's one writer.

#include "core/files/OutputStream.h"

#include <QStringList>

namespace zomar {

class ScriptCsv
{
public:
    // "" when opened, else why not (a name with a folder in it, a folder
    // that does not exist, a device at the path, a full disk).
    QString open(const QString &folder, const QString &name, const QStringList &columns);
    QString path() const { return m_file.path(); }
    int columns() const { return static_cast<int>(m_columns.size()); }
    const QStringList &columnNames() const { return m_columns; }
    // "" when written, else why not.
    QString row(const QStringList &fields);
    // Closed and on the disk; "" or why the file is incomplete.
    QString close();

    // The name a script gives, with ".csv" added where it has no suffix;
    // "" when it is not a plain file name (stays in the folder).
    static QString fileName(const QString &name);

private:
    OutputStream m_file;
    QStringList m_columns;
};

} // namespace zomar
