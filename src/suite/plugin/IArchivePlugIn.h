#pragma once

#include "suite/data/RecordSet.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QtPlugin>

#include <memory>
#include <string_view>

class QTabWidget;
class QWidget;

namespace suite {

class IClsCommon;
class ILogin;

// What an archive card answers to the plug-ins it hosts. The card widget implements it next to
// QWidget and names it with Q_INTERFACES, so that a plug-in reaches it from the card pointer it
// receives in LoadPlugInControls with archivePlugInHost(card); a plug-in built apart from the
// component finds it by its interface id, not by a C++ type it was compiled against.
class IArchivePlugInHost
{
public:
    virtual ~IArchivePlugInHost() = default;

    // The card's data as a PlugInTalkData XML text.
    virtual QString Talk(const QString &requestID) = 0;
    // Something the plug-in tells the card; returnData carries an answer back.
    virtual void PlugInNotice(const QString &eventName, const QVariant &eventData,
                              QVariant &returnData, QObject *eventSender) = 0;
};

// A customer-archive plug-in: adds its own controls to an archive card and takes part in its
// work. The card calls these members in the order they are declared.
class IArchivePlugIn
{
public:
    virtual ~IArchivePlugIn() = default;

    // Right after loading: the data service the plug-in reads and writes through.
    virtual void SetTarnArchiveDbSrv(std::shared_ptr<IClsCommon> oDbSrv) = 0;
    // A record is shown: its code (empty for a new one) and the card's record set, which the
    // plug-in may replace. False keeps the plug-in out of this record.
    virtual bool Init(QString &cCode, RecordSet &rs, std::shared_ptr<ILogin> oLogin) = 0;
    virtual void StartAdd() = 0;
    virtual void StartModify() = 0;
    // The card widget (see IArchivePlugInHost) and its tab control; the four numbers are
    // reserved and passed as zeros.
    virtual void LoadPlugInControls(QWidget *card, QTabWidget *tabs, qint16 reserved1,
                                    qint16 reserved2, qint16 reserved3, qint16 reserved4) = 0;
    virtual void UnLoadPlugInControls() = 0;
    virtual void TabPageChanged(qint16 newIndex, qint16 previousIndex) = 0;
    // The XML fragment a sub-record dialog of the card returned.
    virtual void TarnArchiveDataChanged(const QString &xml) = 0;
    // The state of the record the plug-in was initialised for; 6 once the list deleted it
    // (deleted or refused), so that the plug-in lets go of it. A plug-in that keeps nothing per
    // record has nothing to do.
    virtual void setCurrentState(qint16 state) { Q_UNUSED(state); }
};

// The interface id a plug-in library declares in Q_PLUGIN_METADATA(IID "suite.ArchivePlugIn/1.0").
// The number after the slash is the version of the interfaces of this file (and of the record set
// and data service they hand over); it changes whenever one of them changes, and the manager
// refuses a library declaring another one before any of its code runs.
inline constexpr char kArchivePlugInIid[] = "suite.ArchivePlugIn/1.0";
inline constexpr char kArchivePlugInHostIid[] = "suite.ArchivePlugInHost/1.0";

// The object a plug-in library exports: it makes the plug-in objects of the archives it serves,
// a fresh one for every card.
class IArchivePlugInFactory
{
public:
    virtual ~IArchivePlugInFactory() = default;

    // Null when the library has nothing for this archive ("Customer", ...).
    virtual std::shared_ptr<IArchivePlugIn> createPlugIn(const QString &archive) = 0;
};

} // namespace suite

// moc reads the ids as literals; the asserts keep them and the constants one.
Q_DECLARE_INTERFACE(suite::IArchivePlugInFactory, "suite.ArchivePlugIn/1.0")
Q_DECLARE_INTERFACE(suite::IArchivePlugInHost, "suite.ArchivePlugInHost/1.0")
static_assert(std::string_view(qobject_interface_iid<suite::IArchivePlugInFactory *>())
              == suite::kArchivePlugInIid);
static_assert(std::string_view(qobject_interface_iid<suite::IArchivePlugInHost *>())
              == suite::kArchivePlugInHostIid);

namespace suite {

// The card a plug-in was given, as its host; null when the widget is no plug-in host.
inline IArchivePlugInHost *archivePlugInHost(QObject *card)
{
    return qobject_cast<IArchivePlugInHost *>(card);
}

} // namespace suite
