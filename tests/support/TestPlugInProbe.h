#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtPlugin>

// The test plug-in library as a test drives it: the same root object the plug-in manager loaded
// (QPluginLoader hands out one per library) answers this interface next to the plug-in factory.
class ITestPlugInProbe
{
public:
    virtual ~ITestPlugInProbe() = default;

    // Every call the library's plug-in objects received, in order, as "Member(arguments)".
    virtual QStringList calls() const = 0;
    // For every call, which plug-in object received it: 1 for the first object the library
    // made since the last reset, 2 for the second, ...
    virtual QList<int> callers() const = 0;
    // The Talk answers the plug-ins got when they loaded their controls.
    virtual QStringList talks() const = 0;
    // How the next Inits answer, one word per call: "accept", "refuse", "throw" (the plug-in
    // fails), "close" (accepts but hands back a closed record set). Without words: accept.
    virtual void setInitAnswers(const QStringList &answers) = 0;
    // The member ("StartModify", "TabPageChanged", ...) that throws from now on; empty: none.
    virtual void setThrowingMember(const QString &member) = 0;
    // Tells the card the last plug-in loaded its controls onto: returnData goes in as given and
    // comes back as the card left it.
    virtual QVariant notify(const QString &eventName, const QVariant &eventData,
                            const QVariant &returnData = QVariant()) = 0;
    // Forgets calls, talks and answers.
    virtual void reset() = 0;
};

Q_DECLARE_INTERFACE(ITestPlugInProbe, "test.ArchivePlugInProbe/1")
