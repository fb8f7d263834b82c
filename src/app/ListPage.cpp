#include "app/ListPage.h"

#include "app/HeadlessSession.h"
#include "app/ListPageText.h"

#include "catalogue/FieldCatalogue.h"
#include "catalogue/UnreadableFields.h"
#include "catalogue/UserCondition.h"
#include "entry/SessionContext.h"
#include "list/ListPaging.h"
#include "list/ListStatement.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/Grid.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/tsql/SqlLexer.h"
#include "suite/pub/IPub.h"

#include <QCommandLineParser>

namespace host {

namespace {

using customer::g_oPub;
using customer::g_oSrv;

QString res(const char *key)
{
    return g_oPub->GetResString(QLatin1StringView(key));
}

// The data service as GetPageRst uses it, noting the text it hands to the page reader.
class PageTextRecorder : public suite::IClsCommon
{
public:
    explicit PageTextRecorder(std::shared_ptr<suite::IClsCommon> service)
        : m_service(std::move(service))
    { }

    QString pageText() const { return m_pageText; }

    void Init(const QString &cDBName) override { m_service->Init(cDBName); }
    bool Status() const override { return m_service->Status(); }
    suite::RecordSet OpenX(const QString &strSql) override { return m_service->OpenX(strSql); }
    bool OpenPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                  suite::RecordSet &rs, QString &sMsg, bool &bFlag) override
    {
        m_pageText = strSql;
        return m_service->OpenPage(strSql, lPageSize, lCurPage, lMaxPageCount, rs, sMsg, bFlag);
    }
    bool OpenPageUncounted(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                           suite::RecordSet &rs, QString &sMsg, bool &bFlag) override
    {
        m_pageText = strSql;
        return m_service->OpenPageUncounted(strSql, lPageSize, lCurPage, lMaxPageCount, rs, sMsg,
                                            bFlag);
    }
    void CountPageLater(const QString &strSql, QObject *requester, PageCountDone done) override
    {
        m_service->CountPageLater(strSql, requester, std::move(done));
    }
    std::unique_ptr<suite::SqlCursor> OpenForward(const QString &strSql, QString &sMsg) override
    {
        return m_service->OpenForward(strSql, sMsg);
    }
    bool ExecuteX(const QString &strSql) override { return m_service->ExecuteX(strSql); }
    suite::RecordSet OpenWith(const QString &strSql, const QVariantHash &variables) override
    {
        return m_service->OpenWith(strSql, variables);
    }
    bool ExecuteWith(const QString &strSql, const QVariantHash &variables) override
    {
        return m_service->ExecuteWith(strSql, variables);
    }
    bool Add(const QString &sXML, const QString &cTable, QString &sMsg) override
    {
        return m_service->Add(sXML, cTable, sMsg);
    }
    bool Modify(const QString &sXML, const QString &cTable, QString &sMsg) override
    {
        return m_service->Modify(sXML, cTable, sMsg);
    }
    bool Delete(const QVariant &id, const QString &cIdName, const QString &cTable, QString &sMsg,
                const QString &cUserId) override
    {
        return m_service->Delete(id, cIdName, cTable, sMsg, cUserId);
    }
    bool ExecPROCNew(const QString &cProc, const QVariantList &aParams, QVariant &vResult,
                     int iMode) override
    {
        return m_service->ExecPROCNew(cProc, aParams, vResult, iMode);
    }
    QString GetMnemCode(const QString &cText) override { return m_service->GetMnemCode(cText); }
    suite::IConnection &m_cnn() override { return m_service->m_cnn(); }
    QString LastError() const override { return m_service->LastError(); }

private:
    std::shared_ptr<suite::IClsCommon> m_service;
    QString m_pageText;
};

// A whole number of at least 1.
std::optional<int> countOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

void ListSelectionOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions(session.all());
    parser.addOptions({ classCode, filter });
}

bool ListSelectionOptions::read(const QCommandLineParser &parser, ListRequest &request,
                                QString &error) const
{
    const HeadlessSession::Request entered = session.requestOf(parser);
    request.database = entered.database;
    request.userId = entered.userId;
    request.languageRegion = entered.languageRegion;
    request.classCode = parser.value(classCode);
    QString reason;
    if (!listFilterCondition(parser.value(filter), request.condition, reason)) {
        error = QStringLiteral("--filter: ") + reason;
        return false;
    }
    return true;
}

std::optional<ListRequest> parseListRequest(const QStringList &arguments, QString &error)
{
    QCommandLineParser parser;
    const ListSelectionOptions selection;
    const QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Page number."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption pageSize(QStringLiteral("page-size"), QStringLiteral("Page size."),
                                      QStringLiteral("n"));
    const QCommandLineOption showSql(QStringLiteral("show-sql"),
                                     QStringLiteral("Print the statement first."));
    const QCommandLineOption timing(QStringLiteral("timing"),
                                    QStringLiteral("Print the time the page took to read last."));
    const QCommandLineOption search(QStringLiteral("search"),
                                    QStringLiteral("Words the quick search looks for."),
                                    QStringLiteral("text"));
    selection.addTo(parser);
    parser.addOptions({ page, pageSize, showSql, timing, search });
    if (!parser.parse(QStringList{ QStringLiteral("list") } + arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }
    ListRequest request;
    request.showSql = parser.isSet(showSql);
    request.timing = parser.isSet(timing);
    request.search = parser.value(search);
    const std::optional<int> pageNumber = countOf(parser.value(page));
    if (!pageNumber) {
        error = QStringLiteral("--page takes a whole number of at least 1, not '%1'")
                    .arg(parser.value(page));
        return std::nullopt;
    }
    request.page = *pageNumber;
    if (parser.isSet(pageSize)) {
        request.pageSize = countOf(parser.value(pageSize));
        if (!request.pageSize) {
            error = QStringLiteral("--page-size takes a whole number of at least 1, not '%1'")
                        .arg(parser.value(pageSize));
            return std::nullopt;
        }
    }
    if (!selection.read(parser, request, error))
        return std::nullopt;
    return request;
}

bool listFilterCondition(const QString &filter, QString &condition, QString &error)
{
    using suite::tsql::TokenType;
    condition.clear();
    const QString text = filter.trimmed();
    if (text.isEmpty())
        return true;
    suite::tsql::TokenList tokens;
    if (!suite::tsql::tokenize(text, tokens, error))
        return false;
    // The lexer drops comments: whatever lies between two tokens besides blanks is one.
    int end = 0;
    bool outsideGroup = false;
    for (int i = 0; i <= tokens.size(); ++i) {
        const int start = i < tokens.size() ? tokens[i].start : int(text.size());
        if (!QStringView(text).mid(end, start - end).trimmed().isEmpty()) {
            error = QStringLiteral("a filter cannot hold a comment");
            return false;
        }
        if (i == tokens.size())
            break;
        const suite::tsql::Token &token = tokens[i];
        end = token.start + token.length;
        if (token.type == TokenType::Semicolon) {
            error = QStringLiteral("a filter is one condition; it cannot hold ';'");
            return false;
        }
        if (token.depth == 0 && i > 0 && i + 1 < tokens.size())
            outsideGroup = true;
    }
    const bool grouped = !outsideGroup && tokens.size() >= 2
        && tokens[0].type == TokenType::OpenParen
        && tokens[tokens.size() - 1].type == TokenType::CloseParen;
    condition = grouped ? text : u'(' + text + u')';
    return true;
}

ListPage::ListPage()
    : m_grid(new suite::Grid(&m_form))
{
    m_grid->setObjectName(QStringLiteral("Grid"));
}

ListPage::~ListPage() = default;

QStringList ListPage::lines() const
{
    return gridPageLines(*m_grid);
}

// As the window's Form_Load and LoadHead: the catalogue gives the default column set, the
// user's column set lays the grid out and gives the list fields and the order.
bool ListPage::layOutColumns(QString &listFields, QString &order, QString &sMsg)
{
    using namespace customer;
    customer::BuildColInfo(m_variant->mainTable, m_variant->columnKey);
    QString text;
    if (!g_bIsWeb)
        g_oColSet->setCatalogue(m_variant->mainTable, g_cFieldCatalogXml, text);
    m_grid->setFixedCols(0);
    m_grid->setRows(1);
    m_grid->setTextMatrix(0, 0, res("Tarn.AA.ARCHIVE.COMMON.serialnumber"));
    int visibleColumns = 0;
    int fixedColumns = 0;
    const QString columnSet = withoutUnreadableColumns(g_oColSet->getColInfo(m_variant->columnKey));
    if (!g_oPub->getColSet(columnSet, listFields, visibleColumns, order, fixedColumns, m_grid,
                           text)) {
        sMsg = res("Tarn.AAARCHIVE.COMMON.initgridheaderror") + u' ' + text;
        return false;
    }
    if (listFields.isEmpty()) {
        sMsg = res("Tarn.AA.CUSTOMER.CLSCUSTOMER.165_1");
        return false;
    }
    if (codeFieldIndex(listFields) < 0) {
        sMsg = g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_code_no_use"),
                                          { res("Tarn.AA.ARCHIVE.FIELD.ccuscode") });
        return false;
    }
    return true;
}

bool ListPage::classExists(const QString &classCode) const
{
    const suite::RecordSet found =
        g_oSrv->OpenX(QStringLiteral("select cCCCode from CustomerClass where cCCCode = ")
                      + suite::sqlUnicode(classCode));
    return found.RecordCount() > 0;
}

bool ListPage::read(const ListRequest &request, QString &sMsg, Binding binding, Counting counting)
{
    using namespace customer;
    m_sentStatement.clear();
    m_statement.reset();
    if (!g_oPub || !g_oSrv || !g_oColSet) {
        sMsg = QStringLiteral("the component's services are not there.");
        return false;
    }
    QString listFields;
    QString order;
    m_variant = request.variant;
    if (!layOutColumns(listFields, order, sMsg))
        return false;

    // As DataRefresh after a click on the class's node.
    const QString classCode = classCodeOfNodeKey(QStringLiteral("r") + request.classCode);
    if (!classCode.isEmpty() && !classExists(classCode)) {
        sMsg = QStringLiteral("there is no customer class '%1'.").arg(classCode);
        return false;
    }
    const QString pageSizeText = request.pageSize
        ? QString::number(*request.pageSize)
        : g_oPub->GetRegEdit(m_variant->mainTable, QStringLiteral("PageSize"), QString(), g_bIsWeb,
                             g_cUserId);
    const int pageSize = g_oPub->GetVal(pageSizeText, 5, g_lMaxPageSize).toInt();
    QString refused;
    if (!isAllowedCondition(request.condition, listConditionNames(listFields), refused)) {
        sMsg = refusedConditionMessage(refused);
        return false;
    }
    m_statement = buildListStatement(listFields, classCode, request.condition, order, g_sRowAuthInv,
                                     request.search, m_variant->mainTable);
    if (!readRows(request.page, pageSize, counting, sMsg)) {
        m_statement.reset();
        return false;
    }
    if (binding == Binding::ToGrid)
        g_oPub->BindRstToGrid(&m_form, m_rows);
    return true;
}

bool ListPage::readPage(int page, int pageSize, QString &sMsg)
{
    if (!m_statement) {
        sMsg = QStringLiteral("no list has been read yet.");
        return false;
    }
    return readRows(page, pageSize, Counting::Wait, sMsg);
}

std::unique_ptr<suite::SqlCursor> ListPage::openForward(QString &sMsg)
{
    if (!m_statement) {
        sMsg = QStringLiteral("no list has been read yet.");
        return nullptr;
    }
    return customer::g_oPub->OpenRstForward(customer::g_oSrv, pageRequest(), sMsg);
}

suite::PageRequest ListPage::pageRequest() const
{
    return { m_variant->mainTable, m_variant->keyField,    m_statement->selectList,
             m_statement->joins,   m_statement->wherePart, m_statement->orderPart };
}

bool ListPage::readRows(int page, int pageSize, Counting counting, QString &sMsg)
{
    using namespace customer;
    const auto service = std::make_shared<PageTextRecorder>(g_oSrv);
    suite::RecordSet rows;
    int pageCount = 0;
    g_oPub->setIsFindCode(false);
    if (counting == Counting::Skip) {
        g_oPub->GetPageRstUncounted(service, rows, pageRequest(), page, pageSize, pageCount);
    } else {
        g_oPub->GetPageRst(&m_form, service, rows, m_variant->mainTable, m_variant->keyField,
                           m_statement->selectList, m_statement->joins, m_statement->wherePart,
                           m_statement->orderPart, page, pageSize, pageCount);
    }
    m_sentStatement = service->pageText();
    m_pageCount = pageCount;
    if (!rows.IsOpen()) {
        sMsg = res("Tarn.AA.ARCHIVE.COMMON.conditionerror");
        if (!service->LastError().isEmpty())
            sMsg += u' ' + service->LastError();
        return false;
    }
    m_rows = rows;
    return true;
}

} // namespace host
