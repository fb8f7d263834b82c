#include "suite/data/DataService.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/BackwardPage.h"
#include "suite/data/CompanyProcedures.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/CustomerArchiveWriter.h"
#include "suite/data/DataBackend.h"
#include "suite/data/MnemonicCode.h"
#include "suite/data/PageQuery.h"
#include "suite/data/RecordXmlWriter.h"
#include "suite/data/SqlTrace.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/TsqlTranslator.h"
#include "suite/pub/BillNumbering.h"

#include <QRegularExpression>

#include <exception>

namespace suite {

namespace {

const QString kWhere = QStringLiteral("TarnSrvTrans.IClsCommon.%1");

// The call as T-SQL would write it, for the trace.
QString procedureCallText(const QString &procedure, const QVariantList &arguments)
{
    QStringList literals;
    for (const QVariant &argument : arguments) {
        if (argument.isNull())
            literals.append(QStringLiteral("NULL"));
        else if (argument.typeId() == QMetaType::QString)
            literals.append(u'\'' + argument.toString().replace(u'\'', QStringLiteral("''"))
                            + u'\'');
        else
            literals.append(argument.toString());
    }
    return literals.isEmpty() ? procedure : procedure + u' ' + literals.join(QStringLiteral(", "));
}

// The table of "select top 0 * from T": ADO stores the rows added to that empty record set in
// T, and the component adds delivery addresses and code-list rows that way. Empty for any
// other text.
QString insertTableOf(const QString &text)
{
    static const QRegularExpression emptySelect(
        QStringLiteral(R"(^\s*select\s+top\s+0\s+\*\s+from\s+([\w#]+)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    return emptySelect.match(text).captured(1);
}

} // namespace

struct ClsCommon::Session
{
    explicit Session(std::unique_ptr<DataBackend> openedBackend)
        : backend(std::move(openedBackend))
        , translator(backend->dialect())
        , runner(backend->connection())
        , writer(*backend)
    {
        DataBackend *columns = backend.get();
        translator.setTextColumnLookup([columns](QStringView qualifier, QStringView column) {
            return columns->isTextColumn(qualifier, column);
        });
        for (const NamedProcedure &procedure : companyProcedures()) {
            runner.registerProcedure(procedure.name, procedure.procedure);
            procedures.insert(procedure.name.toLower(), procedure.procedure);
        }
    }

    std::unique_ptr<DataBackend> backend;
    tsql::TsqlTranslator translator;
    tsql::BatchRunner runner;
    RecordXmlWriter writer;
    // ExecPROCNew hands over values; the runner reaches the same procedures from T-SQL texts
    // only. Keys are lower case, as procedure names ignore case.
    QHash<QString, tsql::BatchRunner::Procedure> procedures;
    // Row counts of paged statements by their count text, with the change stamp they were
    // taken at: turning the pages of a large list counts its rows once.
    QHash<QString, std::pair<QString, qint64>> pageCounts;
};

class ClsCommon::Connection : public IConnection
{
public:
    explicit Connection(ClsCommon &service)
        : m_service(service)
    { }

    bool BeginTrans() override
    {
        return m_service.transaction("BeginTrans", &SqlConnection::beginTransaction);
    }
    bool CommitTrans() override
    {
        return m_service.transaction("CommitTrans", &SqlConnection::commitTransaction);
    }
    bool RollbackTrans() override
    {
        return m_service.transaction("RollbackTrans", &SqlConnection::rollbackTransaction);
    }

private:
    ClsCommon &m_service;
};

ClsCommon::ClsCommon()
    : m_connection(std::make_unique<Connection>(*this))
{ }

ClsCommon::~ClsCommon() = default;

bool ClsCommon::fail(const char *member, const QString &message)
{
    m_lastError = message;
    ErrorLog::instance().error(kWhere.arg(QLatin1String(member)), message);
    return false;
}

// Whatever goes wrong below, the caller gets a result and a message, never an exception.
bool ClsCommon::guard(const char *member, const std::function<bool()> &work)
{
    m_lastError.clear();
    try {
        return work();
    } catch (const std::exception &error) {
        return fail(member,
                    QStringLiteral("Unexpected failure: %1").arg(QString::fromUtf8(error.what())));
    } catch (...) {
        return fail(member, QStringLiteral("Unexpected failure of an unknown kind."));
    }
}

bool ClsCommon::ready(const char *member)
{
    if (m_session)
        return true;
    return fail(member,
                QStringLiteral("The data service is not connected to a company database "
                               "(Init was not called or failed)."));
}

void ClsCommon::Init(const QString &cDBName)
{
    m_session.reset();
    guard("Init", [&] {
        QString sMsg;
        const std::optional<ConnectionText> connection = ConnectionText::parse(cDBName, sMsg);
        if (!connection)
            return fail("Init", sMsg);
        std::unique_ptr<DataBackend> backend = openBackend(*connection, sMsg);
        if (!backend)
            return fail("Init", sMsg);
        m_session = std::make_unique<Session>(std::move(backend));
        return true;
    });
}

bool ClsCommon::Status() const
{
    return m_session != nullptr;
}

bool ClsCommon::IsReadOnly(const QString &schema) const
{
    return m_session && m_session->backend->connection().isReadOnly(schema);
}

QString ClsCommon::LastError() const
{
    return m_lastError;
}

qint64 ClsCommon::LastRowsChanged() const
{
    return m_lastRowsChanged;
}

bool ClsCommon::runText(const char *member, const QString &text, RecordSet *rows,
                        const QVariantHash &variables)
{
    m_lastRowsChanged = 0;
    if (!ready(member))
        return false;
    QString sMsg;
    const std::shared_ptr<const tsql::Batch> batch = m_session->translator.translate(text, sMsg);
    if (!batch)
        return fail(member, sMsg);
    QVariantHash presets;
    for (auto variable = variables.cbegin(); variable != variables.cend(); ++variable)
        presets.insert(variable.key().toLower(), variable.value());
    tsql::BatchRunner::Outcome outcome = m_session->runner.run(*batch, presets);
    if (!outcome.ok)
        return fail(member, outcome.message);
    m_lastRowsChanged = outcome.rowsChanged;
    if (rows)
        *rows = outcome.lastResult;
    return true;
}

bool ClsCommon::openForInsert(const QString &table, RecordSet &rows)
{
    m_lastRowsChanged = 0;
    if (!ready("OpenX"))
        return false;
    QString sMsg;
    rows = m_session->backend->connection().openTableForInsert(table, sMsg);
    return rows.IsOpen() || fail("OpenX", sMsg);
}

RecordSet ClsCommon::OpenX(const QString &strSql)
{
    TracedCall trace("OpenX", strSql);
    RecordSet rows;
    const bool ok = guard("OpenX", [&] {
        const QString table = insertTableOf(strSql);
        return table.isEmpty() ? runText("OpenX", strSql, &rows) : openForInsert(table, rows);
    });
    trace.finish(ok, m_lastError);
    return ok ? rows : RecordSet();
}

bool ClsCommon::ExecuteX(const QString &strSql)
{
    TracedCall trace("ExecuteX", strSql);
    const bool ok = guard("ExecuteX", [&] { return runText("ExecuteX", strSql, nullptr); });
    trace.finish(ok, m_lastError);
    return ok;
}

RecordSet ClsCommon::OpenWith(const QString &strSql, const QVariantHash &variables)
{
    TracedCall trace("OpenWith", strSql);
    RecordSet rows;
    const bool ok =
        guard("OpenWith", [&] { return runText("OpenWith", strSql, &rows, variables); });
    trace.finish(ok, m_lastError);
    return ok ? rows : RecordSet();
}

bool ClsCommon::ExecuteWith(const QString &strSql, const QVariantHash &variables)
{
    TracedCall trace("ExecuteWith", strSql);
    const bool ok =
        guard("ExecuteWith", [&] { return runText("ExecuteWith", strSql, nullptr, variables); });
    trace.finish(ok, m_lastError);
    return ok;
}

bool ClsCommon::OpenPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                         RecordSet &rs, QString &sMsg, bool &bFlag)
{
    TracedCall trace("OpenPage", strSql);
    RecordSet page;
    bFlag = guard("OpenPage",
                  [&] { return readPage(strSql, lPageSize, lCurPage, lMaxPageCount, page); });
    rs = page;
    sMsg = m_lastError;
    trace.finish(bFlag, m_lastError);
    return bFlag;
}

bool ClsCommon::translateSelect(const QString &text, QString &select)
{
    QString sMsg;
    const std::shared_ptr<const tsql::Batch> batch = m_session->translator.translate(text, sMsg);
    if (!batch)
        return fail("OpenPage", sMsg);
    if (batch->steps.size() != 1 || batch->steps.front().kind != tsql::Step::Kind::Statement
        || !batch->steps.front().returnsRows) {
        return fail("OpenPage",
                    QStringLiteral("A page can only be read from one select statement."));
    }
    select = batch->steps.front().sql;
    return true;
}

bool ClsCommon::readPage(const QString &text, int pageSize, int &page, int &pageCount,
                         RecordSet &rs)
{
    if (!ready("OpenPage"))
        return false;
    if (pageSize < 1)
        return fail("OpenPage",
                    QStringLiteral("The page size must be at least 1, not %1.").arg(pageSize));
    QString select;
    QString countSelect;
    QString sMsg;
    if (!translateSelect(text, select))
        return false;
    const std::optional<QString> countText = pageCountText(text, sMsg);
    if (!countText)
        return fail("OpenPage", sMsg);
    if (!translateSelect(*countText, countSelect))
        return false;
    const std::optional<qint64> rowCount = countRows(countSelect);
    if (!rowCount)
        return false;
    const PageSpan span = pageSpan(*rowCount, pageSize, page);
    rs = pageRows(text, select, span, *rowCount, pageSize, sMsg);
    if (!rs.IsOpen())
        return fail("OpenPage", sMsg);
    page = int(span.page);
    pageCount = int(span.pageCount);
    return true;
}

// A page in the second half of a select whose order is total is read from the end (see
// BackwardPage.h).
RecordSet ClsCommon::pageRows(const QString &text, const QString &select, const PageSpan &span,
                              qint64 rowCount, qint64 pageSize, QString &sMsg)
{
    SqlConnection &connection = m_session->backend->connection();
    const tsql::SqlDialect &dialect = *m_session->backend->dialect();
    const std::optional<qint64> rowsAfter = rowsAfterPage(span, rowCount, pageSize);
    const std::optional<QString> reversed = rowsAfter ? reversedSelect(text) : std::nullopt;
    if (!reversed) {
        return connection.queryStatement(pageStatement(dialect, select, pageSize, span.firstRow),
                                         {}, sMsg);
    }
    const qint64 rowsOnPage = rowCount - span.firstRow - *rowsAfter;
    return reversedRows(connection.queryStatement(
        pageStatement(dialect, *reversed, rowsOnPage, *rowsAfter), {}, sMsg));
}

std::optional<QString> ClsCommon::reversedSelect(const QString &text)
{
    const std::optional<ReversibleSelect> reversible = reversibleSelect(text);
    TableColumns columns;
    QString sMsg;
    if (!reversible || !m_session->backend->tableColumns(reversible->table, columns, sMsg)
        || !columns.primaryKeyOrdersRows) {
        return std::nullopt;
    }
    for (const QString &keyColumn : std::as_const(columns.primaryKey)) {
        if (!reversible->orderColumns.contains(keyColumn, Qt::CaseInsensitive))
            return std::nullopt;
    }
    const std::shared_ptr<const tsql::Batch> batch =
        m_session->translator.translate(reversible->reversed, sMsg);
    if (!batch || batch->steps.size() != 1)
        return std::nullopt;
    return batch->steps.front().sql;
}

std::optional<qint64> ClsCommon::countRows(const QString &countSelect)
{
    SqlConnection &connection = m_session->backend->connection();
    const QString stamp = connection.changeStamp();
    const auto cached = m_session->pageCounts.constFind(countSelect);
    if (!stamp.isEmpty() && cached != m_session->pageCounts.cend() && cached->first == stamp)
        return cached->second;
    QString sMsg;
    const RecordSet count = connection.queryStatement(countSelect, {}, sMsg);
    if (!count.IsOpen()) {
        fail("OpenPage", sMsg);
        return std::nullopt;
    }
    const qint64 rows = count.valueAt(0, 0).toLongLong();
    if (!stamp.isEmpty()) {
        if (m_session->pageCounts.size() >= kCachedPageCounts)
            m_session->pageCounts.clear();
        m_session->pageCounts.insert(countSelect, { stamp, rows });
    }
    return rows;
}

// A record whose code the numbering rule generated uses up its serial together with the
// insert, so that no other session is offered the code once it is stored.
bool ClsCommon::Add(const QString &sXML, const QString &cTable, QString &sMsg)
{
    TracedCall trace("Add", sXML);
    const auto consumeBillNumber = [&](QString &reason) {
        return BillNumbering(*this).consumeRecord(cTable, sXML, reason);
    };
    const bool customer = CustomerArchiveWriter::handles(cTable);
    const bool ok = guard("Add", [&] {
        return ready("Add")
            && ((customer ? CustomerArchiveWriter(*m_session->backend, m_session->writer)
                                .add(sXML, sMsg, consumeBillNumber)
                          : m_session->writer.add(sXML, cTable, sMsg, consumeBillNumber))
                || fail("Add", sMsg));
    });
    if (!ok || !customer)
        sMsg = m_lastError;
    trace.finish(ok, m_lastError);
    return ok;
}

bool ClsCommon::Modify(const QString &sXML, const QString &cTable, QString &sMsg)
{
    TracedCall trace("Modify", sXML);
    const bool customer = CustomerArchiveWriter::handles(cTable);
    const bool ok = guard("Modify", [&] {
        return ready("Modify")
            && ((customer ? CustomerArchiveWriter(*m_session->backend, m_session->writer)
                                .modify(sXML, sMsg)
                          : m_session->writer.modify(sXML, cTable, sMsg))
                || fail("Modify", sMsg));
    });
    if (!ok || !customer)
        sMsg = m_lastError;
    trace.finish(ok, m_lastError);
    return ok;
}

bool ClsCommon::Delete(const QVariant &id, const QString &cIdName, const QString &cTable,
                       QString &sMsg, const QString &)
{
    const bool ok = guard("Delete", [&] {
        return ready("Delete")
            && ((CustomerArchiveWriter::handles(cTable)
                     ? CustomerArchiveWriter(*m_session->backend, m_session->writer)
                           .remove(id, cIdName, sMsg)
                     : m_session->writer.remove(id, cIdName, cTable, sMsg))
                || fail("Delete", sMsg));
    });
    sMsg = m_lastError;
    return ok;
}

bool ClsCommon::ExecPROCNew(const QString &cProc, const QVariantList &aParams, QVariant &vResult,
                            int)
{
    TracedCall trace("ExecPROCNew", procedureCallText(cProc, aParams));
    vResult = QVariant();
    const bool ok = guard("ExecPROCNew", [&] {
        if (!ready("ExecPROCNew"))
            return false;
        const auto procedure = m_session->procedures.constFind(cProc.trimmed().toLower());
        if (procedure == m_session->procedures.cend()) {
            return fail(
                "ExecPROCNew",
                QStringLiteral("The company database has no stored procedure %1.").arg(cProc));
        }
        RecordSet result;
        QString sMsg;
        if (!(*procedure)(m_session->backend->connection(), aParams, result, sMsg))
            return fail("ExecPROCNew", sMsg);
        vResult = QVariant::fromValue(result);
        return true;
    });
    trace.finish(ok, m_lastError);
    return ok;
}

QString ClsCommon::GetMnemCode(const QString &cText)
{
    return mnemonicCode(cText);
}

IConnection &ClsCommon::m_cnn()
{
    return *m_connection;
}

bool ClsCommon::transaction(const char *member, bool (SqlConnection::*operation)(QString &sMsg))
{
    return guard(member, [&] {
        QString sMsg;
        return ready(member)
            && ((m_session->backend->connection().*operation)(sMsg) || fail(member, sMsg));
    });
}

void registerDataService()
{
    ObjectFactory::instance().registerClass(QLatin1String(IClsCommon::kProgId),
                                            [] { return std::make_shared<ClsCommon>(); });
}

} // namespace suite
