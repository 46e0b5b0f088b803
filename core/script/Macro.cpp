#include "core/script/Macro.h"

#include "core/capture/HexInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace zomar {

namespace {

QString bytesLiteral(const QByteArray &bytes)
{
    QStringList values;
    for (char c : bytes)
        values << QString::number(static_cast<quint8>(c));
    return QStringLiteral("new Uint8Array([%1])").arg(values.join(QLatin1Char(',')));
}

// The step of one line as a statement, or why it is not one.
Parsed<QString> step(const QString &line)
{
    const QString text = line.trimmed();
    if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
        return Parsed<QString>::ok(QString());
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    const QString verb = text.left(space < 0 ? text.size() : space).toLower();
    const QString rest = space < 0 ? QString() : text.mid(space + 1).trimmed();
    if (verb == QLatin1String("wait")) {
        bool ok = false;
        const int ms = rest.toInt(&ok);
        if (!ok || ms < 0)
            return Parsed<QString>::refused(
                QStringLiteral("wait takes milliseconds, such as \"wait 200\""));
        return Parsed<QString>::ok(QStringLiteral("sleep(%1);").arg(ms));
    }
    if (verb == QLatin1String("send") || verb == QLatin1String("expect")) {
        QString data = rest;
        int ms = kMacroExpectDefaultMs;
        static const QRegularExpression timeout(QStringLiteral("^(.*\\S)\\s+([0-9]+)$"));
        const QRegularExpressionMatch m = timeout.match(rest);
        if (verb == QLatin1String("expect") && m.hasMatch()) {
            data = m.captured(1);
            ms = m.captured(2).toInt();
        }
        if (data.isEmpty())
            return Parsed<QString>::refused(QStringLiteral("%1 what? such as \"%1 41 42 0d\"").arg(verb));
        const Parsed<QByteArray> bytes = parseHexInput(data);
        if (!bytes)
            return Parsed<QString>::refused(bytes.problem);
        return Parsed<QString>::ok(
            verb == QLatin1String("send")
                ? QStringLiteral("send(%1);").arg(bytesLiteral(*bytes.value))
                : QStringLiteral("expect(%1, %2);").arg(bytesLiteral(*bytes.value)).arg(ms));
    }
    return Parsed<QString>::refused(
        QStringLiteral("\"%1\" is not a step: send, wait or expect").arg(verb));
}

} // namespace

Parsed<QString> macroScript(const Macro &macro)
{
    QStringList lines;
    const QStringList steps = macro.steps.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const Parsed<QString> s = step(steps.at(i));
        if (!s)
            return Parsed<QString>::refused(
                QStringLiteral("line %1: %2").arg(i + 1).arg(s.problem));
        lines << *s.value;
    }
    return Parsed<QString>::ok(lines.join(QLatin1Char('\n')));
}

QByteArray macrosJson(const QList<Macro> &macros)
{
    QJsonArray list;
    for (const Macro &m : macros)
        list.append(QJsonObject{{QStringLiteral("name"), m.name}, {QStringLiteral("steps"), m.steps}});
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

QList<Macro> macrosFromJson(const QByteArray &json)
{
    QList<Macro> macros;
    for (const QJsonValue &v : QJsonDocument::fromJson(json).array()) {
        const QJsonObject o = v.toObject();
        const QString name = o.value(QStringLiteral("name")).toString().trimmed();
        if (!name.isEmpty())
            macros.append({name, o.value(QStringLiteral("steps")).toString()});
    }
    return macros;
}

} // namespace zomar
