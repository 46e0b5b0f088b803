#include "core/profiles/StrictJson.h"

#include "core/files/FileKind.h"
#include "core/files/FileWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zomar {

namespace {

int editDistance(const QString &a, const QString &b)
{
    QList<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            const bool same = a.at(i - 1).toLower() == b.at(j - 1).toLower();
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Line and column (1-based, in characters) of a byte offset in UTF-8 text.
QString lineAndColumn(const QByteArray &bytes, int offset)
{
    offset = std::clamp(offset, 0, static_cast<int>(bytes.size()));
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) { // not a UTF-8 continuation byte
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// A value followed by the next key or value without a comma, which the
// parser reports at the next one (often on the line after) as an object or
// array not ended, or a separator missing: where the value before ends.
std::optional<int> missingComma(const QByteArray &bytes, const QJsonParseError &error, int at)
{
    if (error.error != QJsonParseError::UnterminatedObject &&
        error.error != QJsonParseError::UnterminatedArray &&
        error.error != QJsonParseError::MissingValueSeparator)
        return std::nullopt;
    if (at <= 0 || at >= bytes.size() || !QByteArray("\"{[-0123456789tfn").contains(bytes.at(at)))
        return std::nullopt;
    int end = at - 1;
    while (end > 0 && QByteArray(" \t\r\n").contains(bytes.at(end)))
        --end;
    if (end == at - 1 || !QByteArray("\"}]0123456789el").contains(bytes.at(end)))
        return std::nullopt;
    return end + 1;
}

JsonFileBytes unread(const QString &error)
{
    return JsonFileBytes{QByteArray(), error};
}

JsonFileObject unparsed(const QString &error)
{
    return JsonFileObject{QJsonObject(), JsonMembers(), error};
}

QString tooLarge(const QString &file, const JsonFileKind &kind)
{
    return QStringLiteral("%1: more than %2 bytes; a %3 is at most 64 KiB")
        .arg(file)
        .arg(kJsonFileMaxBytes)
        .arg(kind.noun);
}

} // namespace

JsonFileBytes readJsonFileBytes(const QString &path, const JsonFileKind &kind)
{
    // A regular file only, told before it is opened: opening a FIFO waits
    // for a writer, and a device is no such file.
    const QString what = nonFileKind(path);
    if (!what.isEmpty())
        return unread(QStringLiteral("%1: is %2, not a %3").arg(path, what, kind.fileNoun));
    // Without blocking, and asked again once open: the path may have been
    // replaced in between.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return unread(QStringLiteral("%1: cannot be read: %2")
                          .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return unread(
            QStringLiteral("%1: is %2, not a %3").arg(path, fileKindName(st), kind.fileNoun));
    if (st.st_size > kJsonFileMaxBytes)
        return unread(tooLarge(path, kind));
    // One byte more than allowed tells a file that grew since.
    const QByteArray bytes = file.read(kJsonFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return unread(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
    if (bytes.size() > kJsonFileMaxBytes)
        return unread(tooLarge(path, kind));
    return JsonFileBytes{bytes, QString()};
}

JsonFileObject parseJsonFileObject(const QByteArray &input, const QString &file,
                                   const JsonFileKind &kind)
{
    if (input.size() > kJsonFileMaxBytes)
        return unparsed(tooLarge(file, kind));
    QByteArray bytes = input;
    // Some editors start UTF-8 files with a byte-order mark.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.trimmed().isEmpty())
        return unparsed(QStringLiteral("%1: empty; a %2 is a JSON object such as "
                                       "{\"format\": \"%3\", \"version\": %4}")
                            .arg(file, kind.noun, kind.format)
                            .arg(kind.version));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        // The parser stops just past the character it could not take; at the
        // end of the text the place is the end itself (something is missing).
        int at = parseError.offset;
        if (at > 0 && at < bytes.size())
            --at;
        if (const std::optional<int> end = missingComma(bytes, parseError, at))
            return unparsed(QStringLiteral("%1: %2: not valid JSON (a comma is missing after "
                                           "this value)")
                                .arg(file, lineAndColumn(bytes, *end)));
        return unparsed(QStringLiteral("%1: %2: not valid JSON (%3)")
                            .arg(file, lineAndColumn(bytes, at), parseError.errorString()));
    }
    if (!doc.isObject())
        return unparsed(QStringLiteral("%1: not a %2: the file holds a JSON array; a %2 is an "
                                       "object {\"format\": \"%3\", ...}")
                            .arg(file, kind.noun, kind.format));
    // The parser keeps the last of a key given twice: which one the person
    // meant is theirs to say.
    const JsonMembers members = scanJsonMembers(bytes);
    if (!members.repeatedKey.isEmpty())
        return unparsed(QStringLiteral("%1: line %2: key \"%3\" is given twice (first on line "
                                       "%4); a key may be given once")
                            .arg(file)
                            .arg(members.repeatedLine)
                            .arg(members.repeatedKey)
                            .arg(members.firstLine));
    const QJsonObject o = doc.object();

    // Format and version first: a newer version may have keys this one does not know.
    const QString format = QStringLiteral("format");
    const QString version = QStringLiteral("version");
    if (!o.contains(format))
        return unparsed(QStringLiteral("%1: no \"format\" key; a %2 has \"format\": \"%3\"")
                            .arg(file, kind.noun, kind.format));
    if (!o.value(format).isString())
        return unparsed(QStringLiteral("%1: format is %2; it takes a string: \"%3\"")
                            .arg(file, jsonTypeName(o.value(format)), kind.format));
    if (o.value(format).toString() != kind.format)
        return unparsed(QStringLiteral("%1: format \"%2\": not a %3; allowed: \"%4\"")
                            .arg(file, o.value(format).toString(), kind.noun, kind.format));
    if (!o.contains(version))
        return unparsed(
            QStringLiteral("%1: no \"version\" key; allowed: %2").arg(file).arg(kind.version));
    const QJsonValue v = o.value(version);
    if (!v.isDouble())
        return unparsed(QStringLiteral("%1: version is %2; it takes a whole number: %3")
                            .arg(file, jsonTypeName(v))
                            .arg(kind.version));
    const std::optional<long long> n = jsonWholeNumber(v, 1, 1LL << 40);
    if (n && *n > kind.version)
        return unparsed(QStringLiteral("%1: version %2: newer than this program reads; allowed: "
                                       "%3 (a newer Zomar Setup Utility reads it)")
                            .arg(file)
                            .arg(*n)
                            .arg(kind.version));
    if (!n)
        return unparsed(QStringLiteral("%1: version %2: allowed: %3")
                            .arg(file, jsonNumberText(members, version, v))
                            .arg(kind.version));
    return JsonFileObject{o, members, QString()};
}

QString nearestKey(const QString &unknown, const QStringList &allowed)
{
    QString best;
    int bestDistance = 0;
    for (const QString &k : allowed) {
        if (unknown.size() >= 3 && k.startsWith(unknown, Qt::CaseInsensitive))
            return k;
        const int d = editDistance(unknown, k);
        if (best.isEmpty() || d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    const int limit = std::max(2, static_cast<int>(best.size()) / 3);
    return bestDistance <= limit ? best : QString();
}

QString unknownKeyProblem(const QJsonObject &o, const QStringList &allowed, const QString &file)
{
    for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
        if (allowed.contains(it.key()))
            continue;
        const QString nearest = nearestKey(it.key(), allowed);
        return QStringLiteral("%1: unknown key \"%2\"%3; allowed keys: %4")
            .arg(file, it.key(),
                 nearest.isEmpty() ? QString()
                                   : QStringLiteral(" (did you mean \"%1\"?)").arg(nearest),
                 allowed.join(QStringLiteral(", ")));
    }
    return {};
}

QString jsonTypeName(const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true/false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

std::optional<long long> jsonWholeNumber(const QJsonValue &v, long long low, long long high)
{
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high))
        return std::nullopt;
    return static_cast<long long>(d);
}

QString jsonNumberText(const JsonMembers &members, const QString &path, const QJsonValue &v)
{
    return members.numberTexts.value(path, QString::number(v.toDouble(), 'g', 17));
}

QByteArray jsonStringLiteral(const QString &text)
{
    // QJsonDocument escapes; strip the brackets of its one-element array.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

void JsonObjectWriter::raw(const QString &key, const QByteArray &json)
{
    m_lines << "  " + jsonStringLiteral(key) + ": " + json;
}

QByteArray JsonObjectWriter::text() const
{
    QByteArray out = "{\n";
    for (int i = 0; i < m_lines.size(); ++i)
        out += m_lines.at(i) + (i + 1 < m_lines.size() ? ",\n" : "\n");
    return out + "}\n";
}

QString saveJsonFileBytes(const QByteArray &bytes, const QString &path)
{
    const WriteFailure failure = writeFileAtomically(path, bytes);
    if (failure.reason == WriteFailure::NotAFile)
        return failure.text() + QStringLiteral("; nothing was saved");
    return failure.text();
}

} // namespace zomar
