#include "core/label/LabelTemplate.h"

#include "core/profiles/StrictJson.h"

#include <QJsonArray>
#include <QJsonObject>

namespace zomar {

namespace {

const JsonFileKind kTemplateFile{QStringLiteral("label template"),
                                 QStringLiteral("label template file"),
                                 QStringLiteral("zomar-label"), 1};

constexpr LabelField kFields[] = {LabelField::Address, LabelField::Frequency, LabelField::RfSpeed,
                                  LabelField::Station, LabelField::Date,      LabelField::Unit,
                                  LabelField::Serial};

QStringList fieldKeys()
{
    QStringList keys;
    for (const LabelField f : kFields)
        keys << labelFieldKey(f);
    return keys;
}

// A number within [low, high] at key k (left as it is when absent).
bool readNumber(const QJsonObject &o, const QString &k, double low, double high, double &out,
                QString &why)
{
    if (!o.contains(k))
        return true;
    const QJsonValue v = o.value(k);
    if (!v.isDouble() || v.toDouble() < low || v.toDouble() > high) {
        why = QStringLiteral("%1 is %2; it takes a number from %3 to %4")
                  .arg(k, v.isDouble() ? QString::number(v.toDouble()) : jsonTypeName(v))
                  .arg(low)
                  .arg(high);
        return false;
    }
    out = v.toDouble();
    return true;
}

QString readTemplate(const QJsonObject &o, LabelTemplate &t)
{
    QString why;
    double dots = t.dotsPerMm;
    if (!readNumber(o, QStringLiteral("width_mm"), 10, 200, t.widthMm, why) ||
        !readNumber(o, QStringLiteral("height_mm"), 10, 200, t.heightMm, why) ||
        !readNumber(o, QStringLiteral("margin_mm"), 0, 10, t.marginMm, why) ||
        !readNumber(o, QStringLiteral("code_mm"), 5, 100, t.codeMm, why) ||
        !readNumber(o, QStringLiteral("font_pt"), 4, 36, t.fontPt, why) ||
        !readNumber(o, QStringLiteral("dots_per_mm"), 8, 24, dots, why))
        return why;
    if (dots != 8 && dots != 12 && dots != 24)
        return QStringLiteral("dots_per_mm is %1; it takes 8 (203 dpi), 12 (300 dpi) or 24 (600 "
                              "dpi)")
            .arg(dots);
    t.dotsPerMm = int(dots);
    if (o.contains(QStringLiteral("code"))) {
        const QString code = o.value(QStringLiteral("code")).toString();
        if (code == labelCodeKey(LabelCodeKind::Qr))
            t.code = LabelCodeKind::Qr;
        else if (code == labelCodeKey(LabelCodeKind::DataMatrix))
            t.code = LabelCodeKind::DataMatrix;
        else if (code == labelCodeKey(LabelCodeKind::Gs1DataMatrix))
            t.code = LabelCodeKind::Gs1DataMatrix;
        else
            return QStringLiteral("code takes \"qr\", \"datamatrix\" or \"gs1-datamatrix\"");
    }
    if (o.contains(QStringLiteral("font"))) {
        t.font = o.value(QStringLiteral("font")).toString().trimmed();
        if (t.font.isEmpty())
            return QStringLiteral("font takes the name of a font family, such as \"Liberation "
                                  "Sans\"");
    }
    if (o.contains(QStringLiteral("fields"))) {
        const QJsonValue v = o.value(QStringLiteral("fields"));
        if (!v.isArray())
            return QStringLiteral("fields is %1; it takes a list of names (%2)")
                .arg(jsonTypeName(v), fieldKeys().join(QStringLiteral(", ")));
        t.fields.clear();
        for (const QJsonValue &item : v.toArray()) {
            const int i = int(fieldKeys().indexOf(item.toString()));
            if (!item.isString() || i < 0)
                return QStringLiteral("fields: %1 is no field; they are %2")
                    .arg(item.isString() ? QStringLiteral("\"%1\"").arg(item.toString())
                                         : jsonTypeName(item),
                         fieldKeys().join(QStringLiteral(", ")));
            if (t.fields.contains(kFields[i]))
                return QStringLiteral("fields: \"%1\" is named twice").arg(item.toString());
            t.fields << kFields[i];
        }
    }
    if (t.codeMm > t.heightMm - 2 * t.marginMm || t.codeMm > t.widthMm - 2 * t.marginMm)
        return QStringLiteral("code_mm %1 does not fit a %2 x %3 mm label with margins of %4 mm")
            .arg(t.codeMm)
            .arg(t.widthMm)
            .arg(t.heightMm)
            .arg(t.marginMm);
    return {};
}

} // namespace

QString labelFieldKey(LabelField field)
{
    static const char *const keys[] = {"address", "frequency", "rf_speed", "station",
                                       "date",    "unit",      "serial"};
    return QString::fromLatin1(keys[int(field)]);
}

QString labelCodeKey(LabelCodeKind kind)
{
    static const char *const keys[] = {"qr", "datamatrix", "gs1-datamatrix"};
    return QString::fromLatin1(keys[int(kind)]);
}

std::optional<LabelTemplate> LabelTemplate::parse(const QByteArray &bytes, const QString &file,
                                                  QString *error)
{
    const JsonFileObject parsed = parseJsonFileObject(bytes, file, kTemplateFile);
    QString why = parsed.error;
    if (why.isEmpty())
        why = unknownKeyProblem(parsed.object,
                                {QStringLiteral("format"), QStringLiteral("version"),
                                 QStringLiteral("width_mm"), QStringLiteral("height_mm"),
                                 QStringLiteral("margin_mm"), QStringLiteral("code"),
                                 QStringLiteral("code_mm"), QStringLiteral("font"),
                                 QStringLiteral("font_pt"), QStringLiteral("dots_per_mm"),
                                 QStringLiteral("fields")},
                                file);
    LabelTemplate t;
    if (why.isEmpty()) {
        why = readTemplate(parsed.object, t);
        if (!why.isEmpty())
            why = QStringLiteral("%1: %2").arg(file, why);
    }
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return t;
}

std::optional<LabelTemplate> LabelTemplate::read(const QString &path, QString *error)
{
    const JsonFileBytes file = readJsonFileBytes(path, kTemplateFile);
    if (!file.error.isEmpty()) {
        if (error)
            *error = file.error;
        return std::nullopt;
    }
    return parse(file.bytes, path, error);
}

} // namespace zomar
