#pragma once
// What QJsonDocument does not tell about a JSON text: a key given twice in
// one object (it silently keeps the last), the line of each key and array
// element, and the text of each number as it was written (not as a double
// prints).

#include <QByteArray>
#include <QHash>
#include <QString>

namespace zomar {

// Members are named by their path from the outermost object: "step",
// "pin.salt", "slots[2]" (an element), "slots[2].name".
struct JsonMembers {
    // The first key that an object repeats ("" when none does), the line of
    // its repetition and of its first appearance (1-based).
    QString repeatedKey;
    int repeatedLine = 0;
    int firstLine = 0;
    // The line of each key and array element (where its value starts), and
    // the text of each number value as written ("1e23", "1568.50").
    QHash<QString, int> lines;
    QHash<QString, QString> numberTexts;

    // The line of a member, or of the nearest enclosing one that has a line.
    int lineOf(QString path) const;
};

// Scans a text that QJsonDocument has accepted as JSON.
JsonMembers scanJsonMembers(const QByteArray &json);

} // namespace zomar
