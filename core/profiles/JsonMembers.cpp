#include "core/profiles/JsonMembers.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <vector>

namespace zomar {

namespace {

struct Frame {
    bool object = false;
    bool expectKey = false;   // in an object: the next string is a key
    QString key;              // in an object: the key whose value comes next
    QHash<QString, int> keys; // in an object: each key given, and its line
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

} // namespace

JsonMembers scanJsonMembers(const QByteArray &json)
{
    JsonMembers found;
    std::vector<Frame> frames;
    int line = 1;
    const qsizetype size = json.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = json.at(i);
        if (c == '\n') {
            ++line;
        } else if (c == '{' || c == '[') {
            Frame frame;
            frame.object = c == '{';
            frame.expectKey = frame.object;
            frames.push_back(frame);
        } else if (c == '}' || c == ']') {
            if (!frames.empty())
                frames.pop_back();
        } else if (c == ',') {
            if (!frames.empty() && frames.back().object)
                frames.back().expectKey = true;
        } else if (c == '"') {
            const qsizetype start = i;
            for (++i; i < size && json.at(i) != '"'; ++i)
                if (json.at(i) == '\\')
                    ++i;
            if (frames.empty() || !frames.back().object || !frames.back().expectKey)
                continue;
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
            if (frames.size() == 1)
                found.lines.insert(frame.key, line);
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const qsizetype start = i;
            while (i + 1 < size && !delimits(json.at(i + 1)))
                ++i;
            if (frames.size() == 1 && frames.back().object)
                found.numberTexts.insert(frames.back().key,
                                         QString::fromLatin1(json.mid(start, i - start + 1)));
        }
    }
    return found;
}

} // namespace zomar
