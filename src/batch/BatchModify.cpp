#include "batch/BatchModify.h"

#include "batch/BatchGuards.h"
#include "batch/BatchModifyStatements.h"
#include "batch/BatchValueCheck.h"
#include "batch/DeliveryAddresses.h"
#include "catalogue/DataAuth.h"
#include "catalogue/LowerXmlTags.h"
#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/FindFields.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/Field.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <exception>

namespace customer {

namespace {

namespace sql = BatchModifyStatements;

const QString kArchive = QStringLiteral("Customer");
const QString kWhere = QStringLiteral("BatchModify");
// The operation number of a batch modification in the archive log, and its two states.
constexpr int kLogOperation = 4;
const QString kLogStarted = QStringLiteral("0");
const QString kLogDone = QStringLiteral("1");
// MsgBox: yes/no with the question icon; the answer no.
constexpr int kYesNoQuestion = 36;
constexpr int kAnswerNo = 7;

const QString kTypesStatement =
    QStringLiteral("select *, (districtclass.cdcname) as cdcname,(person.cpersonname) as "
                   "cpersonname,(department.cdepname) as cdepname,(customer.cltccustomercode) as "
                   "cltccustomercode  from customer  left join department on "
                   "customer.ccusdepart=department.cdepcode  left join districtclass on "
                   "customer.cdccode=districtclass.cdccode  left join person on "
                   "customer.ccuspperson=person.cpersoncode    where 1=2");

QString res(const char *key)
{
    return g_oPub->GetResString(QLatin1StringView(key));
}

bool isOneOf(const QString &field, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (field.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString effectiveCondition(const QString &condition)
{
    return condition + QStringLiteral(" and ") + g_cAuthCustomerW;
}

// The column set names a few fields without the table the catalogue gives them.
QString columnSetName(const QString &field)
{
    if (field == u"customer.cdccode")
        return QStringLiteral("cdccode");
    if (field == u"customer.denddate")
        return QStringLiteral("denddate");
    if (field == u"customer.cmemo")
        return QStringLiteral("cmemo");
    return field;
}

QString attributeOf(const suite::XmlElement &element, const QString &name)
{
    for (const auto &[key, value] : element.attributes()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

bool isMustInputColumnOf(const suite::XmlElement &column, const QString &field)
{
    const QString flag = attributeOf(column, QStringLiteral("bmustinput")).toLower();
    const QString name = column.name().compare(u"colset", Qt::CaseInsensitive) == 0
        ? attributeOf(column, QStringLiteral("cfld"))
        : column.name();
    return (flag == u"1" || flag == u"true") && name.compare(field, Qt::CaseInsensitive) == 0;
}

QString originalCaptionOf(const suite::XmlElement &column)
{
    for (const char *name : { "coriginalcaption", "corgcaption", "showfldname" }) {
        const QString caption = attributeOf(column, QString::fromLatin1(name));
        if (!caption.isEmpty())
            return caption;
    }
    return column.name();
}

bool violatesMustInput(int columnType, const QString &value)
{
    const bool flagOrBinary = columnType == suite::adBoolean || columnType == suite::adBinary
        || columnType == suite::adVarBinary || columnType == suite::adLongVarBinary;
    return flagOrBinary ? value.trimmed() == u"0" : value.trimmed().isEmpty();
}

// A staging row has no table of its own to qualify its fields by in the value checks, which know
// the archive's names.
QString checkedField(const QString &field, bool archive)
{
    return archive ? field : field.section(u'.', -1);
}

} // namespace

BatchModify::BatchModify(QString mainTable, QString columnKey)
    : m_mainTable(std::move(mainTable))
    , m_columnKey(std::move(columnKey))
{ }

bool BatchModify::isArchive() const
{
    return m_mainTable.compare(kArchive, Qt::CaseInsensitive) == 0;
}

bool BatchModify::logArchive(const BatchModifyRequest &request, const QString &state) const
{
    QString user = g_cUserId;
    QString condition = effectiveCondition(request.condition);
    return g_oPub->LogArch(g_oSrv, m_mainTable, kLogOperation, QString(), user, state,
                           request.description, condition);
}

bool BatchModify::passHooks(const BatchModifyRequest &request) const
{
    QString field = request.field;
    QString value = request.value;
    QString condition = effectiveCondition(request.condition);
    bool web = g_bIsWeb;
    return g_oPub->TransTarnAPIForMulModify(g_oSrv, m_mainTable, true, field, value, condition, web)
        && g_oPub->TransTarnAPIForMulModify(g_oSrv, m_mainTable, false, field, value, condition,
                                            web);
}

BatchModify::Outcome BatchModify::confirm(BatchModifyRequest request)
{
    int count = 0;
    if (!prepare(request, count))
        return count == 0 ? Outcome::NoCustomers : Outcome::Refused;
    if (!userAgrees(count))
        return Outcome::Declined;
    return run(request) ? Outcome::Saved : Outcome::Failed;
}

bool BatchModify::prepare(BatchModifyRequest &request, int &count)
{
    count = -1;
    if (!g_oPub || !g_oSrv || !isOffered(request))
        return false;
    const QString checked = checkedField(request.field, isArchive());
    if (!checkBatchValue(checked, request.caption, request.value, request.condition))
        return false;
    if (!checkMustInput(checked, request.value) || !readCount(request.condition, count))
        return false;
    if (count == 0)
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.407_1"));
    return count > 0;
}

bool BatchModify::userAgrees(int count)
{
    const QString question = g_oPub->GetResFormatString(
        QStringLiteral("Tarn.AA.CUSTOMER.FRMMULMODIFY.410_1"), { QString::number(count) });
    return g_oPub->MsgBox(question, kYesNoQuestion, res("Tarn.AA.ARCHIVE.COMMON.exclamation"))
        != kAnswerNo;
}

// Only a field the catalogue offers for batch modification reaches the update's text.
bool BatchModify::isOffered(const BatchModifyRequest &request)
{
    if (suite::findFindField(suite::findFieldsFromColInfo(g_cFieldCatalogXml), request.field))
        return true;
    ShowInfoMsg(g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.CUSTOMER.FRMMULMODIFY.nofield"),
                                           { request.field }));
    return false;
}

bool BatchModify::checkMustInput(const QString &field, const QString &value)
{
    if (g_cColInfoXml.isEmpty() && g_oColSet)
        g_cColInfoXml = g_oColSet->getColInfo(m_columnKey, 0);
    QString lowered = g_cColInfoXml;
    LowerXmlTags(lowered, true);
    suite::XmlDocument document;
    if (!document.loadXml(lowered)) {
        ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.xmlloaderror"));
        return false;
    }
    const QString name = columnSetName(field);
    const QString column = name.section(u'.', -1);
    suite::RecordSet types;
    for (const suite::XmlElement &element : document.selectNodes(QStringLiteral("//*"))) {
        if (!isMustInputColumnOf(element, name))
            continue;
        if (!types.IsOpen())
            types = g_oSrv->OpenX(isArchive() ? kTypesStatement
                                              : QStringLiteral("select * from ") + m_mainTable
                                          + QStringLiteral(" where 1=2"));
        const int index = types.FieldIndex(column);
        const int type = index >= 0 ? types.Fields().at(index).type : suite::adVarWChar;
        if (violatesMustInput(type, value)) {
            ShowInfoMsg(originalCaptionOf(element) + res("Tarn.AA.ARCHIVE.COMMON.bMustInput"));
            return false;
        }
    }
    return true;
}

bool BatchModify::readCount(const QString &condition, int &count)
{
    const suite::RecordSet rows =
        g_oSrv->OpenX(sql::countStatement(condition, g_cAuthCustomerW, m_mainTable));
    if (!rows.IsOpen() || rows.RecordCount() == 0) {
        suite::ErrorLog::instance().error(kWhere, g_oSrv->LastError());
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.436_1"));
        return false;
    }
    count = rows.Value(QStringLiteral("Num")).toInt();
    return true;
}

// A new class, trade or district may move the customers into another rights class.
QString BatchModify::rightsFragment(const QString &field, const QString &value)
{
    if (!isOneOf(checkedField(field, isArchive()),
                 { "cCCCode", "Customer.cCCCode", "cCusTradeCCode", "Customer.cCusTradeCCode",
                   "cDCCode", "Customer.cDCCode" }))
        return {};
    const QString id = GetBatchModifyAuthSql(m_columnKey, g_cUserId, value);
    return id.isEmpty() ? QString() : QStringLiteral(" ,iid=") + id + u' ';
}

bool BatchModify::run(const BatchModifyRequest &request)
{
    try {
        const QString update = sql::updateStatement(
            request.field, request.value, request.condition, g_cAuthCustomerW, g_cUserName,
            rightsFragment(request.field, request.value), m_mainTable);
        if (!modifyInTransaction(request, update))
            return false;
    } catch (const std::exception &error) {
        suite::ErrorLog::instance().error(kWhere, QString::fromLocal8Bit(error.what()));
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.447_1"));
        return false;
    }
    logArchive(request, kLogDone);
    ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.modifysuccess"));
    g_bCardSaved = true;
    return true;
}

// The work some fields need per customer, read before the update may change which customers
// match. It is part of the batch's transaction: a batch that fails leaves no address row or
// contact changed behind.
bool BatchModify::followUp(const BatchModifyRequest &request, QList<QVariantHash> &salespersonMoves)
{
    if (!isArchive())
        return true;
    const bool address = isOneOf(request.field, { "cCusAddress" });
    const bool salesperson = isOneOf(request.field, { "ccuspperson" });
    const bool mobile = isOneOf(request.field, { "cCusHand" });
    if (!address && !salesperson && !mobile)
        return true;
    const suite::RecordSet targets =
        g_oSrv->OpenX(sql::targetsStatement(request.condition, g_cAuthCustomerW));
    return targets.IsOpen()
        && followRows(targets, request, address, salesperson, mobile, salespersonMoves);
}

bool BatchModify::followRows(const suite::RecordSet &targets, const BatchModifyRequest &request,
                             bool address, bool salesperson, bool mobile,
                             QList<QVariantHash> &salespersonMoves)
{
    DeliveryAddresses addresses(*g_oSrv);
    const int code = targets.FieldIndex(QStringLiteral("ccuscode"));
    const int guid = targets.FieldIndex(QStringLiteral("cCusAddressGUID"));
    const int person = targets.FieldIndex(QStringLiteral("ccuspperson"));
    const int contact = targets.FieldIndex(QStringLiteral("cCusContactCode"));
    for (int row = 0; row < targets.RecordCount(); ++row) {
        const QString customerCode = targets.valueAt(row, code).toString();
        const QString contactId = targets.valueAt(row, contact).toString();
        if (address
            && !addresses.follow(customerCode, targets.valueAt(row, guid).toString(),
                                 request.value))
            return false;
        if (salesperson)
            salespersonMoves.append(sql::salespersonValues(targets.valueAt(row, person).toString(),
                                                           request.value, customerCode, contactId));
        if (mobile && !contactId.isEmpty())
            g_oSrv->ExecuteWith(sql::contactMobileStatement(),
                                sql::contactMobileValues(request.value, contactId));
    }
    return true;
}

bool BatchModify::modifyInTransaction(const BatchModifyRequest &request, const QString &update)
{
    BatchFunctionLock lock(m_mainTable);
    if (!lock.take())
        return false;
    logArchive(request, kLogStarted);
    BatchTransaction transaction;
    QList<QVariantHash> salespersonMoves;
    if (!transaction.begin() || !followUp(request, salespersonMoves) || !g_oSrv->ExecuteX(update)) {
        suite::ErrorLog::instance().error(kWhere, g_oSrv->LastError());
        lock.release();
        transaction.rollback();
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.436_1"));
        return false;
    }
    if (!passHooks(request))
        return false;
    lock.release();
    for (const QVariantHash &values : std::as_const(salespersonMoves)) {
        if (!g_oSrv->ExecuteWith(sql::salespersonScript(), values)) {
            suite::ErrorLog::instance().error(kWhere, g_oSrv->LastError());
            transaction.rollback();
            ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.447_1"));
            return false;
        }
    }
    if (!updateCreditSums(request.condition) || !transaction.commit()) {
        suite::ErrorLog::instance().error(kWhere, g_oSrv->LastError());
        transaction.rollback();
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.436_1"));
        return false;
    }
    return true;
}

// The customers of the request are read again after the update, as it may have changed which
// of them match; only their codes and credit flags are needed. The procedure takes the codes of
// those with credit on in groups, so that thousands of customers cost a few statements.
bool BatchModify::updateCreditSums(const QString &condition)
{
    constexpr int kCodesPerCall = 500;
    if (!isArchive())
        return true;
    const suite::RecordSet targets =
        g_oSrv->OpenX(sql::creditTargetsStatement(condition, g_cAuthCustomerW));
    if (!targets.IsOpen())
        return false;
    const QString procedure = QStringLiteral("SA_UpdateCusCreditSum");
    QVariantList codes;
    for (int row = 0; row <= targets.RecordCount(); ++row) {
        const bool last = row == targets.RecordCount();
        if (!last && targets.valueAt(row, 1).toBool())
            codes.append(targets.valueAt(row, 0));
        if (codes.isEmpty() || (!last && codes.size() < kCodesPerCall))
            continue;
        QVariant result;
        if (!g_oSrv->ExecPROCNew(procedure, codes, result, 0))
            return false;
        codes.clear();
    }
    return true;
}

} // namespace customer
