#pragma once
// What QJsonDocument does not tell about a JSON text: a key given twice in
// one object (it silently keeps the last), the line of each key, and the
// text of each number as it was written (not as a double prints).

#include <QByteArray>
#include <QHash>
#include <QString>

namespace zomar {

struct JsonMembers {
    // The first key that an object repeats ("" when none does), the line of
    // its repetition and of its first appearance (1-based).
    QString repeatedKey;
    int repeatedLine = 0;
    int firstLine = 0;
    // Members of the outermost object: the line of each key, and the text of
    // each number value as written ("1e23", "1568.50").
    QHash<QString, int> lines;
    QHash<QString, QString> numberTexts;
};

// Scans a text that QJsonDocument has accepted as JSON.
JsonMembers scanJsonMembers(const QByteArray &json);

} // namespace zomar
