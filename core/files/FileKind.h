#pragma once
// What stands at a path when it is not a plain file, for a refusal that says
// so: files are read from and written over regular files only (a FIFO would
// hang a read; a device or a FIFO would be replaced by a write).

#include <QString>

#include <sys/stat.h>

namespace zomar {

// "a folder", "a character device", "a block device", "a FIFO (named pipe)",
// "a socket"; "" for a regular file.
QString fileKindName(const struct stat &st);
// The kind of what the path names, symbolic links followed; "" for a regular
// file and for nothing at all.
QString nonFileKind(const QString &path);

} // namespace zomar
