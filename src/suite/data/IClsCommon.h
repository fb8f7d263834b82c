#pragma once

#include "suite/core/SuiteObject.h"
#include "suite/data/RecordSet.h"
#include "suite/data/SqlCursor.h"

#include <QString>
#include <QVariant>
#include <QVariantHash>

#include <functional>
#include <memory>

class QObject;

namespace suite {

// The connection object the data service exposes as m_cnn: callers group several requests
// into one transaction with it.
class IConnection
{
public:
    virtual ~IConnection() = default;
    virtual bool BeginTrans() = 0;
    virtual bool CommitTrans() = 0;
    virtual bool RollbackTrans() = 0;
};

// The suite's data service "TarnSrvTrans.IClsCommon": every SQL text and record XML of the
// component goes through it. Texts are SQL Server (T-SQL); the service runs them on its
// backend. Failures come back as results and messages, never as exceptions.
class IClsCommon : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnSrvTrans.IClsCommon";

    // cDBName is a connection text such as
    // "Provider=SQLite;Data Source=/data/KVDATA_001_2026.db;Initial Catalog=KVDATA_001_2026".
    virtual void Init(const QString &cDBName) = 0;
    // False when the connection failed.
    virtual bool Status() const = 0;

    // The rows of one text; a closed record set when it failed (LastError tells why).
    virtual RecordSet OpenX(const QString &strSql) = 0;
    // Page lCurPage (1-based, clamped into the pages there are, and written back) of
    // lPageSize rows of the text's result; lMaxPageCount receives the number of pages.
    // bFlag is True when the page was read; sMsg tells why not.
    virtual bool OpenPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                          RecordSet &rs, QString &sMsg, bool &bFlag) = 0;
    // A list shows its first page before it knows its length. As OpenPage, except that when
    // the rows have not been counted yet and the page can be read without their number, it
    // is read at once and lMaxPageCount is -1: CountPageLater gives the number then. A page
    // asked for beyond the rows is the last one, as with OpenPage (that one waits for the
    // count).
    virtual bool OpenPageUncounted(const QString &strSql, int &lPageSize, int &lCurPage,
                                   int &lMaxPageCount, RecordSet &rs, QString &sMsg,
                                   bool &bFlag) = 0;
    // The number of rows of the text's result, or -1 with the reason.
    using PageCountDone = std::function<void(qint64 lRows, const QString &sMsg)>;
    // Counts the rows of the text's result as OpenPage does, on another connection where the
    // service has one, and calls done on the caller's thread once it has them, unless
    // requester is gone by then. The count is kept for the pages read after, as long as the
    // data does not change.
    virtual void CountPageLater(const QString &strSql, QObject *requester, PageCountDone done) = 0;
    // The rows of one select read forward one at a time (see SqlCursor), for a reader of a
    // whole list that holds only the row it stands on. Null, with the reason in sMsg, when the
    // text is no single select or fails; null with an empty sMsg from a service that cannot
    // read forward (the caller reads pages instead).
    virtual std::unique_ptr<SqlCursor> OpenForward(const QString &strSql, QString &sMsg)
    {
        Q_UNUSED(strSql);
        sMsg.clear();
        return nullptr;
    }
    // True when the text ran.
    virtual bool ExecuteX(const QString &strSql) = 0;
    // A text whose declared variables start with the values given (keys without the @, any
    // case) instead of empty. Work repeated per row keeps one text this way: it is translated
    // once and its statements stay prepared, and no value is ever spliced into it.
    virtual RecordSet OpenWith(const QString &strSql, const QVariantHash &variables) = 0;
    virtual bool ExecuteWith(const QString &strSql, const QVariantHash &variables) = 0;

    // Archive writes: the record XML stored as a new row of cTable / written to it.
    virtual bool Add(const QString &sXML, const QString &cTable, QString &sMsg) = 0;
    virtual bool Modify(const QString &sXML, const QString &cTable, QString &sMsg) = 0;
    virtual bool Delete(const QVariant &id, const QString &cIdName, const QString &cTable,
                        QString &sMsg, const QString &cUserId) = 0;

    // Runs a stored procedure of the company database; vResult receives its result.
    virtual bool ExecPROCNew(const QString &cProc, const QVariantList &aParams, QVariant &vResult,
                             int iMode) = 0;
    // The mnemonic code (initials of the pinyin) of a name.
    virtual QString GetMnemCode(const QString &cText) = 0;

    virtual IConnection &m_cnn() = 0;

    // The message of the last failure, for the callers that report it.
    virtual QString LastError() const = 0;
};

} // namespace suite
