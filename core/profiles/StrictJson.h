#pragma once
// The small JSON files people keep and edit by hand (profiles, station
// files), read strictly and written atomically: regular files only (a FIFO
// would hang a read; a device or a FIFO would be replaced by a write), at
// most 64 KiB, JSON errors told with line and column, a key given twice
// refused with its line (the JSON parser keeps the last), a format name and
// a version checked before any other key, unknown keys refused with the
// allowed ones named.

#include "core/profiles/JsonMembers.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

inline constexpr qint64 kJsonFileMaxBytes = 64 * 1024;

// What kind of file a reader expects, for its refusals.
struct JsonFileKind {
    QString noun;     // "profile": "a profile is at most 64 KiB"
    QString fileNoun; // "profile file": "is a FIFO, not a profile file"
    QString format;   // the value of "format": "zomar-profile"
    int version = 1;  // the newest version this program reads
};

struct JsonFileBytes {
    QByteArray bytes;
    QString error; // one line naming the file; "" when read
};

// The bytes of a regular file of at most 64 KiB, opened without blocking.
JsonFileBytes readJsonFileBytes(const QString &path, const JsonFileKind &kind);

struct JsonFileObject {
    QJsonObject object;
    JsonMembers members;
    QString error; // one line naming the file; "" when parsed
};

// The text as one JSON object of this kind: not empty, valid JSON, no key
// given twice, "format" and "version" present and readable by this program.
JsonFileObject parseJsonFileObject(const QByteArray &bytes, const QString &file,
                                   const JsonFileKind &kind);

// "file: unknown key "x" (did you mean "y"?); allowed keys: ...", or "" when
// the object holds only allowed keys.
QString unknownKeyProblem(const QJsonObject &object, const QStringList &allowed,
                          const QString &file);
// The allowed key a mistyped one most likely meant, or "".
QString nearestKey(const QString &unknown, const QStringList &allowed);

// "a string", "a number", "true/false", ...: what a value is, for a refusal.
QString jsonTypeName(const QJsonValue &value);
// A whole JSON number within [low, high].
std::optional<long long> jsonWholeNumber(const QJsonValue &value, long long low, long long high);
// A number as the file gives it ("1e23", not 9.9999999999999992e+22), by its
// path (see JsonMembers).
QString jsonNumberText(const JsonMembers &members, const QString &path, const QJsonValue &value);
// A JSON string literal, quotes and escapes included.
QByteArray jsonStringLiteral(const QString &text);

// An object written as people read it: one member a line, two-space indent,
// in the order added, a newline at the end.
class JsonObjectWriter
{
public:
    void raw(const QString &key, const QByteArray &json);
    void string(const QString &key, const QString &text) { raw(key, jsonStringLiteral(text)); }
    QByteArray text() const;

private:
    QList<QByteArray> m_lines;
};

// Atomic (writeFileAtomically), over a regular file or none (a link is followed),
// keeping the replaced file's mode and, where allowed, its owner. "" when
// saved, else one line saying why not.
QString saveJsonFileBytes(const QByteArray &bytes, const QString &path);

} // namespace zomar
