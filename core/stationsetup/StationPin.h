#pragma once
// The PIN that guards a station's setup, kept in the station file as a salted
// hash: PBKDF2-HMAC-SHA256 (RFC 8018) with a random salt and many rounds, so
// that the file does not give the PIN away to someone who reads it and a
// guess costs time. Built on QMessageAuthenticationCode from Qt Core rather
// than QPasswordDigestor, which would bring Qt Network into every program for
// one function. The PIN keeps stray changes off a line station; whoever may
// edit the file itself can remove it, as the manual says.

#include <QByteArray>
#include <QString>

namespace zomar {

struct StationPin {
    static constexpr int kDefaultRounds = 100000;
    static constexpr int kMinimumRounds = 1000;
    static constexpr int kSaltBytes = 16;
    static constexpr int kHashBytes = 32;
    static constexpr int kShortest = 4; // characters

    QByteArray salt;
    int rounds = kDefaultRounds;
    QByteArray hash;

    // A new salt from the system's random source.
    static StationPin make(const QString &pin, int rounds = kDefaultRounds);
    // Compares in constant time.
    bool matches(const QString &pin) const;
    // Why a new PIN is not taken ("" when it is).
    static QString problem(const QString &pin);

    bool operator==(const StationPin &o) const
    {
        return salt == o.salt && rounds == o.rounds && hash == o.hash;
    }
};

QByteArray pbkdf2Sha256(const QByteArray &password, const QByteArray &salt, int rounds, int length);

} // namespace zomar
