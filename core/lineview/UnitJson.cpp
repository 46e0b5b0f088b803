#include "core/lineview/UnitJson.h"

#include "core/store/StoreReport.h"

#include <optional>

namespace zomar {

namespace {

// The unit's fields, once, in the order of their names (the order in which
// a JSON object is written).
template <typename Field>
void fields(const UnitRow &u, Field &&field)
{
    field("block_before", u.blockBefore);
    field("block_read_back", u.blockReadBack);
    field("block_written", u.blockWritten);
    field("by_id", u.byId);
    field("by_path", u.byPath);
    field("device", u.device);
    field("failure", u.failure);
    field("label_at", u.labelAt);
    field("label_reason", u.labelReason);
    field("label_state", u.labelState);
    field("label_target", u.labelTarget);
    field("local", u.local ? addressHex(*u.local) : QString());
    field("message", u.message);
    field("operator", u.operatorName);
    field("origin", u.origin);
    field("packet_sent", u.packetSent);
    field("pool", u.poolId);
    field("product_serial", u.productSerial);
    field("profile", u.profileFile);
    field("profile_sha256", u.profileSha256);
    field("reserved_at", u.reservedAt);
    field("run", std::optional<qint64>(u.runId));
    field("settled_at", u.settledAt);
    field("state", unitStateName(u.state));
    field("station", u.station);
    field("unit_id", u.unitId);
    field("usb_serial", u.usbSerial);
}

QJsonValue value(const QString &text)
{
    return text;
}

QJsonValue value(bool flag)
{
    return flag;
}

QJsonValue value(const std::optional<qint64> &number)
{
    return number ? QJsonValue(double(*number)) : QJsonValue();
}

// As QJsonDocument escapes: quote, backslash and control characters; the
// rest as UTF-8.
void append(QByteArray &out, const QString &text)
{
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\') {
            out += c;
            continue;
        }
        out += '\\';
        switch (c) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '\b': out += 'b'; break;
        case '\f': out += 'f'; break;
        case '\n': out += 'n'; break;
        case '\r': out += 'r'; break;
        case '\t': out += 't'; break;
        default: out += "u00" + QByteArray::number(u, 16).rightJustified(2, '0');
        }
    }
    out += '"';
}

void append(QByteArray &out, bool flag)
{
    out += flag ? "true" : "false";
}

void append(QByteArray &out, const std::optional<qint64> &number)
{
    out += number ? QByteArray::number(*number) : QByteArray("null");
}

} // namespace

QJsonObject unitJson(const UnitRow &u)
{
    QJsonObject object;
    fields(u, [&object](const char *name, const auto &v) {
        object.insert(QLatin1String(name), value(v));
    });
    return object;
}

void appendUnitJson(QByteArray &out, const UnitRow &u)
{
    char separator = '{';
    fields(u, [&out, &separator](const char *name, const auto &v) {
        out += separator;
        separator = ',';
        out += '"';
        out += name;
        out += "\":";
        append(out, v);
    });
    out += '}';
}

} // namespace zomar
