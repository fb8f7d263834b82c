#include "suite/core/ObjectFactory.h"

#include "suite/core/ErrorLog.h"

#include <QCryptographicHash>

#include <exception>

namespace suite {

namespace {

QString keyOf(const QString &progId)
{
    return progId.trimmed().toLower();
}

} // namespace

ObjectFactory &ObjectFactory::instance()
{
    static ObjectFactory factory;
    return factory;
}

void ObjectFactory::registerClass(const QString &progId, Creator creator)
{
    m_creators.insert(keyOf(progId), std::move(creator));
}

ObjectFactory::Creator ObjectFactory::unregisterClass(const QString &progId)
{
    return m_creators.take(keyOf(progId));
}

bool ObjectFactory::isRegistered(const QString &progId) const
{
    return m_creators.contains(keyOf(progId));
}

QStringList ObjectFactory::registeredProgIds() const
{
    QStringList ids = m_creators.keys();
    ids.sort();
    return ids;
}

QString ObjectFactory::runtimeLicenceKey(const QString &progId) const
{
    if (!isRegistered(progId))
        return {};
    const QByteArray licensed =
        QByteArrayLiteral("TarnSuite runtime licence/") + keyOf(progId).toUtf8();
    return QString::fromLatin1(
        QCryptographicHash::hash(licensed, QCryptographicHash::Sha1).toHex().left(32).toUpper());
}

SuiteObjectPtr ObjectFactory::create(const QString &progId) const
{
    const auto it = m_creators.constFind(keyOf(progId));
    if (it == m_creators.constEnd() || !*it)
        return {};
    try {
        return (*it)();
    } catch (const std::exception &e) {
        // A component whose construction fails counts as one that cannot be created.
        ErrorLog::instance().error(QStringLiteral("createObject(%1)").arg(progId),
                                   QString::fromUtf8(e.what()));
        return {};
    }
}

SuiteObjectPtr createObject(const QString &progId)
{
    return ObjectFactory::instance().create(progId);
}

ScopedUnregistration::ScopedUnregistration(const QString &progId)
    : m_progId(progId)
    , m_creator(ObjectFactory::instance().unregisterClass(progId))
{ }

ScopedUnregistration::~ScopedUnregistration()
{
    if (m_creator)
        ObjectFactory::instance().registerClass(m_progId, m_creator);
}

} // namespace suite
