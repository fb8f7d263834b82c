// The public service's page reader: one page of a list read in the database, keys first.

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/PageStatements.h"
#include "suite/pub/ClsPub.h"

namespace suite {

namespace {

const QString kWhere = QStringLiteral("TarnPub.IPub.GetPageRst");

// The 1-based place of the code's row in the request's order; 0 when the where part leaves
// it out or the statement fails.
qint64 rankOfCode(IClsCommon &oSrv, const PageRequest &request, bool withJoins,
                  const QString &codeField, const QString &codeValue)
{
    const RecordSet rank = oSrv.OpenX(page_statements::rankStatement(
        request, withJoins, codeField, sqlQuoted(codeValue.trimmed())));
    return rank.RecordCount() > 0 ? rank.valueAt(0, 0).toLongLong() : 0;
}

bool failPage(const QString &reason)
{
    ErrorLog::instance().error(kWhere, reason);
    return false;
}

} // namespace

bool ClsPub::GetPageRst(QWidget *, const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                        const QString &cTable, const QString &cKeyField, const QString &cSelect,
                        const QString &cJoin, const QString &cWhere, const QString &cOrder,
                        int &lCurPage, int lPageSize, int &lPageCount)
{
    const PageRequest request{ cTable, cKeyField, cSelect, cJoin, cWhere, cOrder };
    return readPage(oSrv, rs, request, lCurPage, lPageSize, lPageCount, PageCountWait::Wait);
}

bool ClsPub::GetPageRstUncounted(const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                                 const PageRequest &request, int &lCurPage, int lPageSize,
                                 int &lPageCount)
{
    return readPage(oSrv, rs, request, lCurPage, lPageSize, lPageCount, PageCountWait::Later);
}

QStringList ClsPub::pagedTableColumns(const std::shared_ptr<IClsCommon> &oSrv,
                                      const QString &cTable)
{
    PagedTableColumns &known = m_pagedTableColumns;
    if (known.service.lock() != oSrv) {
        known.service = oSrv;
        known.byTable.clear();
    }
    const QString key = cTable.toLower();
    if (const auto found = known.byTable.constFind(key); found != known.byTable.cend())
        return *found;
    const RecordSet empty = oSrv->OpenX(QStringLiteral("select top 0 * from ") + cTable);
    QStringList names;
    for (const Field &field : empty.Fields())
        names.append(field.name);
    if (empty.IsOpen())
        known.byTable.insert(key, names);
    return names;
}

void ClsPub::CountPageRstLater(const std::shared_ptr<IClsCommon> &oSrv, const PageRequest &request,
                               QObject *requester, IClsCommon::PageCountDone done)
{
    if (!oSrv)
        return;
    const bool withJoins =
        page_statements::needsJoins(request, pagedTableColumns(oSrv, request.table));
    oSrv->CountPageLater(page_statements::keysStatement(request, withJoins), requester,
                         std::move(done));
}

std::unique_ptr<SqlCursor> ClsPub::OpenRstForward(const std::shared_ptr<IClsCommon> &oSrv,
                                                  const PageRequest &request, QString &sMsg)
{
    if (!oSrv) {
        sMsg = QStringLiteral("There is no data service to read the list with.");
        return nullptr;
    }
    return oSrv->OpenForward(
        page_statements::allRowsStatement(request, pagedTableColumns(oSrv, request.table)), sMsg);
}

// The keys of the page first, through the data service's page reader, then their rows.
bool ClsPub::readPage(const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                      const PageRequest &request, int &lCurPage, int lPageSize, int &lPageCount,
                      PageCountWait wait)
{
    rs = RecordSet();
    m_pageFind.rowCode.clear();
    if (!oSrv)
        return failPage(QStringLiteral("There is no data service to read the page with."));
    if (lPageSize < 1)
        return failPage(QStringLiteral("The page size must be at least 1, not %1.").arg(lPageSize));
    const bool withJoins =
        page_statements::needsJoins(request, pagedTableColumns(oSrv, request.table));
    const QString codeField =
        m_pageFind.codeFldName.isEmpty() ? request.keyField : m_pageFind.codeFldName;
    if (m_pageFind.isFindCode && !m_pageFind.codeValue.trimmed().isEmpty()) {
        const qint64 rank = rankOfCode(*oSrv, request, withJoins, codeField, m_pageFind.codeValue);
        if (rank > 0)
            lCurPage = int((rank - 1) / lPageSize + 1);
        m_pageFind.rowCode = m_pageFind.codeValue.trimmed();
        m_pageFind.rowField = codeField;
    }
    RecordSet keys;
    QString sMsg;
    bool bRead = false;
    int pageSize = lPageSize;
    const QString keysText = page_statements::keysStatement(request, withJoins);
    if (wait == PageCountWait::Later)
        oSrv->OpenPageUncounted(keysText, pageSize, lCurPage, lPageCount, keys, sMsg, bRead);
    else
        oSrv->OpenPage(keysText, pageSize, lCurPage, lPageCount, keys, sMsg, bRead);
    if (!bRead)
        return failPage(sMsg);
    rs = oSrv->OpenX(page_statements::rowsStatement(request, page_statements::keyLiterals(keys)));
    return rs.IsOpen() || failPage(oSrv->LastError());
}

bool ClsPub::IsFindCode() const
{
    return m_pageFind.isFindCode;
}

void ClsPub::setIsFindCode(bool bFind)
{
    m_pageFind.isFindCode = bFind;
}

QString ClsPub::CodeValue() const
{
    return m_pageFind.codeValue;
}

void ClsPub::setCodeValue(const QString &cValue)
{
    m_pageFind.codeValue = cValue;
}

QString ClsPub::CodeFldName() const
{
    return m_pageFind.codeFldName;
}

void ClsPub::setCodeFldName(const QString &cField)
{
    m_pageFind.codeFldName = cField;
}

} // namespace suite
