#include "card/ControlLicences.h"

#include "suite/core/ObjectFactory.h"

namespace customer {

QString ControlLicences::addLicence(const QString &progId)
{
    const QString licence = suite::ObjectFactory::instance().runtimeLicenceKey(progId);
    if (!licence.isEmpty())
        m_keys.insert(progId.toLower(), licence);
    return licence;
}

bool ControlLicences::addClientLicence(const QString &progId, const QString &key)
{
    if (progId.isEmpty() || m_keys.contains(progId.toLower()))
        return false;
    m_keys.insert(progId.toLower(), key);
    return true;
}

QString ControlLicences::key(const QString &progId) const
{
    return m_keys.value(progId.toLower());
}

} // namespace customer
