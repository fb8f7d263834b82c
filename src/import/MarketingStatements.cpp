#include "import/MarketingStatements.h"

#include "import/UrlEncode.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"

#include <QStringList>

#include <optional>

namespace customer::marketing {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
// Short names are at most this long; a record without one takes the start of its name.
constexpr int kAbbreviationLength = 60;

// The columns of the staging table in its order, with their types as a definition writes them.
struct ColumnDefinition
{
    const char *name;
    const char *type;
};

constexpr ColumnDefinition kStagingColumns[] = {
    { "cCusCode", "[nvarchar](20)" },
    { "cCusName", "[nvarchar](98)" },
    { "cCusAbbName", "[nvarchar](60)" },
    { "cCCCode", "[nvarchar](12)" },
    { "cDCCode", "[nvarchar](12)" },
    { "cTrade", "[nvarchar](50)" },
    { "cCusAddress", "[nvarchar](255)" },
    { "cCusPostCode", "[nvarchar](20)" },
    { "cCusRegCode", "[nvarchar](50)" },
    { "cCusBank", "[nvarchar](100)" },
    { "cCusAccount", "[nvarchar](50)" },
    { "dCusDevDate", "[datetime]" },
    { "cCusLPerson", "[nvarchar](100)" },
    { "cCusEmail", "[nvarchar](100)" },
    { "cCusPerson", "[nvarchar](50)" },
    { "cCusPhone", "[nvarchar](100)" },
    { "cCusFax", "[nvarchar](100)" },
    { "cCusBP", "[nvarchar](20)" },
    { "cCusHand", "[nvarchar](100)" },
    { "cCusPPerson", "[nvarchar](20)" },
    { "iCusDisRate", "[float]" },
    { "cCusCreGrade", "[nvarchar](6)" },
    { "iCusCreLine", "[float]" },
    { "iCusCreDate", "[int]" },
    { "cCusPayCond", "[nvarchar](20)" },
    { "cCusOAddress", "[nvarchar](255)" },
    { "cCusOType", "[nvarchar](10)" },
    { "cCusHeadCode", "[nvarchar](20)" },
    { "cCusWhCode", "[nvarchar](10)" },
    { "cCusDepart", "[nvarchar](12)" },
    { "iARMoney", "[float]" },
    { "dLastDate", "[datetime]" },
    { "iLastMoney", "[float]" },
    { "dLRDate", "[datetime]" },
    { "iLRMoney", "[float]" },
    { "dEndDate", "[datetime]" },
    { "iFrequency", "[int]" },
    { "cCusDefine1", "[nvarchar](20)" },
    { "cCusDefine2", "[nvarchar](20)" },
    { "cCusDefine3", "[nvarchar](20)" },
    { "iCostGrade", "[smallint]" },
    { "cCreatePerson", "[nvarchar](20)" },
    { "cModifyPerson", "[nvarchar](20)" },
    { "dModifyDate", "[datetime]" },
    { "cRelVendor", "[nvarchar](20)" },
    { "iId", "[nvarchar](40)" },
    { "cPriceGroup", "[nvarchar](20)" },
    { "cOfferGrade", "[nvarchar](20)" },
    { "iOfferRate", "[float]" },
    { "cCusDefine4", "[nvarchar](60)" },
    { "cCusDefine5", "[nvarchar](60)" },
    { "cCusDefine6", "[nvarchar](60)" },
    { "cCusDefine7", "[nvarchar](120)" },
    { "cCusDefine8", "[nvarchar](120)" },
    { "cCusDefine9", "[nvarchar](120)" },
    { "cCusDefine10", "[nvarchar](120)" },
    { "cCusDefine11", "[int]" },
    { "cCusDefine12", "[int]" },
    { "cCusDefine13", "[float]" },
    { "cCusDefine14", "[float]" },
    { "cCusDefine15", "[datetime]" },
    { "cCusDefine16", "[datetime]" },
    { "pubkvts", "[timestamp]" },
    { "cInvoiceCompany", "[nvarchar](60)" },
    { "bCredit", "[bit]" },
    { "bCreditDate", "[bit]" },
    { "bCreditByHead", "[bit]" },
    { "bLicenceDate", "[bit]" },
    { "dLicenceSDate", "[datetime]" },
    { "dLicenceEDate", "[datetime]" },
    { "iLicenceADays", "[int]" },
    { "bBusinessDate", "[bit]" },
    { "dBusinessSDate", "[datetime]" },
    { "dBusinessEDate", "[datetime]" },
    { "iBusinessADays", "[int]" },
    { "bProxy", "[bit]" },
    { "dProxySDate", "[datetime]" },
    { "dProxyEDate", "[datetime]" },
    { "iProxyADays", "[int]" },
    { "cMemo", "[nvarchar](1000)" },
    { "bLimitSale", "[bit]" },
    { "cCusContactCode", "[uniqueidentifier]" },
    { "cCusCountryCode", "[nvarchar](10)" },
    { "cCusEnName", "[nvarchar](100)" },
    { "cCusEnAddr1", "[nvarchar](60)" },
    { "cCusEnAddr2", "[nvarchar](60)" },
    { "cCusEnAddr3", "[nvarchar](60)" },
    { "cCusEnAddr4", "[nvarchar](60)" },
    { "cCusPortCode", "[nvarchar](10)" },
    { "cPrimaryVen", "[nvarchar](20)" },
    { "fCommisionRate", "[float]" },
    { "fInsueRate", "[float]" },
    { "bHomeBranch", "[bit]" },
    { "cBranchAddr", "[nvarchar](255)" },
    { "cBranchPhone", "[nvarchar](100)" },
    { "cBranchPerson", "[nvarchar](50)" },
    { "cCusTradeCCode", "[nvarchar](12)" },
    { "CustomerKCode", "[nvarchar](4)" },
    { "bCusState", "[bit]" },
    { "bShop", "[smallint]" },
    { "cCusBankCode", "[nvarchar](50)" },
    { "cCusExch_name", "[nvarchar](50)" },
    { "iCusGSPType", "[smallint]" },
    { "iCusGSPAuth", "[smallint]" },
    { "cCusGSPAuthNo", "[nvarchar](120)" },
    { "cCusBusinessNo", "[nvarchar](120)" },
    { "cCusLicenceNo", "[nvarchar](20)" },
    { "bCusDomestic", "[bit]" },
    { "bCusOverseas", "[bit]" },
    { "cCusCreditCompany", "[nvarchar](20)" },
    { "cCusSAProtocol", "[nvarchar](20)" },
    { "cCusExProtocol", "[nvarchar](20)" },
    { "cCusOtherProtocol", "[nvarchar](20)" },
    { "fCusDiscountRate", "[float]" },
    { "cCusSSCode", "[nvarchar](20)" },
    { "cCusCMProtocol", "[nvarchar](20)" },
    { "dCusCreateDatetime", "[datetime]" },
    { "cCusAppDocNo", "[nvarchar](50)" },
    { "cCusMnemCode", "[nvarchar](98)" },
    { "fAdvancePaymentRatio", "[float]" },
    { "bServiceAttribute", "[bit]" },
    { "bRequestSign", "[bit]" },
    { "bOnGPinStore", "[bit]" },
    { "cCusMngTypeCode", "[nvarchar](32)" },
    { "account_type", "[numeric](22, 0)" },
    { "cCusImAgentProtocol", "[nvarchar](20)" },
    { "iSourceType", "[smallint]" },
    { "iSourceId", "[varchar](20)" },
    { "fExpense", "[float]" },
    { "fApprovedExpense", "[float]" },
    { "dTouchedTime", "[datetime]" },
    { "dRecentlyInvoiceTime", "[datetime]" },
    { "dRecentlyQuoteTime", "[datetime]" },
    { "dRecentlyActivityTime", "[datetime]" },
    { "dRecentlyChanceTime", "[datetime]" },
    { "dRecentlyContractTime", "[datetime]" },
    { "cLtcCustomerCode", "[nvarchar](100)" },
    { "bTransFlag", "[bit]" },
    { "cLtcPerson", "[nvarchar](40)" },
    { "dLtcDate", "[datetime]" },
    { "cLocationSite", "[nvarchar](128)" },
    { "iCusTaxRate", "[float]" },
    { "alloct_dept_time", "[datetime]" },
    { "allot_user_time", "[datetime]" },
    { "recyle_dept_time", "[datetime]" },
    { "recyle_pub_time", "[datetime]" },
    { "cLicenceNo", "[nvarchar](120)" },
    { "cLicenceRange", "[nvarchar](255)" },
    { "cCusBusinessRange", "[nvarchar](255)" },
    { "cCusGSPAuthRange", "[nvarchar](255)" },
    { "dCusGSPEDate", "[datetime]" },
    { "dCusGSPSDate", "[datetime]" },
    { "iCusGSPADays", "[int]" },
    { "bIsCusAttachFile", "[bit]" },
    { "dRecentContractDate", "[datetime]" },
    { "dRecentDeliveryDate", "[datetime]" },
    { "dRecentOutboundDate", "[datetime]" },
    { "cProvince", "[nvarchar](255)" },
    { "cCity", "[nvarchar](255)" },
    { "cCounty", "[nvarchar](255)" },
    { "cCusAddressGUID", "[uniqueidentifier]" },
    { "cAddCode", "[nvarchar](30)" },
    { "cState", "[nvarchar](20)" },
    { "cSelCol", "[nvarchar](10)" },
    { "cErrorMsg", "[nvarchar](500)" },
};

// The staging column of each element of a record besides ID, Lat and Lng, which come first.
struct ElementColumn
{
    const char *element;
    const char *column;
};

constexpr ElementColumn kElementColumns[] = {
    { "TarnCode", "cCusCode" },
    { "Name", "cCusName" },
    { "ShortName", "cCusAbbName" },
    { "Address", "cCusAddress" },
    { "Phone", "cCusPhone" },
    { "OwnerID", "cCusPPerson" },
    { "CreatedByID", "cCreatePerson" },
    { "CreatedTime", "dCusCreateDatetime" },
    { "ModifiedByID", "cModifyPerson" },
    { "ModifiedTime", "dModifyDate" },
    { "Bank", "cCusBank" },
    { "BankAccount", "cCusAccount" },
    { "Email", "cCusEmail" },
    { "Beizhu", "cMemo" },
    { "Fax", "cCusFax" },
};

// The staging table's date columns are named with a leading 'd'. A time the service leaves
// empty is no time: NULL, since an empty text is no date (and SQL Server would read 1900-01-01).
bool holdsTime(const char *column)
{
    return column[0] == 'd';
}

bool named(const QString &element, const char *name)
{
    return element.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0;
}

const char *columnOf(const QString &element)
{
    for (const ElementColumn &mapped : kElementColumns) {
        if (named(element, mapped.element))
            return mapped.column;
    }
    return nullptr;
}

// The length a text column of the staging table declares ("[nvarchar](98)"); 0 for a column
// of another type, or not of the table.
int declaredLength(const char *column)
{
    for (const ColumnDefinition &definition : kStagingColumns) {
        if (qstrcmp(definition.name, column) != 0)
            continue;
        const QLatin1StringView type(definition.type);
        if (!type.startsWith(QLatin1StringView("[nvarchar]("))
            && !type.startsWith(QLatin1StringView("[varchar](")))
            return 0;
        return type.sliced(type.indexOf(u'(') + 1).chopped(1).toInt();
    }
    return 0;
}

// The value cut to the column's length, never between the two halves of a character outside
// the basic plane; the column is named in cut when it was.
QString fitted(const QString &value, const char *column, QStringList &cut)
{
    const int length = declaredLength(column);
    if (length == 0 || value.size() <= length)
        return value;
    cut.append(QLatin1StringView(column));
    return value.left(value.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

void appendQuoted(QString &values, const QString &value)
{
    values += u'\'';
    values += value.contains(u'\'') ? suite::sqlQuote(value) : value;
    values += QStringLiteral("',");
}

// The values of a record, each child read once: the source key and the location first, then
// the mapped columns in document order.
struct RecordValues
{
    std::optional<QString> id;
    std::optional<QString> latitude;
    std::optional<QString> longitude;
    std::optional<QString> name;
    QList<std::pair<const char *, QString>> columns;

    explicit RecordValues(const suite::XmlElement &record)
    {
        for (const suite::XmlElement &child : record.childElements()) {
            const QString element = child.name();
            if (named(element, "ID")) {
                if (!id)
                    id = child.text();
            } else if (named(element, "Lat")) {
                if (!latitude)
                    latitude = child.text();
            } else if (named(element, "Lng")) {
                if (!longitude)
                    longitude = child.text();
            } else if (const char *column = columnOf(element); column && !has(column)) {
                columns.append({ column, child.text() });
                if (!name && qstrcmp(column, "cCusName") == 0)
                    name = columns.constLast().second;
            }
        }
    }

    bool has(const char *column) const
    {
        for (const auto &[taken, value] : columns) {
            if (taken == column)
                return true;
        }
        return false;
    }

    QString location() const
    {
        if (!latitude || latitude->isEmpty())
            return {};
        return *latitude + u',' + longitude.value_or(QString());
    }
};

} // namespace

QString customerListPath()
{
    return QStringLiteral("/app/qy.php/Home/CkUpesnMg/getCKCustomerList");
}

QString pageUrl(const QString &baseUrl, int pageNo, const QString &serviceCode,
                const QString &encodedDate)
{
    QString base = baseUrl.trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    return base + customerListPath() + QStringLiteral("?pageNo=") + QString::number(pageNo)
        + QStringLiteral("&rowsPerPage=") + QString::number(kRowsPerPage)
        + QStringLiteral("&entcode=") + URLEncode(serviceCode) + QStringLiteral("&modifyTimeBegin=")
        + encodedDate;
}

QString prepareImportTempTable()
{
    QStringList definitions;
    for (const ColumnDefinition &column : kStagingColumns)
        definitions.append(
            QStringLiteral("[%1] %2 NULL")
                .arg(QLatin1StringView(column.name), QLatin1StringView(column.type)));
    return QStringLiteral("if OBJECT_ID(N'tempdb..#customer_import') is not null") + kLineBreak
        + QStringLiteral("truncate table #customer_import") + kLineBreak + QStringLiteral("Else")
        + kLineBreak + QStringLiteral("CREATE TABLE #customer_import(")
        + definitions.join(u',' + kLineBreak) + u')';
}

QString lastModifyDateStatement()
{
    return QStringLiteral("select isnull(max(dModifyDate),'1900-01-01') from customer_import");
}

int sourceIdLength()
{
    return declaredLength("iSourceId");
}

RecordInsert recordInsert(const suite::XmlElement &record)
{
    const RecordValues fields(record);
    RecordInsert insert;
    insert.id = fields.id.value_or(QString());
    if (insert.id.size() > sourceIdLength())
        return insert;
    QString columns = QStringLiteral("iSourceId,iSourceType,cLocationSite,");
    QString values;
    values.reserve(256);
    appendQuoted(values, insert.id);
    values += QString::number(kSourceType) + u',';
    appendQuoted(values, fitted(fields.location(), "cLocationSite", insert.cutColumns));
    for (const auto &[column, value] : fields.columns) {
        columns += QLatin1StringView(column) + u',';
        if (value.isEmpty() && qstrcmp(column, "cCusAbbName") == 0)
            appendQuoted(values, fields.name.value_or(QString()).left(kAbbreviationLength));
        else if (value.isEmpty() && holdsTime(column))
            values += QStringLiteral("NULL,");
        else
            appendQuoted(values, fitted(value, column, insert.cutColumns));
    }
    columns.chop(1);
    values.chop(1);
    insert.statement = QStringLiteral("insert into #customer_import (") + columns
        + QStringLiteral(")values(") + values + u')';
    return insert;
}

QString newRecordsCount()
{
    return QStringLiteral("select count(*) from #customer_import tmp left join customer_import on "
                          "tmp.iSourceId= customer_import.iSourceId and tmp.iSourceType= "
                          "customer_import.iSourceType where customer_import.iSourceId Is Null");
}

// The location of a record lands with it: the service sends it, and the map shows it.
QString mergeNewRecords()
{
    const QStringList pieces{
        QStringLiteral("insert into customer_import(iSourceId,iSourceType,cCusMngTypeCode,cCusCode,"
                       "cCusName,cCusAbbName,cCusAddress,cCusPhone,"),
        QStringLiteral("cCusPPerson,cCreatePerson,dCusCreateDatetime,cModifyPerson,dModifyDate,"
                       "cCusBank,cCusAccount,cCusEmail,cMemo,cCusFax,cLocationSite)"),
        QStringLiteral("select tmp.iSourceId,tmp.iSourceType,tmp.cCusMngTypeCode,tmp.cCusCode,"
                       "tmp.cCusName,tmp.cCusAbbName,tmp.cCusAddress,tmp.cCusPhone,"),
        QStringLiteral("tmp.cCusPPerson,tmp.cCreatePerson,tmp.dCusCreateDatetime,tmp.cModifyPerson,"
                       "tmp.dModifyDate,tmp.cCusBank,tmp.cCusAccount,tmp.cCusEmail,"),
        QStringLiteral(
            "tmp.cMemo,tmp.cCusFax,tmp.cLocationSite from  #customer_import tmp left join "
            "customer_import "
            "on tmp.iSourceId= customer_import.iSourceId and tmp.iSourceType= "
            "customer_import.iSourceType"),
        QStringLiteral("Where customer_import.iSourceId Is Null And customer_import.iSourceType Is "
                       "Null"),
    };
    return pieces.join(kLineBreak);
}

// A staging row keeps its archive code and customer type when the service brings none: the
// code is what a transfer wrote back, and without it the next transfer would add the customer
// to the archive a second time. The location is updated with the rest.
QString mergeKnownRecords()
{
    const QStringList pieces{
        QStringLiteral("update customer_import"),
        QStringLiteral("set cCusMngTypeCode=isnull(tmp.cCusMngTypeCode,customer_import."
                       "cCusMngTypeCode),cCusCode=isnull(nullif(tmp.cCusCode,''),customer_import."
                       "cCusCode),"),
        QStringLiteral("cCusName=tmp.cCusName,cCusAbbName=tmp.cCusAbbName,"),
        QStringLiteral("cCusAddress=tmp.cCusAddress,cCusPhone=tmp.cCusPhone ,"),
        QStringLiteral("cCusPPerson=tmp.cCusPPerson,cCreatePerson=tmp.cCreatePerson ,"),
        QStringLiteral(
            "dCusCreateDatetime=tmp.dCusCreateDatetime,cModifyPerson=tmp.cModifyPerson ,"),
        QStringLiteral("dModifyDate=tmp.dModifyDate,cCusBank=tmp.cCusBank ,"),
        QStringLiteral("cCusAccount=tmp.cCusAccount,cCusEmail=tmp.cCusEmail,"),
        QStringLiteral("cMemo=tmp.cMemo,cCusFax=tmp.cCusFax,cLocationSite=tmp.cLocationSite"),
        QStringLiteral("from #customer_import tmp inner join  customer_import on "
                       "tmp.iSourceId=customer_import.iSourceId and "
                       "tmp.iSourceType=customer_import.iSourceType"),
    };
    return pieces.join(kLineBreak);
}

} // namespace customer::marketing
