// The customer card's reference fields: what their reference windows may offer, and what a
// choice or a typed change of them sets going. Nothing runs while a record is spread onto the
// controls.
#include "card/FrmCusAM.h"

#include "card/AreaFields.h"
#include "card/CodeNames.h"
#include "card/CreditCompany.h"
#include "card/PrivilegeList.h"
#include "card/ReferenceConditions.h"
#include "card/ReferenceTables.h"
#include "card/RelatedVendor.h"
#include "card/SalespersonDepartment.h"
#include "entry/SessionContext.h"
#include "suite/card/UserDefineControl.h"
#include "suite/data/RecordSet.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

constexpr int kOpenedToView = 2;
constexpr int kContact = 13;
constexpr int kMobilePhone = 18;
constexpr int kDepartment = 30;
constexpr int kSalesperson = 31;

// The fields whose typed change the public service hears of.
bool tellsTypedChange(int index)
{
    return index == 6 || index == kContact || index == 20 || index == 21 || index == 27
        || index == kDepartment || index == kSalesperson;
}

const char *const kNamedReferences[] = {
    "EdtcCusBankCode", "EdtcCusCountryCode", "EdtcCusExch_name",
    "EdtcCusPortCode", "EdtcPrimaryVen",     "EdtCustomerKCode",
};

const char *const kAreaFields[] = { "EdtcProvince", "EdtcCity", "EdtcCounty" };

QString sessionDate()
{
    return g_oLogin ? g_oLogin->CurDate() : g_CurDate;
}

} // namespace

void FrmCusAM::connectReferenceFields()
{
    for (int index = 0; index < m_edt.size(); ++index)
        connectIndexedReference(index);
    for (const char *name : kNamedReferences)
        connectNamedReference(QLatin1StringView(name));
    for (const char *name : kAreaFields)
        connectAreaField(QLatin1StringView(name));
    connectRelatedVendor();
    connectNarrowedReferences();
    connectCodeNames();
    connect(Edt(kSalesperson), &suite::RefEdit::confirmed, this,
            &FrmCusAM::fillDepartmentOfSalesperson);
    connect(refEdit(QStringLiteral("EdtcCusCreditCompany")), &suite::RefEdit::leaving, this,
            &FrmCusAM::takeCreditCompany);
}

// Only while the card is the active window: a reference window of the card changes the texts
// too, and what it does is handled once its row is chosen.
void FrmCusAM::connectIndexedReference(int index)
{
    suite::RefEdit *field = Edt(index);
    connect(field, &QLineEdit::textChanged, this, [this, index, field] {
        if (m_bLoading || !isActiveWindow())
            return;
        if (tellsTypedChange(index) && g_oPub)
            g_oPub->SetRefEdt(this, field);
        takeUserDefValues(GetRefTableByIndex(index), nullptr);
    });
    connect(field, &suite::RefEdit::referenceChosen, this,
            [this, index](suite::RecordSet *row) { afterIndexedChoice(index, row); });
}

void FrmCusAM::connectNamedReference(const QString &name)
{
    suite::RefEdit *field = refEdit(name);
    const ReferenceTable table = namedReferenceTable(name);
    connect(field, &QLineEdit::textChanged, this, [this, field, table] {
        if (m_bLoading)
            return;
        if (g_oPub)
            g_oPub->SetRefEdt(this, field);
        takeUserDefValues(table.onChange, nullptr);
    });
    if (table.onChoice.isEmpty())
        return;
    const bool rank = name == u"EdtCustomerKCode";
    connect(field, &suite::RefEdit::referenceChosen, this,
            [this, table, rank](suite::RecordSet *row) {
                takeUserDefValues(table.onChoice, row);
                if (row && rank)
                    RefreshAutoCode();
            });
}

// The code and the abbreviation of the related vendor name the same vendor: typing into one
// drops the other.
void FrmCusAM::connectRelatedVendor()
{
    suite::RefEdit *code = refEdit(QStringLiteral("EdtVenCode"));
    suite::RefEdit *abbreviation = refEdit(QStringLiteral("EdtVenAbbName"));
    connect(abbreviation, &QLineEdit::textChanged, this, [this, code, abbreviation] {
        if (m_bLoading || m_iOpenedBy == kOpenedToView)
            return;
        MarkModified();
        if (focusWidget() == abbreviation)
            code->clearValue();
    });
    connect(code, &QLineEdit::textChanged, this, [this, code, abbreviation] {
        if (m_bLoading || m_iOpenedBy == kOpenedToView)
            return;
        if (focusWidget() == code)
            abbreviation->clearValue();
        takeUserDefValues(namedReferenceTable(QStringLiteral("EdtVenCode")).onChange, nullptr);
    });
    connect(code, &suite::RefEdit::referenceChosen, this, [this](suite::RecordSet *row) {
        takeUserDefValues(namedReferenceTable(QStringLiteral("EdtVenCode")).onChoice, row);
    });
    connect(code, &suite::RefEdit::leaving, this, &FrmCusAM::takeRelatedVendor);
}

void FrmCusAM::connectAreaField(const QString &name)
{
    suite::RefEdit *field = refEdit(name);
    connect(field, &suite::RefEdit::referenceChosen, this, [this, name](suite::RecordSet *row) {
        if (row && g_oSrv)
            AreaFields(*g_oSrv).takeChosenArea(*this, name);
    });
    connect(field, &QLineEdit::textChanged, this, [this, name, field] {
        if (m_bLoading || focusWidget() != field)
            return;
        for (const QString &dependent : AreaFields::dependentsOf(name))
            refEdit(dependent)->clearValue();
    });
    const QString parent = AreaFields::parentOf(name);
    if (parent.isEmpty())
        return;
    connect(field, &suite::RefEdit::beforeReferenceOpens, this,
            [this, parent](QString &conditionXml, QString &filter) {
                const RefConditions narrowed = ReferenceConditions::subArea(
                    refEdit(parent)->text(), refEdit(parent)->tag(), { conditionXml, filter });
                conditionXml = narrowed.conditionXml;
                filter = narrowed.filter;
            });
}

void FrmCusAM::connectNarrowedReferences()
{
    connect(Edt(11), &suite::RefEdit::beforeReferenceOpens, this,
            [this](QString &conditionXml, QString &filter) {
                const RefConditions narrowed =
                    ReferenceConditions::address(Edt(0)->text(), { conditionXml, filter });
                conditionXml = narrowed.conditionXml;
                filter = narrowed.filter;
            });
    connect(Edt(kContact), &suite::RefEdit::beforeReferenceOpens, this,
            [this](QString &conditionXml, QString &filter) {
                const RefConditions narrowed = ReferenceConditions::contact(
                    m_iOpt == 1, Edt(0)->text(), sessionDate(), { conditionXml, filter });
                conditionXml = narrowed.conditionXml;
                filter = narrowed.filter;
            });
    connect(Edt(kSalesperson), &suite::RefEdit::beforeReferenceOpens, this,
            [this](QString &conditionXml, QString &filter) {
                suite::RefEdit *department = Edt(kDepartment);
                const RefConditions narrowed = ReferenceConditions::salesperson(
                    department->isConfirmed(), department->text(), { conditionXml, filter });
                conditionXml = narrowed.conditionXml;
                filter = narrowed.filter;
                Edt(kSalesperson)->setConditions(conditionXml, filter);
            });
}

// A chosen code shows its name beside it; a typed code that turned out to name exactly one row
// (confirmed on leaving) has its name read.
void FrmCusAM::connectCodeNames()
{
    const std::pair<QString, int> codes[] = {
        { QStringLiteral("Edt"), 3 },
        { QStringLiteral("Edt"), 4 },
        { QStringLiteral("Edt"), 5 },
        { QStringLiteral("EdtVenCode"), -1 },
    };
    for (const auto &[control, index] : codes) {
        auto *field = qobject_cast<suite::RefEdit *>(GetControlByName(control, index));
        connect(field, &suite::RefEdit::referenceChosen, this,
                [this, control, index](suite::RecordSet *row) {
                    if (!row || !g_oSrv)
                        return;
                    CodeNames(*this).showChosen(*g_oSrv, control, index, row);
                    showTextStarts();
                });
        connect(field, &suite::RefEdit::confirmed, this, [this, control, index] {
            const auto [nameControl, nameIndex] = CodeNames::nameFieldOf(control, index);
            if (m_bLoading || !g_oSrv || !text(nameControl, nameIndex).isEmpty())
                return;
            CodeNames(*this).showChosen(*g_oSrv, control, index, nullptr);
            showTextStarts();
        });
    }
}

// The public service changes the record element in place; the control then shows it again.
void FrmCusAM::takeUserDefValues(const QString &table, suite::RecordSet *row)
{
    if (table.isEmpty() || !g_oPub)
        return;
    g_oPub->SetUserDefValNew(this, m_oUserDefXml, table, row);
    InvUserDef1->RefreshFromElement();
}

void FrmCusAM::afterIndexedChoice(int index, suite::RecordSet *row)
{
    takeUserDefValues(GetRefTableByIndex(index), row);
    if (!row)
        return;
    switch (index) {
    case 3:
        rebuildRightsOnChange(QStringLiteral("class"), m_sOldCCCode, Edt(index)->text());
        break;
    case 4:
        rebuildRightsOnChange(QStringLiteral("district"), m_sOldDCCode, Edt(index)->text());
        break;
    case 6:
        rebuildRightsOnChange(QStringLiteral("trade"), m_sOldTradeCode, Edt(index)->text());
        break;
    case kContact:
        Edt(kMobilePhone)->setText(row->Value(QStringLiteral("cMobilePhone")).toString());
        Edt(kContact)->setTag(row->Value(QStringLiteral("ID")).toString());
        break;
    default:
        break;
    }
}

// Choosing the class the customer already has keeps its rights as they are.
void FrmCusAM::rebuildRightsOnChange(const QString &kind, QString &keptCode, const QString &code)
{
    if (code == keptCode)
        return;
    RefreshCusPrivilege(kind, code);
    keptCode = code;
}

void FrmCusAM::RefreshCusPrivilege(const QString &kind, const QString &code)
{
    if (!g_oSrv || !g_oPub)
        return;
    PrivilegeListOwner owner;
    owner.customerCode = Edt(0)->text();
    owner.opt = m_iOpt;
    owner.readOnly = m_bReadOnly;
    owner.rightRights = m_iRightRights;
    owner.refUrl = g_cRefUrl;
    PrivilegeList list(*g_oSrv, *g_oPub, g_oRowAuth.get());
    m_sRightsXml = list.RefreshCusPrivilege(m_sRightsXml, owner, kind, code);
}

void FrmCusAM::fillDepartmentOfSalesperson()
{
    suite::RefEdit *salesperson = Edt(kSalesperson);
    suite::RefEdit *department = Edt(kDepartment);
    if (m_bLoading || !g_oSrv || !salesperson->isConfirmed() || !department->text().isEmpty())
        return;
    const QString code = SalespersonDepartment(*g_oSrv).GetPersonDept(salesperson->text());
    if (code.isEmpty())
        return;
    department->setText(code);
    department->setTag(code);
}

void FrmCusAM::takeCreditCompany()
{
    if (m_bLoading || !g_oSrv)
        return;
    const QString company = refEdit(QStringLiteral("EdtcCusCreditCompany"))->codeValue();
    CreditCompany(*g_oSrv).takeSettings(*this, company, Edt(0)->text());
}

void FrmCusAM::takeRelatedVendor()
{
    suite::RefEdit *code = refEdit(QStringLiteral("EdtVenCode"));
    if (m_bLoading || !g_oSrv || !g_oPub || !code->isConfirmed())
        return;
    RelatedVendor vendor(*g_oSrv, *g_oPub);
    if (vendor.SyncVendorInfo(*this, vendor.OpenVendorInfo(code->text())))
        MarkModified();
}

} // namespace customer
