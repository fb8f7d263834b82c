// The customer card's opening roads and set-up: InitData, Init, load, first activation, the
// card set-up with its references, captions, input filters, mandatory marks and field lengths.
#include "card/FrmCusAM.h"
#include "suite/login/IDeleteLog.h"

#include "card/CardFieldTable.h"
#include "card/CardSetupRules.h"
#include "card/KeyInfoStrip.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/ListQuery.h"
#include "catalogue/SharedUtilities.h"
#include "catalogue/UnreadableFields.h"
#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/Grid.h"
#include "suite/controls/RefEdit.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

namespace customer {

namespace {

const QString kArchive = QStringLiteral("Customer");
const QString kLinkStyle = QStringLiteral("static.text.link");
constexpr int kAddFromHost = 11;
constexpr int kViewByCode = 13;
constexpr int kViewDeleteLog = 14;
// Opened by: the list, the entry class to add, the entry class to view.
enum OpenedBy { ByList = 0, ByInitToAdd = 1, ByInitToView = 2 };

const char *const kTabCaptionKeys[] = {
    "Tarn.AA.CUSTOMER.FRMCUSAM.tabbase",    "Tarn.AA.CUSTOMER.FRMCUSAM.tabrelation",
    "Tarn.AA.CUSTOMER.FRMCUSAM.tabcredit",  "Tarn.AA.CUSTOMER.FRMCUSAM.tabother",
    "Tarn.AA.CUSTOMER.FRMCUSAM.tabuserdef", "Tarn.AA.CUSTOMER.FRMCUSAM.tabgsp",
    "Tarn.AA.CUSTOMER.FRMCUSAM.tabexport",  "Tarn.AA.CUSTOMER.sstab1tabcaption861",
};

const QString kFieldLengthSql = QStringLiteral(
    "select Customer.*,Vendor.cVenName,Vendor.cVenAbbName,CustomerClass.cCCName,"
    "districtClass.cDCName,shippingChoice.cSCName,Warehouse.cWhName,Paycondition.cPayName,"
    "Person.cPersonName,Department.cDepName,CustomerRank.ccusRankName,Tradeclass.cTradeCName,"
    "Ex_Nation.cNationName,Ex_Port.cPortName,aa_bank.cBankName from customer,Vendor,"
    "CustomerClass,districtClass,shippingChoice,Warehouse,PayCondition,Person,Department,"
    "EX_Nation,EX_Port,CustomerRank,TradeClass,aa_bank where 1=2");

} // namespace

QString FrmCusAM::res(const QString &key) const
{
    return g_oPub ? g_oPub->GetResString(key) : key;
}

QString FrmCusAM::res(const char *key) const
{
    return res(QString::fromLatin1(key));
}

void FrmCusAM::setCaption(const QString &captionKey)
{
    setWindowTitle(res(captionKey));
}

void FrmCusAM::setLinkStyle(QLabel *label)
{
    if (!label)
        return;
    label->setProperty("skinStyle", kLinkStyle);
    label->setStyleSheet(QStringLiteral("color: #1f5fa8;"));
}

void FrmCusAM::ensureLoaded()
{
    if (!m_loaded)
        runGuarded(QStringLiteral("FrmCusAM.Form_Load"), [this] { Form_Load(); });
}

void FrmCusAM::Form_Initialize()
{
    if (!g_oPub)
        return;
    m_bExportStarted = g_oPub->GetSysStart(QStringLiteral("EX"), g_cDBName, g_oSrv, kArchive);
    m_bSalesStarted = g_oPub->GetSysStart(QStringLiteral("SA"), g_cDBName, g_oSrv, kArchive);
    m_bDomesticDefault = m_bSalesStarted || !m_bExportStarted;
    m_bOverseasDefault = !m_bDomesticDefault;
}

void FrmCusAM::Form_Load()
{
    m_loaded = true;
    if (g_oPub) {
        g_oPub->FrmUniteFont(this);
        g_bGspStarted = g_oPub->GetSysStart(QStringLiteral("gs"), g_cDBName, g_oSrv);
        g_bExStarted = g_oPub->GetSysStart(QStringLiteral("ex"), g_cDBName, g_oSrv);
        g_bCsStarted = g_oPub->GetSysStart(QStringLiteral("cs"), g_cDBName, g_oSrv);
    }
    SSTab1->setTabVisible(GspPage, g_bGspStarted);
    SSTab1->setTabVisible(ExportPage, g_bExStarted);
    setCaption(QStringLiteral("Tarn.AA.CUSTOMER.FRMCUSAM.caption"));
    InitToolbar();
    for (int page = 0; page < CardPageCount; ++page)
        SSTab1->setTabText(page, res(kTabCaptionKeys[page]));
    if (g_oPub)
        g_oPub->FrmOptInit(this, QStringLiteral("customer"), g_clsLogin);
    InitReferences();
    for (const char *column : { "cCusCode", "cCusAbbName", "cCCCode", "cCusExch_name",
                                "dCusDevDate", "cCusMngTypeCode" })
        setLinkStyle(captionLabel(QString::fromLatin1(column)));
    AddCmbItems(comboBox(QStringLiteral("CmbiCusGSPType")), g_aGspComType, -1);
    AddCmbItems(comboBox(QStringLiteral("cmbbshop")), g_aRetailKind, 0);
    fillPriceGrades();
    if (g_cColInfoXml.isEmpty() && g_oColSet)
        g_cColInfoXml = g_oColSet->getColInfo(QStringLiteral("customer"));
    SetMandatoryMarks();
    m_bFirstActivate = true;
    installKeyHook();
}

void FrmCusAM::fillPriceGrades()
{
    QComboBox *grades = comboBox(QStringLiteral("cboJgJb"));
    grades->clear();
    if (!g_oSrv)
        return;
    const suite::RecordSet rows = g_oSrv->OpenX(
        QStringLiteral("select cPriceID,cDefineName from sa_pricedef where bused=1 "));
    for (int row = 0; rows.IsOpen() && row < rows.RecordCount(); ++row)
        grades->addItem(rows.valueAt(row, 1).toString(), rows.valueAt(row, 0).toInt());
    grades->setCurrentIndex(-1);
}

void FrmCusAM::Form_Activate()
{
    if (!m_bFirstActivate) {
        Form_Resize();
        return;
    }
    m_bFirstActivate = false;
    if (m_iOpenedBy == ByList) {
        BuildColInfo();
        InitUserDefFields();
        InitCard();
    }
    if (Edt(0)->isEnabled())
        Edt(0)->setFocus();
    else
        Edt(1)->setFocus();
    bool autoCode = false;
    bool manualChange = false;
    if (g_oPub) {
        m_sCodeFormat = g_oPub->GetBillFormat(g_oLogin ? g_oLogin->KvDbName() : g_cDBName, kArchive,
                                              autoCode, manualChange);
    }
    m_bAutoCode = autoCode;
    applyFieldRight(QStringLiteral("cCusCode"));
    RefreshAutoCode();
    // A card the entry class opened has no list to go on with: adding another customer or
    // deleting this one are the list's (Init has turned state 11 into 1 by now).
    if (m_iOpt > 10 || m_iOpenedBy != ByList) {
        setButtonVisible(QStringLiteral("SaveRsNew"), false);
        setButtonVisible(QStringLiteral("Delete"), false);
    }
    refreshToolbar();
}

void FrmCusAM::Form_Resize()
{
    // The strip keeps its height and the pages fill the rest through the layout; the toolbar
    // follows the card's width by itself.
    ShowKeyInfo();
}

void FrmCusAM::InitData(int Status, int tCol, int RowSel)
{
    ensureLoaded();
    m_iOpt = Status;
    m_iOpenedBy = ByList;
    m_lRow = RowSel;
    m_iCodeCol = tCol;
    if (Status == 1) {
        setButtonEnabled(QStringLiteral("Delete"), false);
        setCaption(QStringLiteral("Tarn.AA.CUSTOMER.FRMCUSAM.addcus"));
    } else if (Status == 2) {
        m_bReadOnly = !g_bCanModifyArch;
        setWindowTitle(res("Tarn.AA.CUSTOMER.FRMCUSAM.modifycus")
                       + (m_bReadOnly ? res("Tarn.AA.TarnDATAPRECISION.readonly") : QString()));
        updateArBalance();
    }
}

void FrmCusAM::updateArBalance()
{
    auto *list = m_cls ? qobject_cast<FrmCus *>(m_cls->FrmMain.data()) : nullptr;
    if (list)
        m_sCusCode = list->Grid->TextMatrix(m_lRow, m_iCodeCol);
    QVariant result;
    if (!g_oSrv
        || !g_oSrv->ExecPROCNew(QStringLiteral("TCPro_UpCustomerArBalance"), { m_sCusCode }, result,
                                0))
        ShowInfoMsg(QStringLiteral("TCPro_UpCustomerArBalance 存储过程执行失败！"));
}

bool FrmCusAM::Init(int tOpt, const suite::XmlElement &Ele,
                    const std::shared_ptr<suite::IDeleteLog> &objLog)
{
    if (tOpt != kAddFromHost && tOpt != kViewByCode && tOpt != kViewDeleteLog)
        return false;
    ensureLoaded();
    InitUserDefFields();
    InitCard();
    m_iOpt = tOpt;
    setButtonEnabled(QStringLiteral("Delete"), false);
    if (tOpt == kAddFromHost) {
        m_iOpenedBy = ByInitToAdd;
        setCaption(QStringLiteral("Tarn.AA.CUSTOMER.FRMCUSAM.addcus"));
        for (const char *key :
             { "First", "Previous", "Next", "Last", "CusBank", "CusAddress", "Invoice", "Contact" })
            setButtonVisible(QString::fromLatin1(key), false);
        fillFlds(Ele);
        m_iOpt = 1;
        // A code the caller gives is kept: the numbering rule proposes codes only for a
        // customer started on the card.
        m_bCodeTyped = !Edt(0)->text().isEmpty();
    } else {
        m_iOpenedBy = ByInitToView;
        if (tOpt == kViewByCode && !loadByCode(GetNodeText(Ele, QStringLiteral("CCusCode"), {})))
            return false;
        if (tOpt == kViewDeleteLog)
            Fillallfields(true,
                          objLog ? objLog->GetRecordset(QStringLiteral("customer"))
                                 : suite::RecordSet(),
                          4, objLog);
        applyViewState();
    }
    refreshToolbar();
    return true;
}

bool FrmCusAM::loadByCode(const QString &code)
{
    LoadExtraFieldNames();
    QString sql = QStringLiteral("select top 1 ") + readableExtraFields(g_cExtraFields)
        + readableColumnsOf(QStringLiteral("Customer"), QStringLiteral("customer"))
        + QStringLiteral(
                      " from customer  left join Customer_extradefine  on "
                      "customer.cCusCode=Customer_extradefine.cCusCode where Customer.cCusCode='")
        + suite::sqlQuote(code);
    sql += g_sRowAuthInv.isEmpty() ? QStringLiteral("'") : QStringLiteral("' and ") + g_sRowAuthInv;
    const suite::RecordSet record = g_oSrv ? g_oSrv->OpenX(sql) : suite::RecordSet();
    if (!record.IsOpen()) {
        ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.sysdataerror"));
        return false;
    }
    if (record.RecordCount() == 0) {
        ShowInfoMsg(res("Tarn.AA.Archive.Common.no_cus_code_auth_stop"));
        return false;
    }
    Fillallfields(true, record, 0);
    return true;
}

// The lock keeps every value readable (and copyable) instead of greying the first page out.
void FrmCusAM::applyViewState()
{
    for (const char *key : { "SaveRs", "First", "Previous", "Next", "Last" })
        setButtonVisible(QString::fromLatin1(key), false);
    for (QToolButton *button : m_dateButtons)
        button->setVisible(false);
    applyEditLock();
}

// Fields whose values come from the session or from the dialogs are shown, never typed into.
void FrmCusAM::lockDisplayOnlyFields()
{
    for (const CardControl &field : cardControls()) {
        if (!isDisplayOnlyColumn(field.column))
            continue;
        QWidget *control = GetControlByName(field.name.toString(), field.index);
        if (auto *reference = qobject_cast<suite::RefEdit *>(control))
            reference->setLocked(true);
        else if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->setReadOnly(true);
        else if (control)
            control->setEnabled(false);
        if (field.kind == CardControlKind::Date)
            Command1(field.index)->setVisible(false);
    }
}

bool FrmCusAM::takesNoInput() const
{
    return m_iOpenedBy == ByInitToView || (m_iOpt == 2 && m_bReadOnly);
}

QList<QWidget *> FrmCusAM::inputControls() const
{
    QList<QWidget *> inputs;
    for (QWidget *control : m_controls) {
        if (qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractButton *>(control)
            || qobject_cast<QComboBox *>(control))
            inputs.append(control);
    }
    return inputs;
}

// Viewing a customer, or one the user may not change, locks every input, the user-defined
// fields, the picture and the attachments with it; the sub-record dialogs then open read-only
// (subRecordRight) and the contacts, which save at once, stay closed.
void FrmCusAM::applyEditLock()
{
    const bool locked = takesNoInput();
    if (locked && !m_inputLock.isLocked())
        m_inputLock.lock(inputControls());
    else if (!locked)
        m_inputLock.unlock();
    const int level = locked ? 1 : 2;
    InvUserDef1->SetRightLevel(level);
    Pic->SetRightLevel(std::min(level, fieldRight(QStringLiteral("PictureGUID"))));
    InvAttachfile1->SetRightLevel(std::min(level, fieldRight(QStringLiteral("bIsCusAttachFile"))));
    setButtonEnabled(QStringLiteral("Contact"), !locked && !g_bIsWeb);
}

void FrmCusAM::InitCard()
{
    CardContext context;
    context.userName = g_cUserName;
    context.dbName = g_cDBName;
    context.curDate = g_CurDate;
    context.srvDate = g_DbSrvDate;
    context.priceDecimals = QString::number(g_iPriceDecDgt);
    context.rowAuthDept = g_sRowAuthDept;
    context.rowAuthPerson = g_sRowAuthPerson;
    context.rowAuthInv = g_sRowAuthInv;
    context.helpContextId = property("helpContext").toString();
    context.hwnd = QString::number(reinterpret_cast<quintptr>(this));
    context.url = g_cRefUrl;
    context.web = g_bIsWeb;
    ApplyFieldAuth();
    InvUserDef1->SetContext(g_oLogin, g_oSrv, cardContextXml(context));
    Pic->Init(QStringLiteral("1024"), g_oPub);
    InvAttachfile1->Init(g_oFileManager, g_oSrv);
    SetCaptions();
    SetInputFilters();
    SetFieldLengths();
    // The rates know their decimals before the first record shows them.
    SetNumberLengths();
    // The record statement names the extended fields, so that the user-defined fields read
    // what they will write back.
    LoadExtraFieldNames();
    if (m_iOpt == 1)
        ClearForAdd();
    else if (m_iOpt == 2)
        Fillallfields(false);
    setButtonEnabled(QStringLiteral("SaveRs"), false);
    setButtonEnabled(QStringLiteral("SaveRsNew"), false);
    refreshToolbar();
}

void FrmCusAM::InitUserDefFields()
{
    m_oUserDefXml = InvUserDef1->Init(QStringLiteral("客户"), QStringLiteral("cCusDefine"),
                                      g_bIsWeb, g_cRefUrl, g_oLogin, g_oSrv);
}

void FrmCusAM::InitReferences()
{
    for (const CardReference &reference : cardReferences(m_bSalesStarted)) {
        auto *edit =
            qobject_cast<suite::RefEdit *>(GetControlByName(reference.control, reference.index));
        if (!edit)
            continue;
        const QString key = reference.withoutUrl ? reference.refKey : g_cRefUrl + reference.refKey;
        edit->Init(g_oLogin, g_bIsWeb, key, reference.refSetXml);
        edit->setFreeText(reference.freeText);
        // The reference lists read through the session's data service, so that in web mode
        // the host serves them too.
        edit->setDataService(g_oSrv);
    }
}

void FrmCusAM::SetCaptions()
{
    for (const CardControl &field : cardControls()) {
        const QString caption = res(captionKeyOfColumn(field.column));
        if (field.kind == CardControlKind::Check)
            checkBox(field.name.toString())->setText(caption);
        else if (QLabel *label = captionLabel(field.column.toString()))
            label->setText(caption);
    }
    for (QGroupBox *frame : findChildren<QGroupBox *>())
        frame->setTitle(res(frame->property("captionKey").toString()));
    cmdMap->setText(res("Tarn.AA.CUSTOMER.FRMCUSAM.map"));
    ShowKeyInfo1->setCaptions(res("Tarn.AA.ARCHIVE.FIELD.ccuscode"),
                              res("Tarn.AA.ARCHIVE.FIELD.ccusname"));
}

void FrmCusAM::SetInputFilters()
{
    if (!g_oPub)
        return;
    g_oPub->SetBadStrException(Edt(0), QStringLiteral("\\"));
    for (const char *name : { "EdtcCusEnName", "EdtcCusEnAddr1", "EdtcCusEnAddr2", "EdtcCusEnAddr3",
                              "EdtcCusEnAddr4", "EdtcPrimaryVen" })
        g_oPub->SetBadStrException(refEdit(QString::fromLatin1(name)), QString());
    g_oPub->SetBadStrException2(Edt(1), QStringLiteral(","));
    g_oPub->SetBadStrException2(Edt(2), QString());
    g_oPub->SetBadStrException2(Edt(11), QString());
    g_oPub->SetBadStrException2(refEdit(QStringLiteral("EdtcCusMnemCode")), QString());
}

void FrmCusAM::SetMandatoryMarks()
{
    QStringList fields;
    if (!mandatoryFields(g_cColInfoXml, fields)) {
        ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.xmlloaderror"));
        return;
    }
    for (const QString &field : fields) {
        QWidget *control = GetControlByName(field);
        if (!control)
            continue;
        if (QLabel *label = captionLabel(field))
            setLinkStyle(label);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            box->setStyleSheet(QStringLiteral("color: #1f5fa8;"));
    }
}

void FrmCusAM::SetFieldLengths()
{
    if (!g_oSrv)
        return;
    const QHash<QString, int> sizes = textColumnSizes(g_oSrv->OpenX(kFieldLengthSql));
    for (const CardControl &field : cardControls()) {
        const int size = sizes.value(field.column.toString().toLower());
        auto *edit =
            qobject_cast<QLineEdit *>(GetControlByName(field.name.toString(), field.index));
        if (edit && size > 0)
            edit->setMaxLength(size);
    }
    const std::pair<QLineEdit *, const char *> names[] = {
        { refEdit(QStringLiteral("EdtVenAbbName")), "cvenabbname" },
        { Text1(0), "cccname" },
        { Text1(1), "cdcname" },
        { Text1(2), "ccusname" },
        { refEdit(QStringLiteral("EdtcCusMnemCode")), "ccusname" },
    };
    for (const auto &[edit, column] : names) {
        if (const int size = sizes.value(QString::fromLatin1(column)); edit && size > 0)
            edit->setMaxLength(size);
    }
    const suite::RecordSet digits = g_oSrv->OpenX(QStringLiteral(
        "select * from AccInformation where cSysID=N'aa' and  cName = 'iRateDecDgt' "));
    if (digits.IsOpen() && digits.RecordCount() > 0)
        g_iTaxRateDigits =
            std::int16_t(digits.valueAt(0, digits.FieldIndex(QStringLiteral("cValue"))).toInt());
}

void FrmCusAM::SetNumberLengths()
{
    if (!g_oPub)
        return;
    constexpr int kRateDigits = 3;
    constexpr int kMoneyDigits = 16;
    constexpr int kDayDigits = 4;
    constexpr int kCountDigits = 9;
    for (const char *name : { "EdtiOfferRate", "EdtfCusDiscountRate", "EdtfAdvancePaymentRatio",
                              "EdtfCommisionRate", "EdtfInsueRate" })
        g_oPub->SetDblLen(refEdit(QString::fromLatin1(name)), kRateDigits, 2);
    g_oPub->SetDblLen(refEdit(QStringLiteral("EdtiCusTaxRate")), kRateDigits, g_iTaxRateDigits);
    g_oPub->SetDblLen(Edt(23), kRateDigits, 2);
    g_oPub->SetDblLen(Edt(25), kMoneyDigits, 2);
    g_oPub->SetIntLen(Edt(26), kDayDigits);
    for (const char *name :
         { "EdtiLicenceADays", "EdtiBusinessADays", "EdtiProxyADays", "EdtiCusGSPADays" })
        g_oPub->SetIntLen(refEdit(QString::fromLatin1(name)), kDayDigits);
    g_oPub->SetIntLen(refEdit(QStringLiteral("EdtiEmployeeNum")), kCountDigits);
}

void FrmCusAM::AddCmbItems(QComboBox *list, const QStringList &items, int listIndex)
{
    if (!list)
        return;
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(listIndex < list->count() ? listIndex : -1);
}

} // namespace customer
