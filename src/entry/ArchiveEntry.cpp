// The start-up and clean-up roads of the entry classes.
#include "entry/ArchiveEntry.h"

#include "card/FrmCusAM.h"
#include "catalogue/DataAuth.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveListWindow.h"
#include "entry/SessionContext.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefClient.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/XmlDocument.h"
#include "suite/login/IBusiness.h"
#include "suite/login/IDeleteLog.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"
#include "suite/pub/ResourceTable.h"
#include "suite/ref/ReferenceColumnSets.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

namespace customer {

namespace {

enum CardRoad { AddCustomer = 1, OpenCustomer = 3, ShowDeleteLog = 4 };
// Task codes of the function lock: entering the list, adding a customer.
constexpr int kListTask = 1;
constexpr int kAddTask = 11;
constexpr std::int32_t kListMaxPageSize = 1000000000;
constexpr std::int32_t kCardMaxPageSize = 10000;
const QString kGspColumns = QStringLiteral(
    "cLicenceNo,cLicenceRange,cCusBusinessNo,cCusBusinessRange,cCusGSPAuthNo,cCusGSPAuthRange,"
    "dCusGSPEDate");

// The reference lists a window serves read their columns from the user's "Ref" + table sets;
// their defaults come from the suite's reference catalogue, captioned in the login's language.
void registerReferenceColumnSets()
{
    const QString language = g_oLogin ? g_oLogin->LanguageRegion() : QString();
    QString sMsg;
    if (g_oColSet
        && !suite::registerReferenceColumnSets(*g_oColSet, suite::ResourceTable::builtIn(language),
                                               sMsg))
        suite::ErrorLog::instance().warning(QStringLiteral("ArchiveEntry"), sMsg);
}

QString resourceText(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString();
}

void showResourceMessage(const char *key)
{
    ShowInfoMsg(resourceText(key));
}

// Without the public service there is no message service either: the box is shown directly,
// still through showModal so that a test can answer it.
void showPublicServiceMissing()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QStringLiteral("not find tarnpub.dll"), QMessageBox::Ok);
    suite::showModal(&box);
}

// The public service of the session, created when there is none yet. True when this call
// created it: the caller then owns the session services.
bool ensurePublicService()
{
    if (g_oPub)
        return false;
    g_oPub = suite::createObject<suite::IPub>(QString::fromLatin1(suite::IPub::kProgId));
    return true;
}

template<class Member> QString loginText(Member member)
{
    return g_oLogin ? ((*g_oLogin).*member)() : QString();
}

void deleteWindow(QWidget *window)
{
    if (window) {
        window->close();
        delete window;
    }
}

} // namespace

ArchiveEntry::ArchiveEntry(EntryProfile profile)
    : m_profile(std::move(profile))
{
    g_CurDate = QDate::currentDate().toString(Qt::ISODate);
    g_bCanAddArch = true;
    g_bCanModifyArch = true;
}

ArchiveEntry::~ArchiveEntry()
{
    deleteWindow(m_frmCard);
    deleteWindow(m_frmList);
}

ArchiveListWindow *ArchiveEntry::listWindow() const
{
    return m_frmList;
}

FrmCusAM *ArchiveEntry::cardWindow() const
{
    return m_frmCard;
}

std::shared_ptr<suite::IBusiness> ArchiveEntry::Business() const
{
    return g_oBusiness;
}

void ArchiveEntry::setBusiness(const std::shared_ptr<suite::IBusiness> &oBusiness)
{
    g_oBusiness = oBusiness;
}

void ArchiveEntry::Init(const std::shared_ptr<suite::ILogin> &oLogin)
{
    g_oLogin = oLogin;
    g_CurDate = oLogin ? oLogin->CurDate() : QString();
    g_cRefUrl.clear();
}

void ArchiveEntry::InitWeb(QString &sXML)
{
    m_bPubFromInitWeb = ensurePublicService();
    if (!g_oPub)
        return;
    g_oPub->UtoLCase(sXML);
    suite::XmlDocument document;
    if (!document.loadXml(sXML)) {
        showResourceMessage("Tarn.AA.ARCHIVE.COMMON.xmlloaderror");
        return;
    }
    const suite::XmlElement root = document.documentElement();
    g_CurDate = g_oPub->geteleval(root, QStringLiteral("curdate"));
    g_cRefUrl = g_oPub->geteleval(root, QStringLiteral("url")) + QStringLiteral("?refid=");
}

bool ArchiveEntry::lockFunction(int iTask)
{
    if (g_oPub->IsLockFun(g_oSrv, g_oLogin, m_profile.cFunId, iTask))
        return true;
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_profile.cFunId, -iTask);
    return false;
}

// A list window of this instance, whose reference client raises the window's reference events.
void ArchiveEntry::newListWindow()
{
    deleteWindow(m_frmList);
    m_frmList = m_profile.createListWindow();
    m_frmList->m_cls = this;
    m_frmList->RefClient = std::make_shared<suite::RefClient>();
    m_frmList->RefClient->setEventHandler(dynamic_cast<suite::RefClientEvents *>(m_frmList.data()));
}

// The data service on cDBName; false, after telling the user, when it cannot be had.
bool ArchiveEntry::createServices(const QString &cDBName)
{
    g_oSrv =
        suite::createObject<suite::IClsCommon>(QString::fromLatin1(suite::IClsCommon::kProgId));
    if (!g_oSrv) {
        showResourceMessage("Tarn.AA.ARCHIVE.COMMON.loadsrvdbfail");
        return false;
    }
    g_oSrv->Init(cDBName);
    if (!g_oSrv->Status()) {
        showResourceMessage("Tarn.AA.ARCHIVE.COMMON.dbconnectfail");
        return false;
    }
    return true;
}

bool ArchiveEntry::CreateObj(qint32 hWndParent, const QString &cUserId, const QString &cUserName,
                             const QString &cDBName, bool bIsWeb)
{
    bTimeOut = false;
    g_bIsWeb = bIsWeb;
    g_bShowFrameWeb = true;
    g_cUserId = cUserId;
    g_cUserName = cUserName;
    g_cDBName = cDBName;
    g_iRunMode = bIsWeb ? 1 : 0;

    newListWindow();
    // Reference lists read their rows through the list that owns the reference client.
    FrmMain = m_frmList;

    // A public service InitWeb made for this instance counts as made here.
    m_bOwnsServices = ensurePublicService() || std::exchange(m_bPubFromInitWeb, false);
    if (!g_oPub) {
        showPublicServiceMissing();
        return false;
    }
    // The public service answers in the login's language and knows its user's rights.
    if (m_bOwnsServices && g_oLogin)
        g_oPub->Init(g_oLogin);

    if (!bIsWeb) {
        if (!createServices(cDBName))
            return false;
        if (lockFunction(kListTask)) {
            ReleaseSession();
            return false;
        }
        g_oColSet =
            suite::createObject<suite::IColumnSet>(QString::fromLatin1(suite::IColumnSet::kProgId));
        if (!g_oColSet) {
            showResourceMessage("Tarn.AA.ARCHIVE.COMMON.loadcolsetsvrfail");
            return false;
        }
        g_bGspStarted = g_oPub->GetSysStart(QStringLiteral("gs"), g_cDBName, g_oSrv);
        if (!g_bGspStarted)
            g_oColSet->MustCancelColumns(kGspColumns);
        g_oColSet->Init(cDBName, cUserId);
        registerReferenceColumnSets();
        if (g_oLogin) {
            g_oRowAuth = g_oLogin->RowAuth();
            g_oColAuth = g_oLogin->ColAuth();
        }
    } else {
        g_hWndParent = hWndParent;
        g_oSrv = shared_from_this();
        if (g_oPub->IsLockFun(g_oSrv, g_oLogin, m_profile.cFunId, kListTask))
            return false;
        g_oColSet = shared_from_this();
        g_oRowAuth = shared_from_this();
    }

    g_lMaxPageSize = kListMaxPageSize;
    m_profile.initDataAuth();
    g_oPub->InitArchEditParam(g_oSrv, QStringLiteral("Customer"), g_bCanAddArch, g_bCanModifyArch);
    g_DbSrvDate = g_oPub->GetSrvTime(g_oSrv);
    return true;
}

void ArchiveEntry::Show(qint32 hWndParent, const QString &cUserId, const QString &cUserName,
                        const QString &cDBName, bool bIsWeb)
{
    if (!CreateObj(hWndParent, cUserId, cUserName, cDBName, bIsWeb))
        return;
    if (!m_cCode.isEmpty()) {
        m_frmList->CodeValue = m_cCode;
        m_frmList->IsFindCode = true;
        if (!m_cClassCode.isEmpty())
            m_frmList->ClassCode = m_cClassCode;
    } else {
        m_frmList->IsFindCode = false;
    }
    m_frmList->CodeFldName = QStringLiteral("cCusCode");
    m_frmList->m_InPotal = false;
    suite::showModal(m_frmList);
    if (m_frmList)
        m_frmList->m_InPotal = true;
    deleteWindow(m_frmList);
    ReleaseSession();
}

void ArchiveEntry::ShowByCS(const std::shared_ptr<suite::ILogin> &oLogin, const QString &ParaXml)
{
    Init(oLogin);
    m_cCode.clear();
    suite::XmlDocument document;
    if (!ParaXml.isEmpty() && document.loadXml(ParaXml)) {
        const suite::XmlElement root = document.documentElement();
        m_cCode = GetXmlAttr(root, QStringLiteral("primarykeyvalue"), QString());
        m_cClassCode = GetXmlAttr(root, QStringLiteral("classprimarykeyvalue"), QString());
    }
    if (!oLogin)
        return;
    Show(0, oLogin->cUserId(), oLogin->cUserName(), oLogin->KvDbName(), false);
}

void ArchiveEntry::ShowModeless(const QString &, const QString &, const QString &,
                                const QString &cCmdLine)
{
    const QStringList fields = cCmdLine.split(u'\t');
    Init(g_oBusiness ? g_oBusiness->GetVBclsLogin() : nullptr);
    if (!CreateObj(0, loginText(&suite::ILogin::cUserId), loginText(&suite::ILogin::cUserName),
                   loginText(&suite::ILogin::KvDbName), false))
        return;
    if (fields.size() >= 2) {
        const QString root = m_profile.cRecordRoot;
        QString sXML = QStringLiteral("<%1 inpotal='0'><ccuscode>%2</ccuscode></%1>")
                           .arg(root, suite::escapeXmlText(fields.at(1)));
        bool bSaved = false;
        Operating(g_oLogin, sXML, bSaved, OpenCustomer);
        return;
    }
    m_frmList->m_InPotal = true;
    if (!g_oBusiness)
        return;
    const suite::SuiteObjectPtr env = g_oBusiness->CreateFormEnv(m_profile.cListFormKey, m_frmList);
    g_oBusiness->ShowForm(m_frmList, QStringLiteral("AA"), m_profile.cListFormKey2, false, true,
                          env);
}

void ArchiveEntry::Operating(const std::shared_ptr<suite::ILogin> &oLogin, QString &sXMLData,
                             bool &bSaved, int opt)
{
    if (opt != AddCustomer && opt != OpenCustomer && opt != ShowDeleteLog) {
        // Nothing of the session is created for a request that cannot be served; the message
        // borrows a public service when the session has none.
        const auto pub = g_oPub
            ? g_oPub
            : suite::createObject<suite::IPub>(QString::fromLatin1(suite::IPub::kProgId));
        if (pub && !g_oPub)
            pub->Init(oLogin);
        if (pub)
            pub->MsgBox(pub->GetResString(QStringLiteral("Tarn.AA.CUSTOMER.CLSCUSTOMER.184_1")), 64,
                        pub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
        return;
    }
    g_iRunMode = 2;
    Init(oLogin);
    if (oLogin) {
        g_cUserId = oLogin->cUserId();
        g_cUserName = oLogin->cUserName();
        g_cDBName = oLogin->KvDbName();
        g_CurDate = oLogin->CurDate();
    }

    newListWindow();

    m_bOwnsServices = ensurePublicService();
    if (!g_oPub) {
        showPublicServiceMissing();
        return;
    }
    g_oPub->Init(oLogin);
    if (!createServices(g_cDBName))
        return;
    if (lockFunction(kListTask)) {
        ReleaseSession();
        return;
    }
    g_oColSet =
        suite::createObject<suite::IColumnSet>(QString::fromLatin1(suite::IColumnSet::kProgId));
    if (!g_oColSet) {
        showResourceMessage("Tarn.AA.ARCHIVE.COMMON.loadcolsetsvrfail");
        return;
    }
    g_oColSet->Init(g_cDBName, g_cUserId);
    registerReferenceColumnSets();
    if (oLogin) {
        g_oRowAuth = oLogin->RowAuth();
        g_oColAuth = oLogin->ColAuth();
    }
    g_lMaxPageSize = kCardMaxPageSize;
    InitDataAuth();
    g_DbSrvDate = g_oPub->GetSrvTime(g_oSrv);

    suite::XmlDocument document;
    if (opt != ShowDeleteLog) {
        g_oPub->UtoLCase(sXMLData);
        if (!document.loadXml(sXMLData)) {
            showResourceMessage("Tarn.AA.ARCHIVE.COMMON.xmlloaderror");
            return;
        }
    }
    if (opt == AddCustomer && lockFunction(kAddTask))
        return;
    BuildColInfo();

    const suite::XmlElement root = document.documentElement();
    if (GetXmlAttr(root, QStringLiteral("inpotal"), QString()) == u"1")
        showCardInPortal(root, opt);
    else
        showCardModal(root, opt, sXMLData, bSaved);
}

void ArchiveEntry::showCardInPortal(const suite::XmlElement &root, int opt)
{
    deleteWindow(m_frmCard);
    m_frmCard = new FrmCusAM;
    m_frmCard->m_cls = this;
    m_frmCard->m_InPotal = true;
    m_frmCard->Init(opt + 10, root);
    QLineEdit *code = m_frmCard->Edt(0);
    QPalette palette = code->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
    code->setPalette(palette);
    code->setEnabled(false);
    g_bCardSaved = false;
    if (!g_oBusiness)
        return;
    m_oFormEnv = g_oBusiness->CreateFormEnv(QStringLiteral("Customer.frmModify"), m_frmCard);
    g_oBusiness->ShowForm(m_frmCard, QStringLiteral("AA"), QStringLiteral("frmModify_key"), false,
                          true, m_oFormEnv);
}

void ArchiveEntry::showCardModal(const suite::XmlElement &root, int opt, QString &sXMLData,
                                 bool &bSaved)
{
    deleteWindow(m_frmCard);
    m_frmCard = new FrmCusAM;
    const bool ok = opt == ShowDeleteLog
        ? m_frmCard->Init(ShowDeleteLog + 10, suite::XmlElement(), m_oLog)
        : m_frmCard->Init(opt + 10, root.selectSingleNode(QStringLiteral("//customer")));
    if (!ok) {
        deleteWindow(m_frmCard);
        return;
    }
    m_frmCard->m_cls = this;
    m_bSaved = false;
    suite::showModal(m_frmCard);
    sXMLData = m_cXmlData;
    bSaved = m_bSaved;
    ReleaseSession();
    deleteWindow(m_frmCard);
}

void ArchiveEntry::ShowDelLog(const std::shared_ptr<suite::IDeleteLog> &objLog)
{
    m_oLog = objLog;
    QString sXMLData;
    bool bSaved = false;
    Operating(objLog ? objLog->Login() : nullptr, sXMLData, bSaved, ShowDeleteLog);
}

void ArchiveEntry::ReleaseSession()
{
    if (!m_bOwnsServices)
        return;
    // In web mode the session holds this very instance as its services; keep it alive until
    // the clean-up is over.
    const std::shared_ptr<ArchiveEntry> keepAlive = weak_from_this().lock();
    g_cUnSavedColSet.clear();
    g_oPub.reset();
    g_oColSet.reset();
    g_oRowAuth.reset();
    g_oColAuth.reset();
    g_oLogin.reset();
    g_oSrv.reset();
    m_oFormEnv.reset();
    deleteWindow(m_frmList);
    deleteWindow(m_frmCard);
}

void ArchiveEntry::CheckTimeOut()
{
    if (!g_bIsWeb || !bTimeOut)
        return;
    while (QWidget *modal = QApplication::activeModalWidget()) {
        modal->close();
        if (QApplication::activeModalWidget() == modal)
            modal->hide();
    }
    for (QWidget *window :
         { static_cast<QWidget *>(g_frmChildAdd), static_cast<QWidget *>(g_frmChildModify),
           static_cast<QWidget *>(g_vfdChild), static_cast<QWidget *>(m_frmCard),
           static_cast<QWidget *>(FrmMain), static_cast<QWidget *>(m_frmList) }) {
        if (window)
            window->close();
    }
    showResourceMessage("Tarn.AA.ARCHIVE.COMMON.logintimeout");
}

bool ArchiveEntry::Login(const std::shared_ptr<suite::ILogin> &)
{
    return true;
}

bool ArchiveEntry::LogOff()
{
    ReleaseSession();
    g_oBusiness.reset();
    return true;
}

bool ArchiveEntry::ILoginable_Login()
{
    return true;
}

bool ArchiveEntry::ILoginable_LogOff()
{
    ReleaseSession();
    return true;
}

suite::SuiteObjectPtr ArchiveEntry::ILoginable_CallFunction(const QString &cMenuId,
                                                            const QString &cMenuName,
                                                            const QString &cAuthId,
                                                            const QString &cCmdLine)
{
    ShowModeless(cMenuId, cMenuName, cAuthId, cCmdLine);
    return nullptr;
}

} // namespace customer
