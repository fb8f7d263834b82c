#pragma once

#include <QMap>
#include <QString>

namespace customer {

// The card's run-time licence collection: the keys of the control classes (by ProgID, in any
// case) that plug-ins create on the card.
class ControlLicences
{
public:
    // Adds the run-time licence key of the suite's control class progId and returns it; an
    // empty key, and nothing added, when the suite has no such class.
    QString addLicence(const QString &progId);
    // Adds progId with key unless the collection has an entry for it; true when added.
    bool addClientLicence(const QString &progId, const QString &key);
    QString key(const QString &progId) const;
    int count() const { return int(m_keys.size()); }

private:
    QMap<QString, QString> m_keys;
};

} // namespace customer
