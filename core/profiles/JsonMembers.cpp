#include "core/profiles/JsonMembers.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <vector>

namespace zomar {

namespace {

struct Frame {
    bool object = false;
    QString path;             // the container's own path ("" for the outermost)
    bool expectKey = false;   // in an object: the next string is a key
    QString key;              // in an object: the key whose value comes next
    QHash<QString, int> keys; // in an object: each key given, and its line
    int index = 0;            // in an array: the element under way
    bool elementSeen = false; // in an array: that element's value has started
};

// A string token's text, escapes and all decoded as JSON decodes them
// ("\u006cocal" is "local").
QString decodedString(const QByteArray &token)
{
    return QJsonDocument::fromJson("[" + token + "]").array().first().toString();
}

bool delimits(char c)
{
    return c == ',' || c == '}' || c == ']' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

QString joined(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

// The path of the value that starts now in the innermost container.
QString valuePath(const std::vector<Frame> &frames)
{
    if (frames.empty())
        return {};
    const Frame &f = frames.back();
    return f.object ? joined(f.path, f.key) : QStringLiteral("%1[%2]").arg(f.path).arg(f.index);
}

} // namespace

int JsonMembers::lineOf(QString path) const
{
    while (!path.isEmpty()) {
        if (lines.contains(path))
            return lines.value(path);
        const qsizetype cut =
            std::max(path.lastIndexOf(QLatin1Char('.')), path.lastIndexOf(QLatin1Char('[')));
        path = cut > 0 ? path.left(cut) : QString();
    }
    return 0;
}

JsonMembers scanJsonMembers(const QByteArray &json)
{
    JsonMembers found;
    std::vector<Frame> frames;
    int line = 1;
    // An array element's line is where its value starts.
    const auto valueStarts = [&] {
        if (frames.empty() || frames.back().object || frames.back().elementSeen)
            return;
        frames.back().elementSeen = true;
        found.lines.insert(valuePath(frames), line);
    };
    const qsizetype size = json.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = json.at(i);
        if (c == '\n') {
            ++line;
        } else if (c == '{' || c == '[') {
            valueStarts();
            Frame frame;
            frame.object = c == '{';
            frame.path = valuePath(frames);
            frame.expectKey = frame.object;
            frames.push_back(frame);
        } else if (c == '}' || c == ']') {
            if (!frames.empty())
                frames.pop_back();
        } else if (c == ',') {
            if (!frames.empty() && frames.back().object) {
                frames.back().expectKey = true;
            } else if (!frames.empty()) {
                ++frames.back().index;
                frames.back().elementSeen = false;
            }
        } else if (c == '"') {
            const qsizetype start = i;
            for (++i; i < size && json.at(i) != '"'; ++i)
                if (json.at(i) == '\\')
                    ++i;
            if (frames.empty() || !frames.back().object || !frames.back().expectKey) {
                valueStarts();
                continue;
            }
            Frame &frame = frames.back();
            frame.expectKey = false;
            frame.key = decodedString(json.mid(start, i - start + 1));
            if (frame.keys.contains(frame.key)) {
                if (found.repeatedKey.isEmpty()) {
                    found.repeatedKey = frame.key;
                    found.repeatedLine = line;
                    found.firstLine = frame.keys.value(frame.key);
                }
                continue;
            }
            frame.keys.insert(frame.key, line);
            found.lines.insert(joined(frame.path, frame.key), line);
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            valueStarts();
            const qsizetype start = i;
            while (i + 1 < size && !delimits(json.at(i + 1)))
                ++i;
            found.numberTexts.insert(valuePath(frames),
                                     QString::fromLatin1(json.mid(start, i - start + 1)));
        } else if (c == 't' || c == 'f' || c == 'n') {
            valueStarts();
        }
    }
    return found;
}

} // namespace zomar
