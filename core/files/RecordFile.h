#pragma once
// The files that hold a production line's record (the store, the CSV log)
// must be regular files, or new ones in a folder that can be written: a
// device such as /dev/zero or /dev/full, a pipe or a folder given by mistake
// is refused before anything is opened, created or sent.

#include <QString>

namespace zomar::RecordFile {

// "" when `path` can be used, else one line naming the file and why not.
// what: "log", "store". folderWritten: files are made beside it (a store's
// journal), so its folder must be writable even when the file exists.
QString problem(const QString &path, const QString &what, bool folderWritten);

} // namespace zomar::RecordFile
