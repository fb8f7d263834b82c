#include "app/WebHost.h"

#include "app/CompanyDatabase.h"
#include "app/HostOptions.h"
#include "app/WebFindRequest.h"

#include "catalogue/FieldCatalogue.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "suite/colset/IColumnSet.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"
#include "suite/login/IRowAuth.h"

namespace host {

namespace {

// Tables whose read condition is the customer rights, and archives with code lists of their own.
const QStringList kCustomerTables = { QStringLiteral("Customer"),
                                      QStringLiteral("Customer_import") };
const QStringList kCodeListArchives = { QStringLiteral("Warehouse"), QStringLiteral("Person"),
                                        QStringLiteral("Department"), QStringLiteral("Vendor") };

std::shared_ptr<suite::IClsCommon> openDataService(const suite::ILogin &login, QString &sMsg)
{
    auto service =
        suite::createObject<suite::IClsCommon>(QLatin1String(suite::IClsCommon::kProgId));
    if (!service) {
        sMsg = QStringLiteral("The data service %1 cannot be created.")
                   .arg(QLatin1String(suite::IClsCommon::kProgId));
        return nullptr;
    }
    service->Init(login.KvDbName());
    if (!service->Status()) {
        sMsg = service->LastError();
        return nullptr;
    }
    return service;
}

std::shared_ptr<suite::IColumnSet> openColumnSets(const suite::ILogin &login, QString &sMsg)
{
    auto columnSets =
        suite::createObject<suite::IColumnSet>(QLatin1String(suite::IColumnSet::kProgId));
    if (!columnSets) {
        sMsg = QStringLiteral("The column-set service %1 cannot be created.")
                   .arg(QLatin1String(suite::IColumnSet::kProgId));
        return nullptr;
    }
    if (!columnSets->Init(login.KvDbName(), login.cUserId())) {
        sMsg = QStringLiteral("The column-set service cannot open the company database %1.")
                   .arg(login.KvDbName());
        return nullptr;
    }
    return columnSets;
}

} // namespace

suite::LoginRequest webLoginRequest(const HostOptions &options, const QString &databaseFile)
{
    suite::LoginRequest request;
    request.userId = options.userId;
    request.connectionText = companyConnectionText(databaseFile);
    request.businessDate = options.businessDate.toString(Qt::ISODate);
    request.languageRegion = options.language.toLower();
    return request;
}

std::unique_ptr<WebHost> WebHost::open(const suite::LoginRequest &request, QString &sMsg)
{
    auto login = std::make_shared<suite::ClsLogin>();
    if (!login->Login(request, sMsg))
        return nullptr;
    std::shared_ptr<suite::IClsCommon> service = openDataService(*login, sMsg);
    if (!service)
        return nullptr;
    std::shared_ptr<suite::IColumnSet> columnSets = openColumnSets(*login, sMsg);
    if (!columnSets)
        return nullptr;
    return std::unique_ptr<WebHost>(
        new WebHost(std::move(login), std::move(service), std::move(columnSets)));
}

WebHost::WebHost(std::shared_ptr<suite::ClsLogin> login, std::shared_ptr<suite::IClsCommon> service,
                 std::shared_ptr<suite::IColumnSet> columnSets)
    : m_login(std::move(login))
    , m_service(std::move(service))
    , m_columnSets(std::move(columnSets))
    , m_rowAuth(m_login->RowAuth())
{ }

// An entry that outlives its host must not call into a host that is gone.
WebHost::~WebHost()
{
    if (const std::shared_ptr<customer::ArchiveEntry> entry = m_entry.lock())
        entry->connectEvents(nullptr);
}

std::shared_ptr<suite::ILogin> WebHost::login() const
{
    return m_login;
}

QString WebHost::webInitXml(const QString &url) const
{
    return QStringLiteral("<login curdate='%1' url='%2'/>")
        .arg(suite::escapeXmlAttribute(m_login->CurDate()), suite::escapeXmlAttribute(url));
}

void WebHost::attach(const std::shared_ptr<customer::ArchiveEntry> &entry)
{
    m_entry = entry;
    entry->connectEvents(this);
    if (m_expired)
        entry->bTimeOut = true;
}

bool WebHost::start(const std::shared_ptr<customer::ArchiveEntry> &entry, const QString &url)
{
    attach(entry);
    entry->Init(m_login);
    QString initXml = webInitXml(url);
    entry->InitWeb(initXml);
    if (!entry->CreateObj(0, m_login->cUserId(), m_login->cUserName(), m_login->KvDbName(), true))
        return false;
    // The host serves the list's column sets, so it takes the component's field catalogue as the
    // customer list's default set, as the stand-alone column-set service is given it: the
    // columns then carry their tables, and the list's statement its joins.
    customer::BuildColInfo();
    QString sMsg;
    if (!m_columnSets->setCatalogue(QStringLiteral("Customer"), customer::g_cFieldCatalogXml, sMsg))
        suite::ErrorLog::instance().warning(QStringLiteral("WebHost"), sMsg);
    return true;
}

void WebHost::setRequestLimit(int requests)
{
    m_requestLimit = requests;
}

void WebHost::expire()
{
    m_expired = true;
    if (const std::shared_ptr<customer::ArchiveEntry> entry = m_entry.lock())
        entry->bTimeOut = true;
}

void WebHost::countRequest()
{
    ++m_requests;
    if (m_requestLimit > 0 && m_requests >= m_requestLimit)
        expire();
}

QString WebHost::readCondition(const QString &tableName) const
{
    if (kCustomerTables.contains(tableName, Qt::CaseInsensitive))
        return m_rowAuth->rowCondition(tableName, QStringLiteral("R"));
    if (kCodeListArchives.contains(tableName, Qt::CaseInsensitive))
        return m_rowAuth->codeList(tableName);
    return m_rowAuth->GetAuthString(tableName);
}

void WebHost::EventOpenX(const QString &strSql, suite::RecordSet &Rst, QString &sMsg)
{
    countRequest();
    Rst = m_service->OpenX(strSql);
    sMsg = Rst.IsOpen() ? QString() : m_service->LastError();
}

void WebHost::EventOpenPage(const QString &strSql, int &iPageSize, int &lCurPage,
                            int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg, bool &bFlag)
{
    countRequest();
    m_service->OpenPage(strSql, iPageSize, lCurPage, lMaxPageCount, RsRef, sMsg, bFlag);
}

// The page comes before the count: a list of a million customers shows its first page at
// once, and its data service counts on a connection of its own meanwhile.
void WebHost::EventOpenPageUncounted(const QString &strSql, int &iPageSize, int &lCurPage,
                                     int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg,
                                     bool &bFlag)
{
    countRequest();
    m_service->OpenPageUncounted(strSql, iPageSize, lCurPage, lMaxPageCount, RsRef, sMsg, bFlag);
}

void WebHost::EventCountPageLater(const QString &strSql, QObject *requester, PageCountDone done)
{
    m_service->CountPageLater(strSql, requester, std::move(done));
}

void WebHost::EventGetFunAuth(const std::shared_ptr<suite::ILogin> &oLogin, const QString &sArch,
                              int bIsLock, QString &sErr, int OptId, const QString &sAuth_Id,
                              int iYear, bool &bFlag)
{
    countRequest();
    bFlag = m_rowAuth->GetFunAuth(oLogin, sArch, bIsLock, sErr, OptId, sAuth_Id, iYear);
}

void WebHost::EventAdd(const QString &sXML, const QString &tableName, QString &sMsg, bool &bErr)
{
    countRequest();
    bErr = m_service->Add(sXML, tableName, sMsg);
}

void WebHost::EventModify(const QString &sXML, const QString &tableName, QString &sMsg, bool &bErr)
{
    countRequest();
    bErr = m_service->Modify(sXML, tableName, sMsg);
}

void WebHost::EventDelete(const QVariant &id, const QString &IDName, const QString &tableName,
                          QString &sMsg, const QString &cUserId, bool &bErr)
{
    countRequest();
    bErr = m_service->Delete(id, IDName, tableName, sMsg, cUserId);
}

void WebHost::EventFind(const QString &sXML, QStringList &FindTableName, QStringList &ShowTableName,
                        QString &sMsg, suite::RecordSet &Rst)
{
    countRequest();
    Rst = suite::RecordSet();
    const std::optional<WebFindRequest> request = WebFindRequest::parse(sXML, sMsg);
    if (!request)
        return;
    FindTableName = request->findTables();
    ShowTableName = request->showTables();
    Rst = m_service->OpenX(request->statement(readCondition(request->table)));
    sMsg = Rst.IsOpen() ? QString() : m_service->LastError();
}

void WebHost::EventExecuteX(const QString &strSql, bool &bFlag)
{
    countRequest();
    bFlag = m_service->ExecuteX(strSql);
}

void WebHost::EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML)
{
    countRequest();
    sXML = m_columnSets->getColInfo(cKey, iReturnMode);
}

void WebHost::EventGetColSet(const QString &cKey, int iReturnMode, suite::RecordSet &rs)
{
    countRequest();
    rs = m_columnSets->getColSet(cKey, iReturnMode);
}

void WebHost::EventSave(QString &sXML, bool &bFlag)
{
    countRequest();
    bFlag = m_columnSets->Save(sXML);
}

void WebHost::EventGetSqlString(const QString &sXML, QString &strSql)
{
    countRequest();
    strSql = m_columnSets->GetSqlString(sXML);
}

void WebHost::EventGetOrderString(const QString &sXML, QString &str)
{
    countRequest();
    str = m_columnSets->GetOrderString(sXML);
}

void WebHost::EventiCols(int &col)
{
    countRequest();
    col = m_columnSets->iCols();
}

void WebHost::EventGetFixedCols(int &fixCol)
{
    countRequest();
    fixCol = m_columnSets->GetFixedCols();
}

void WebHost::EventGetAuthString(const QString &tableName, QString &sId)
{
    countRequest();
    sId = readCondition(tableName);
}

} // namespace host
