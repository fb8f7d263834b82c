#pragma once

#include "suite/core/SuiteObject.h"

#include <QHash>
#include <QString>

#include <functional>

namespace suite {

// Creates suite objects by their ProgID ("TarnPub.IPub", "TarnSrvTrans.IClsCommon", ...).
// ProgIDs compare without regard to case. An unregistered ProgID yields an empty pointer,
// which is how the start-up roads learn that a component cannot be created.
class ObjectFactory
{
public:
    using Creator = std::function<SuiteObjectPtr()>;

    static ObjectFactory &instance();

    void registerClass(const QString &progId, Creator creator);
    // Returns the creator that was registered, so that a caller can put it back.
    Creator unregisterClass(const QString &progId);
    bool isRegistered(const QString &progId) const;
    QStringList registeredProgIds() const;

    SuiteObjectPtr create(const QString &progId) const;

    // The run-time licence key a registered class hands out to a host that creates it on a
    // window of its own (a plug-in placing a suite control on a card): the same key for the
    // same class in every process, empty for a class that is not registered.
    QString runtimeLicenceKey(const QString &progId) const;

private:
    QHash<QString, Creator> m_creators;
};

SuiteObjectPtr createObject(const QString &progId);

template<class Interface> std::shared_ptr<Interface> createObject(const QString &progId)
{
    return std::dynamic_pointer_cast<Interface>(createObject(progId));
}

// Withdraws a ProgID for the lifetime of the guard and registers it again afterwards.
class ScopedUnregistration
{
public:
    explicit ScopedUnregistration(const QString &progId);
    ~ScopedUnregistration();
    ScopedUnregistration(const ScopedUnregistration &) = delete;
    ScopedUnregistration &operator=(const ScopedUnregistration &) = delete;

private:
    QString m_progId;
    ObjectFactory::Creator m_creator;
};

} // namespace suite
