#include "core/capture/HexInput.h"

#include <QRegularExpression>

namespace zomar {

namespace {

std::optional<QByteArray> hexWords(const QString &line)
{
    static const QRegularExpression word(QStringLiteral("^(0[xX])?((?:[0-9A-Fa-f]{2})+)$"));
    QByteArray bytes;
    for (const QString &w :
         line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = word.match(w);
        if (!m.hasMatch())
            return std::nullopt;
        bytes += QByteArray::fromHex(m.captured(2).toLatin1());
    }
    return bytes;
}

Parsed<QByteArray> escapedText(QString text)
{
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\')) {
            if (c.unicode() > 0xFF)
                return Parsed<QByteArray>::refused(
                    QStringLiteral("'%1' is not one byte; write its bytes as \\xHH").arg(c));
            bytes.append(static_cast<char>(c.unicode()));
            continue;
        }
        if (++i >= text.size())
            return Parsed<QByteArray>::refused(QStringLiteral("a lone \\ at the end"));
        switch (text.at(i).unicode()) {
        case u'x': {
            static const QRegularExpression pair(QStringLiteral("^[0-9A-Fa-f]{2}$"));
            const QString digits = text.mid(i + 1, 2);
            if (!pair.match(digits).hasMatch())
                return Parsed<QByteArray>::refused(
                    QStringLiteral("\\x takes two hex digits, as in \\x0d"));
            bytes += QByteArray::fromHex(digits.toLatin1());
            i += 2;
            break;
        }
        case u'r':
            bytes.append('\r');
            break;
        case u'n':
            bytes.append('\n');
            break;
        case u't':
            bytes.append('\t');
            break;
        case u'0':
            bytes.append('\0');
            break;
        case u'e':
            bytes.append('\x1b');
            break;
        case u'\\':
        case u'"':
            bytes.append(static_cast<char>(text.at(i).unicode()));
            break;
        default:
            return Parsed<QByteArray>::refused(
                QStringLiteral("unknown escape \\%1; allowed: \\xHH \\r \\n \\t \\0 \\e \\\\ \\\"")
                    .arg(text.at(i)));
        }
    }
    return Parsed<QByteArray>::ok(bytes);
}

} // namespace

Parsed<QByteArray> parseHexInput(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return Parsed<QByteArray>::refused(QStringLiteral("nothing to send"));
    if (const std::optional<QByteArray> hex = hexWords(trimmed))
        return Parsed<QByteArray>::ok(*hex);
    return escapedText(trimmed);
}

QString hexInputHelp()
{
    return QStringLiteral("hex pairs (41 42 0d) or text with escapes (AB\\x0d, AT\\r\\n); quote "
                          "text that reads as hex (\"AB\")");
}

} // namespace zomar
