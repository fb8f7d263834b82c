#pragma once

#include "suite/data/IClsCommon.h"
#include "suite/data/SqlConnection.h"

#include <functional>
#include <memory>
#include <optional>

namespace suite {

class PageSeeker;
struct PageSpan;
struct SeekableSelect;

// The data service over a company database of the suite's own backends. T-SQL texts are
// translated for the backend (each text once, then from the cache) and run as batches;
// the stored procedures the component calls are C++ procedures on the same connection.
class ClsCommon : public IClsCommon
{
public:
    ClsCommon();
    ~ClsCommon() override;

    void Init(const QString &cDBName) override;
    bool Status() const override;

    // The empty record set of "select top 0 * from <table>" stores the rows added to it in
    // the table, on this connection and inside its transaction.
    RecordSet OpenX(const QString &strSql) override;
    // With no rows the result is one page, page 1, holding an open record set without rows.
    bool OpenPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                  RecordSet &rs, QString &sMsg, bool &bFlag) override;
    // A select of one table's rows with joins to one row each (see KeyedSelect.h) is paged by
    // the keys of that table and counted without its joins.
    bool OpenPageUncounted(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                           RecordSet &rs, QString &sMsg, bool &bFlag) override;
    void CountPageLater(const QString &strSql, QObject *requester, PageCountDone done) override;
    std::unique_ptr<SqlCursor> OpenForward(const QString &strSql, QString &sMsg) override;
    bool ExecuteX(const QString &strSql) override;
    RecordSet OpenWith(const QString &strSql, const QVariantHash &variables) override;
    bool ExecuteWith(const QString &strSql, const QVariantHash &variables) override;

    bool Add(const QString &sXML, const QString &cTable, QString &sMsg) override;
    bool Modify(const QString &sXML, const QString &cTable, QString &sMsg) override;
    bool Delete(const QVariant &id, const QString &cIdName, const QString &cTable, QString &sMsg,
                const QString &cUserId) override;

    // vResult receives the procedure's result as a RecordSet (the row it wrote). iMode, the
    // way the suite's server would schedule the call, means nothing to procedures that run
    // on the connection.
    bool ExecPROCNew(const QString &cProc, const QVariantList &aParams, QVariant &vResult,
                     int iMode) override;
    QString GetMnemCode(const QString &cText) override;

    IConnection &m_cnn() override;
    QString LastError() const override;

    // Begins a transaction that reserves the table (a T-SQL name, kvsystem..ua_task) for
    // writing at once, waiting for another writer of it: what the transaction reads before it
    // writes stays true until it ends, on every backend (see SqlConnection::beginWriting).
    bool BeginWriting(const QString &table);

    // Rows inserted, updated or deleted by the last OpenX or ExecuteX.
    qint64 LastRowsChanged() const;
    // Whether the schema ("main" or an attached database such as "kvsystem") cannot be
    // written; false when the service is not connected.
    bool IsReadOnly(const QString &schema) const;

private:
    class Connection;
    struct Session;
    struct PagePlan;
    enum class CountWait { Wait, Later };

    bool guard(const char *member, const std::function<bool()> &work);
    bool fail(const char *member, const QString &message);
    bool ready(const char *member);
    bool runText(const char *member, const QString &text, RecordSet *rows,
                 const QVariantHash &variables = {});
    bool openForInsert(const QString &table, RecordSet &rows);
    bool translateSelect(const char *member, const QString &text, QString &select);
    bool openPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                  RecordSet &rs, QString &sMsg, bool &bFlag, CountWait wait);
    std::optional<PagePlan> planPage(const QString &text);
    bool readPage(const QString &text, int pageSize, int &page, int &pageCount, RecordSet &rs,
                  CountWait wait);
    RecordSet pageRows(const PagePlan &plan, const PageSpan &span, qint64 rowCount, qint64 pageSize,
                       QString &sMsg);
    // The backend's select of the text in reversed order, when the order is total.
    std::optional<QString> reversedSelect(const QString &text);
    // The text as a select read from known places, where the backend reads pages so.
    std::optional<SeekableSelect> seekableSelectOf(const QString &text);
    PageSeeker pageSeeker();
    // Reads the marks of a long seekable select on the counting connection (see PageSeeker).
    void readMarksLater(const QString &pagedText, qint64 rows, const QString &stamp);
    // Counts the rows of a count statement and keeps the number for the current stamp.
    std::optional<qint64> countRows(const QString &countSelect);
    // Reads a far page of a list not counted yet forward on this connection while the counting
    // connection counts the list, and keeps the count; nullopt, with nothing read, where that
    // would not be quicker than counting first or the two reads could disagree.
    std::optional<qint64> countBesidePage(const PagePlan &plan, const PageSpan &asked,
                                          qint64 pageSize, const QString &stamp, RecordSet &rs);
    bool transaction(const char *member, bool (SqlConnection::*operation)(QString &sMsg));

    std::unique_ptr<Session> m_session;
    std::unique_ptr<Connection> m_connection;
    QString m_lastError;
    qint64 m_lastRowsChanged = 0;
};

// Makes ClsCommon the class of "TarnSrvTrans.IClsCommon".
void registerDataService();

} // namespace suite
