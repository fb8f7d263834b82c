#pragma once

#include "suite/data/RecordSet.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class QObject;

namespace suite {
class ILogin;
}

namespace customer {

// The event interface of the entry classes. In web mode the entry instance stands in for the
// data service, the column-set service and the row-rights object and relays each of their
// calls to the host through one of these events; the host answers by writing the by-reference
// arguments. The events are raised synchronously on the calling thread.
//
// Every handler does nothing by default: a host that does not handle an event leaves the
// arguments as they were, so record sets stay closed, flags false and texts empty. The
// handlers are declared in the order of the host's handler table.
class ClsCustomerEvents
{
public:
    // The event ids the host's handler table uses.
    enum EventId {
        IdOpenX = 1,
        IdOpenPage = 2,
        IdAdd = 3,
        IdModify = 4,
        IdDelete = 5,
        IdFind = 6,
        IdExecuteX = 7,
        IdGetColInfo = 8,
        IdGetColSet = 9,
        IdSave = 10,
        IdGetSqlString = 11,
        IdiCols = 12,
        IdGetFixedCols = 13,
        IdGetAuthString = 14,
        IdGetOrderString = 15,
        IdGetFunAuth = 16
    };

    virtual ~ClsCustomerEvents() = default;

    virtual void EventOpenX(const QString &strSql, suite::RecordSet &Rst, QString &sMsg);
    virtual void EventOpenPage(const QString &strSql, int &iPageSize, int &lCurPage,
                               int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg,
                               bool &bFlag);
    virtual void EventGetFunAuth(const std::shared_ptr<suite::ILogin> &oLogin, const QString &sArch,
                                 int bIsLock, QString &sErr, int OptId, const QString &sAuth_Id,
                                 int iYear, bool &bFlag);
    virtual void EventAdd(const QString &sXML, const QString &tableName, QString &sMsg, bool &bErr);
    virtual void EventModify(const QString &sXML, const QString &tableName, QString &sMsg,
                             bool &bErr);
    virtual void EventDelete(const QVariant &id, const QString &IDName, const QString &tableName,
                             QString &sMsg, const QString &cUserId, bool &bErr);
    virtual void EventFind(const QString &sXML, QStringList &FindTableName,
                           QStringList &ShowTableName, QString &sMsg, suite::RecordSet &Rst);
    virtual void EventExecuteX(const QString &strSql, bool &bFlag);
    virtual void EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML);
    virtual void EventGetColSet(const QString &cKey, int iReturnMode, suite::RecordSet &rs);
    virtual void EventSave(QString &sXML, bool &bFlag);
    virtual void EventGetSqlString(const QString &sXML, QString &strSql);
    virtual void EventGetOrderString(const QString &sXML, QString &str);
    virtual void EventiCols(int &col);
    virtual void EventGetFixedCols(int &fixCol);
    virtual void EventGetAuthString(const QString &tableName, QString &sId);

    // Beyond the handler table: a host that can answer a page before it has counted the rows
    // overrides both. EventOpenPageUncounted may then answer lMaxPageCount -1, and
    // EventCountPageLater calls done with the number of rows (or -1 and the reason) on the
    // calling thread when it has them, unless requester is gone. By default the page is
    // counted as EventOpenPage counts it, and a count asked for all the same is -1.
    using PageCountDone = std::function<void(qint64 lRows, const QString &sMsg)>;
    virtual void EventOpenPageUncounted(const QString &strSql, int &iPageSize, int &lCurPage,
                                        int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg,
                                        bool &bFlag);
    virtual void EventCountPageLater(const QString &strSql, QObject *requester, PageCountDone done);
};

} // namespace customer
