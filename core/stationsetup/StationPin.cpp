#include "core/stationsetup/StationPin.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace zomar {

QByteArray pbkdf2Sha256(const QByteArray &password, const QByteArray &salt, int rounds, int length)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    QByteArray out;
    for (quint32 block = 1; out.size() < length; ++block) {
        QByteArray index(4, '\0');
        index[0] = char(block >> 24);
        index[1] = char(block >> 16);
        index[2] = char(block >> 8);
        index[3] = char(block);
        mac.reset();
        mac.addData(salt + index);
        QByteArray u = mac.result();
        QByteArray t = u;
        for (int i = 1; i < rounds; ++i) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype j = 0; j < t.size(); ++j)
                t[j] = char(t[j] ^ u[j]);
        }
        out += t;
    }
    return out.left(length);
}

StationPin StationPin::make(const QString &pin, int rounds)
{
    StationPin p;
    p.salt.resize(kSaltBytes);
    QRandomGenerator::system()->generate(p.salt.begin(), p.salt.end());
    p.rounds = rounds;
    p.hash = pbkdf2Sha256(pin.toUtf8(), p.salt, rounds, kHashBytes);
    return p;
}

bool StationPin::matches(const QString &pin) const
{
    const QByteArray tried = pbkdf2Sha256(pin.toUtf8(), salt, rounds, int(hash.size()));
    // Every byte is looked at, whatever the first difference.
    unsigned char differs = tried.size() != hash.size() ? 1 : 0;
    for (qsizetype i = 0; i < std::min(tried.size(), hash.size()); ++i)
        differs |= static_cast<unsigned char>(tried[i] ^ hash[i]);
    return differs == 0 && !hash.isEmpty();
}

QString StationPin::problem(const QString &pin)
{
    if (pin.size() < kShortest)
        return QStringLiteral("a PIN has %1 or more characters").arg(kShortest);
    return {};
}

} // namespace zomar
