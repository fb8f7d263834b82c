#include "suite/data/DataService.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/BackgroundCount.h"
#include "suite/data/BackwardPage.h"
#include "suite/data/CompanyProcedures.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/CustomerArchiveWriter.h"
#include "suite/data/DataBackend.h"
#include "suite/data/KeyedSelect.h"
#include "suite/data/MnemonicCode.h"
#include "suite/data/PageCounts.h"
#include "suite/data/PageMarks.h"
#include "suite/data/PageQuery.h"
#include "suite/data/PageSeeker.h"
#include "suite/data/PageStatements.h"
#include "suite/data/PlannerStatistics.h"
#include "suite/data/RecordXmlWriter.h"
#include "suite/data/SqlTrace.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/ObjectNames.h"
#include "suite/data/tsql/TsqlTranslator.h"
#include "suite/pub/BillNumbering.h"

#include <QObject>
#include <QRegularExpression>

#include <exception>
#include <future>
#include <utility>

namespace suite {

namespace {

const QString kWhere = QStringLiteral("TarnSrvTrans.IClsCommon.%1");

// A page this far in is read once its rows are counted, even when the count may come later:
// read forward before the count, a page past the last row walks every row for nothing, and one
// in the second half is cheaper read from the end, which needs the count.
constexpr qint64 kRowsSkippedUncounted = 10000;

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
    Session(const ConnectionText &connectionText, std::unique_ptr<DataBackend> openedBackend)
        : backend(std::move(openedBackend))
        , translator(backend->dialect())
        , runner(backend->connection())
        , writer(*backend)
        , pageCounts(backend->connection())
        , statistics(backend->connection())
        , counter(connectionText)
    {
        DataBackend *columns = backend.get();
        translator.setTextColumnLookup([columns](QStringView qualifier, QStringView column) {
            return columns->isTextColumn(qualifier, column);
        });
        translator.setCoarseColumnLookup([columns](QStringView qualifier, QStringView column) {
            return columns->isCoarseColumn(qualifier, column);
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
    PageCounts pageCounts;
    PageMarks pageMarks;
    PlannerStatistics statistics;
    // Rows written inside the open transaction: they count for the statistics once committed.
    qint64 uncommittedChanges = 0;
    // Declared last: its thread may still count while the members above are in use.
    BackgroundCount counter;
};

// How a page of a text is read: the backend's select the page is cut from, and the count of
// its rows. A keyed select is paged by the keys of its main table; its rows are read after.
struct ClsCommon::PagePlan
{
    // The T-SQL text the page is cut from: the text, or the keys of a keyed select.
    QString pagedText;
    QString select;
    QString countSelect;
    std::optional<PageRequest> keyed;
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
        m_session = std::make_unique<Session>(*connection, std::move(backend));
        // Far pages of an uncounted list are read beside their count there (countBesidePage).
        if (m_session->backend->seeksFarPages())
            m_session->counter.openConnection();
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
    if (m_session->backend->connection().inTransaction())
        m_session->uncommittedChanges += m_lastRowsChanged;
    else
        m_session->statistics.noteCommitted(m_lastRowsChanged);
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

std::unique_ptr<SqlCursor> ClsCommon::OpenForward(const QString &strSql, QString &sMsg)
{
    TracedCall trace("OpenForward", strSql);
    std::unique_ptr<SqlCursor> cursor;
    const bool ok = guard("OpenForward", [&] {
        QString select;
        if (!ready("OpenForward") || !translateSelect("OpenForward", strSql, select))
            return false;
        QString reason;
        cursor = m_session->backend->connection().openCursor(select, {}, reason);
        return cursor || fail("OpenForward", reason);
    });
    trace.finish(ok, m_lastError);
    sMsg = ok ? QString() : m_lastError;
    return cursor;
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
    return openPage(strSql, lPageSize, lCurPage, lMaxPageCount, rs, sMsg, bFlag, CountWait::Wait);
}

bool ClsCommon::OpenPageUncounted(const QString &strSql, int &lPageSize, int &lCurPage,
                                  int &lMaxPageCount, RecordSet &rs, QString &sMsg, bool &bFlag)
{
    return openPage(strSql, lPageSize, lCurPage, lMaxPageCount, rs, sMsg, bFlag, CountWait::Later);
}

bool ClsCommon::openPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                         RecordSet &rs, QString &sMsg, bool &bFlag, CountWait wait)
{
    TracedCall trace("OpenPage", strSql);
    RecordSet page;
    bFlag = guard("OpenPage",
                  [&] { return readPage(strSql, lPageSize, lCurPage, lMaxPageCount, page, wait); });
    rs = page;
    sMsg = m_lastError;
    trace.finish(bFlag, m_lastError);
    return bFlag;
}

// The count is kept for the stamp the connection had when it was asked for: a change
// committed while it ran moves the stamp, and the count is then dropped, not kept as current.
void ClsCommon::CountPageLater(const QString &strSql, QObject *requester, PageCountDone done)
{
    std::optional<PagePlan> plan;
    const bool planned = guard("OpenPage", [&] {
        plan = ready("OpenPage") ? planPage(strSql) : std::nullopt;
        return plan.has_value();
    });
    const QString reason = m_lastError;
    if (!planned) {
        QMetaObject::invokeMethod(
            requester, [done, reason] { done(-1, reason); }, Qt::QueuedConnection);
        return;
    }
    Session *session = m_session.get();
    if (const std::optional<qint64> cached = session->pageCounts.cached(plan->countSelect)) {
        const qint64 rows = *cached;
        QMetaObject::invokeMethod(
            requester, [done, rows] { done(rows, QString()); }, Qt::QueuedConnection);
        return;
    }
    const QString countSelect = plan->countSelect;
    const QString pagedText = plan->pagedText;
    const QString stamp = session->pageCounts.stamp();
    // The callback runs through the counter's receiver, which goes before this service does.
    session->counter.count(countSelect, requester,
                           [this, session, countSelect, pagedText, stamp,
                            done](std::optional<qint64> rows, const QString &sMsg) {
                               if (rows) {
                                   session->pageCounts.store(countSelect, stamp, *rows);
                                   readMarksLater(pagedText, *rows, stamp);
                               }
                               done(rows.value_or(-1), sMsg);
                           });
}

bool ClsCommon::translateSelect(const char *member, const QString &text, QString &select)
{
    QString sMsg;
    const std::shared_ptr<const tsql::Batch> batch = m_session->translator.translate(text, sMsg);
    if (!batch)
        return fail(member, sMsg);
    if (batch->steps.size() != 1 || batch->steps.front().kind != tsql::Step::Kind::Statement
        || !batch->steps.front().returnsRows) {
        return fail(member,
                    qstrcmp(member, "OpenPage") == 0
                        ? QStringLiteral("A page can only be read from one select statement.")
                        : QStringLiteral("Rows can only be read forward from one select "
                                         "statement."));
    }
    if (!batch->steps.front().parameters.isEmpty()) {
        return fail(member, QStringLiteral("@@ROWCOUNT has no value in a select read on its own."));
    }
    select = batch->steps.front().sql;
    return true;
}

std::optional<ClsCommon::PagePlan> ClsCommon::planPage(const QString &text)
{
    DataBackend &backend = *m_session->backend;
    const auto columnsOf = [&backend](const QString &table) -> std::optional<TableColumns> {
        TableColumns columns;
        QString sMsg;
        if (!backend.tableColumns(table, columns, sMsg))
            return std::nullopt;
        return columns;
    };
    PagePlan plan;
    plan.pagedText = text;
    plan.keyed = keyedSelect(text, columnsOf);
    if (plan.keyed) {
        const std::optional<TableColumns> columns = columnsOf(plan.keyed->table);
        QStringList mainColumns;
        for (const Field &field : columns->fields)
            mainColumns.append(field.name);
        plan.pagedText = page_statements::keysStatement(
            *plan.keyed, page_statements::needsJoins(*plan.keyed, mainColumns));
    }
    QString sMsg;
    const std::optional<QString> countText = pageCountText(plan.pagedText, sMsg);
    if (!countText) {
        fail("OpenPage", sMsg);
        return std::nullopt;
    }
    if (!translateSelect("OpenPage", plan.pagedText, plan.select)
        || !translateSelect("OpenPage", *countText, plan.countSelect))
        return std::nullopt;
    return plan;
}

bool ClsCommon::readPage(const QString &text, int pageSize, int &page, int &pageCount,
                         RecordSet &rs, CountWait wait)
{
    if (!ready("OpenPage"))
        return false;
    if (pageSize < 1)
        return fail("OpenPage",
                    QStringLiteral("The page size must be at least 1, not %1.").arg(pageSize));
    const std::optional<PagePlan> plan = planPage(text);
    if (!plan)
        return false;
    QString sMsg;
    std::optional<qint64> rowCount = m_session->pageCounts.cached(plan->countSelect);
    const PageSpan asked{ -1, qMax<qint64>(1, page), (qMax<qint64>(1, page) - 1) * pageSize };
    if (!rowCount && wait == CountWait::Later && asked.firstRow <= kRowsSkippedUncounted) {
        // A page that has rows is where it was asked for; one beyond the rows needs the count
        // to be moved to the last page.
        rs = pageRows(*plan, asked, 0, pageSize, sMsg);
        if (!rs.IsOpen())
            return fail("OpenPage", sMsg);
        if (rs.RecordCount() > 0 || asked.page == 1) {
            page = int(asked.page);
            pageCount = -1;
            return true;
        }
    }
    RecordSet readBeside;
    if (!rowCount) {
        const QString stamp = m_session->pageCounts.stamp();
        if (asked.firstRow > kRowsSkippedUncounted)
            rowCount = countBesidePage(*plan, asked, pageSize, stamp, readBeside);
        if (!rowCount)
            rowCount = countRows(plan->countSelect);
        if (!rowCount)
            return false;
        readMarksLater(plan->pagedText, *rowCount, stamp);
    }
    const PageSpan span = pageSpan(*rowCount, pageSize, page);
    rs = readBeside.IsOpen() && span.firstRow == asked.firstRow
        ? readBeside
        : pageRows(*plan, span, *rowCount, pageSize, sMsg);
    if (!rs.IsOpen())
        return fail("OpenPage", sMsg);
    page = int(span.page);
    pageCount = int(span.pageCount);
    return true;
}

// A page in the second half of a select whose order is total is read from the end (see
// BackwardPage.h); the count of rows is needed for that and is 0 when not known.
RecordSet ClsCommon::pageRows(const PagePlan &plan, const PageSpan &span, qint64 rowCount,
                              qint64 pageSize, QString &sMsg)
{
    SqlConnection &connection = m_session->backend->connection();
    const tsql::SqlDialect &dialect = *m_session->backend->dialect();
    const std::optional<SeekableSelect> seekable = seekableSelectOf(plan.pagedText);
    const std::optional<qint64> rowsAfter =
        !seekable && rowCount > 0 ? rowsAfterPage(span, rowCount, pageSize) : std::nullopt;
    const std::optional<QString> reversed =
        rowsAfter ? reversedSelect(plan.pagedText) : std::nullopt;
    RecordSet rows;
    if (seekable) {
        rows = pageSeeker().read(plan.pagedText, *seekable, m_session->pageCounts.stamp(), span,
                                 rowCount, pageSize, sMsg);
    } else if (!reversed) {
        rows = connection.queryStatement(
            pageStatement(dialect, plan.select, pageSize, span.firstRow), {}, sMsg);
    } else {
        const qint64 rowsOnPage = rowCount - span.firstRow - *rowsAfter;
        rows = reversedRows(connection.queryStatement(
            pageStatement(dialect, *reversed, rowsOnPage, *rowsAfter), {}, sMsg));
    }
    if (!plan.keyed || !rows.IsOpen())
        return rows;
    QString select;
    if (!translateSelect(
            "OpenPage",
            page_statements::rowsStatement(*plan.keyed, page_statements::keyLiterals(rows)),
            select)) {
        sMsg = m_lastError;
        return RecordSet();
    }
    return connection.queryStatement(select, {}, sMsg);
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

std::optional<SeekableSelect> ClsCommon::seekableSelectOf(const QString &text)
{
    DataBackend &backend = *m_session->backend;
    if (!backend.seeksFarPages())
        return std::nullopt;
    return seekableSelect(text, [&backend](const QString &table) -> std::optional<TableColumns> {
        TableColumns columns;
        QString sMsg;
        if (!backend.tableColumns(table, columns, sMsg))
            return std::nullopt;
        return columns;
    });
}

PageSeeker ClsCommon::pageSeeker()
{
    tsql::TsqlTranslator &translator = m_session->translator;
    const auto translate = [&translator](const QString &text,
                                         QString &sMsg) -> std::optional<QString> {
        const std::shared_ptr<const tsql::Batch> batch = translator.translate(text, sMsg);
        if (!batch)
            return std::nullopt;
        if (batch->steps.size() != 1) {
            sMsg = QStringLiteral("A page can only be read from one select statement.");
            return std::nullopt;
        }
        return batch->steps.front().sql;
    };
    return PageSeeker(m_session->backend->connection(), *m_session->backend->dialect(), translate,
                      m_session->pageMarks);
}

void ClsCommon::readMarksLater(const QString &pagedText, qint64 rows, const QString &stamp)
{
    if (rows < PageSeeker::kMarkedRows || stamp.isEmpty())
        return;
    const std::optional<SeekableSelect> seekable = seekableSelectOf(pagedText);
    QString sMsg;
    const std::optional<QString> statement = seekable
        ? pageSeeker().marksStatement(*seekable, PageSeeker::kMarkStretch, sMsg)
        : std::nullopt;
    if (!statement)
        return;
    PageMarks &marks = m_session->pageMarks;
    m_session->counter.read(*statement,
                            [&marks, pagedText, stamp](const RecordSet &rows, const QString &) {
                                marks.addAll(pagedText, stamp, rows);
                            });
}

std::optional<qint64> ClsCommon::countRows(const QString &countSelect)
{
    PageCounts &counts = m_session->pageCounts;
    const QString stamp = counts.stamp();
    QString sMsg;
    const RecordSet count = m_session->backend->connection().queryStatement(countSelect, {}, sMsg);
    if (!count.IsOpen()) {
        fail("OpenPage", sMsg);
        return std::nullopt;
    }
    const qint64 rows = count.valueAt(0, 0).toLongLong();
    counts.store(countSelect, stamp, rows);
    return rows;
}

// Reading forward costs the walk over the rows before the page; counting first and reading from
// the end, the count and the walk over the rows after it. A server counts on more than one core,
// in about a quarter of the time of one walk over every row: with the count beside it, the page
// read forward comes sooner when it lies in the first five eighths of the list, by the server's
// estimate of its rows. The count and the page agree when no change was committed between the
// stamp before and after them.
std::optional<qint64> ClsCommon::countBesidePage(const PagePlan &plan, const PageSpan &asked,
                                                 qint64 pageSize, const QString &stamp,
                                                 RecordSet &rs)
{
    if (stamp.isEmpty())
        return std::nullopt;
    const std::optional<qint64> estimate = m_session->backend->estimatedRows(plan.select);
    if (!estimate || asked.firstRow + pageSize > *estimate * 5 / 8)
        return std::nullopt;
    std::optional<std::future<BackgroundCount::Counted>> counting =
        m_session->counter.countBeside(plan.countSelect);
    if (!counting)
        return std::nullopt;
    QString sMsg;
    const RecordSet rows = pageRows(plan, asked, 0, pageSize, sMsg);
    const std::optional<qint64> counted = counting->get().first;
    if (!rows.IsOpen() || !counted || m_session->pageCounts.stamp() != stamp)
        return std::nullopt;
    m_session->pageCounts.store(plan.countSelect, stamp, *counted);
    rs = rows;
    return counted;
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
        if (!ready(member)
            || !((m_session->backend->connection().*operation)(sMsg) || fail(member, sMsg)))
            return false;
        if (operation != &SqlConnection::beginTransaction) {
            const qint64 written = std::exchange(m_session->uncommittedChanges, 0);
            if (operation == &SqlConnection::commitTransaction)
                m_session->statistics.noteCommitted(written);
        }
        return true;
    });
}

bool ClsCommon::BeginWriting(const QString &table)
{
    return guard("BeginWriting", [&] {
        tsql::ObjectName name;
        QString sMsg;
        if (!ready("BeginWriting"))
            return false;
        if (!tsql::parseObjectName(table, name, sMsg))
            return fail("BeginWriting", sMsg);
        const QString written = m_session->backend->dialect()->objectName(name);
        return m_session->backend->connection().beginWriting(written, sMsg)
            || fail("BeginWriting", sMsg);
    });
}

void registerDataService()
{
    ObjectFactory::instance().registerClass(QLatin1String(IClsCommon::kProgId),
                                            [] { return std::make_shared<ClsCommon>(); });
}

} // namespace suite
