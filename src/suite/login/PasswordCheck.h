#pragma once

#include <QCryptographicHash>
#include <QString>

namespace suite {

// Passwords are kept as the lower-case hexadecimal SHA-256 of their UTF-8 text; an empty stored
// text means the user has none, and then only an empty password matches.
inline bool passwordMatches(const QString &stored, const QString &given)
{
    if (stored.isEmpty())
        return given.isEmpty();
    const QByteArray hash = QCryptographicHash::hash(given.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.toHex()) == stored.trimmed().toLower();
}

} // namespace suite
