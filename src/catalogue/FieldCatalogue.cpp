#include "catalogue/FieldCatalogue.h"

#include "catalogue/CustomerFieldTable.h"
#include "catalogue/KeyOrder.h"
#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <optional>

namespace customer {

namespace {

const QString kItemSeparator = QStringLiteral("{#}");
const QString kListSeparator = QStringLiteral("{##}");
// With every module started and all user-defined fields named, the catalogue runs to about
// 12,000 characters; reserving ahead keeps the appends from copying it again and again.
constexpr qsizetype kCatalogueCapacity = 16 * 1024;

QString attr(const QString &value)
{
    return suite::escapeXmlAttribute(value);
}

// The data service has recorded why a statement failed; the build only has to stop.
std::optional<suite::RecordSet> open(const QString &sql)
{
    suite::RecordSet rs = g_oSrv->OpenX(sql);
    return rs.IsOpen() ? std::optional(rs) : std::nullopt;
}

// The account options and field definitions hold numbers as text; 0 for a null or non-numeric
// value.
std::int16_t numericValue(const QVariant &value)
{
    return static_cast<std::int16_t>(qRound(NullToEmpty(value).trimmed().toDouble()));
}

// The joined values and names of a choice list, each still ending in one separator.
QString joinChoices(QString values, QString names)
{
    values.chop(kItemSeparator.size());
    names.chop(kItemSeparator.size());
    return values + kListSeparator + names;
}

std::optional<QString> readPriceGrades()
{
    std::optional<suite::RecordSet> grades = open(
        QStringLiteral("select cPriceID,cDefaultName,cDefineName from sa_pricedef where bused=1 "));
    if (!grades)
        return std::nullopt;
    grades = InKeyOrder(*grades, QStringLiteral("cPriceID"));
    const int id = grades->FieldIndex(QStringLiteral("cPriceID"));
    const int name = grades->FieldIndex(QStringLiteral("cDefineName"));
    QString values;
    QString names;
    for (int row = 0; row < grades->RecordCount(); ++row) {
        values += NullToEmpty(grades->valueAt(row, id)) + kItemSeparator;
        names += NullToEmpty(grades->valueAt(row, name)) + kItemSeparator;
    }
    if (values.size() <= kItemSeparator.size())
        return QString();
    return joinChoices(values, names);
}

void fillChoiceTexts()
{
    const auto texts = [](std::initializer_list<const char *> keys) {
        QStringList result;
        for (const char *key : keys)
            result.append(g_oPub->GetResString(QString::fromLatin1(key)));
        return result;
    };
    g_aBoolText = texts({ "Tarn.AA.ARCHIVE.COMMON.no", "Tarn.AA.ARCHIVE.COMMON.yes" });
    g_aRetailKind =
        texts({ "Tarn.AA.ARCHIVE.FIELD.retailnotbretail", "Tarn.AA.ARCHIVE.FIELD.retailshop",
                "Tarn.AA.ARCHIVE.FIELD.retailcreditsalecustomer" });
    g_aGspComType =
        texts({ "Tarn.AA.ARCHIVE.COMMON.icomgsptype0", "Tarn.AA.ARCHIVE.COMMON.icomgsptype1",
                "Tarn.AA.ARCHIVE.COMMON.icomgsptype2" });
    g_aGspComType.append(QStringLiteral("医药器械经营企业"));
}

bool readAccountOptions()
{
    const std::optional<suite::RecordSet> rs =
        open(QStringLiteral("select * from AccInformation where cSysID='AA' or cSysID='ST'"));
    if (!rs)
        return false;
    const suite::RecordSet price =
        FilterRs(*rs, QStringLiteral("cSysID='AA' and cID='20' and cName='iStrsPriDecDgt'"));
    const suite::RecordSet mnemonic =
        FilterRs(*rs, QStringLiteral("cSysID='AA' and cName='AutoCreateMnemCodeCustomer'"));
    if (!price.IsOpen() || !mnemonic.IsOpen())
        return false;
    const QVariant decimals = price.Value(QStringLiteral("cValue"));
    g_iPriceDecDgt = !price.Eof() && !decimals.isNull() ? numericValue(decimals) : 2;
    if (!mnemonic.Eof())
        g_bAutoMnemCode = NullToEmpty(mnemonic.Value(QStringLiteral("cValue"))) == u"1";
    return true;
}

bool readCurrencyName()
{
    const std::optional<suite::RecordSet> rs =
        open(QStringLiteral("select top 1 cCurName from kvsystem..ua_account where cAcc_Id='")
             + suite::sqlQuote(GetAccId()) + QStringLiteral("'"));
    if (!rs)
        return false;
    if (rs->RecordCount() == 1)
        g_cCurName = NullToEmpty(rs->Value(QStringLiteral("cCurName")));
    return true;
}

QString withheldFields()
{
    if (!g_cColAuthN.isEmpty() && !g_cColAuthR.isEmpty())
        return g_cColAuthN + QStringLiteral(",") + g_cColAuthR;
    return g_cColAuthN.isEmpty() ? g_cColAuthR : g_cColAuthN;
}

// What the catalogue is of: the list's main table and the key of its column dictionary.
struct CatalogueSubject
{
    QString mainTable;
    QString dictionaryKey;
};

void appendRoot(QString &xml, const CatalogueSubject &subject)
{
    xml += u'<' + subject.mainTable + QStringLiteral(" bWeb='")
        + (g_bIsWeb ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral("' url='")
        + attr(g_cRefUrl) + QStringLiteral("' noauthflds='") + attr(withheldFields())
        + QStringLiteral("'>");
}

bool isWritten(const CustomerField &field)
{
    switch (field.group) {
    case FieldGroup::Gsp:
        return g_bGspStarted;
    case FieldGroup::Export:
        return g_bExStarted;
    case FieldGroup::Always:
        break;
    }
    return true;
}

// The field's attribute text with its value filled in; nothing when that value cannot be read.
std::optional<QString> attributesOf(const CustomerField &field)
{
    const QString attributes = field.attributes.toString();
    switch (field.value) {
    case FieldValue::None:
        return attributes;
    case FieldValue::TaxRateDigits:
        return attributes.arg(g_iTaxRateDigits);
    case FieldValue::RetailKinds:
        return attributes.arg(attr(BuildEnumList(QStringLiteral("0,1,2"), g_aRetailKind)));
    case FieldValue::PriceGrades:
        break;
    }
    const std::optional<QString> grades = readPriceGrades();
    return grades ? std::optional(attributes.arg(attr(*grades))) : std::nullopt;
}

// A field the catalogue qualifies with Customer names the list's own main table.
QString elementOf(const CustomerField &field, const CatalogueSubject &subject)
{
    const QString element = field.element.toString();
    if (element.startsWith(u"Customer."))
        return subject.mainTable + element.mid(8);
    return element;
}

// One of the staging table's own columns the list shows: the transfer's message, beside the
// name so that a refused row shows why, and the row number last, which the transfer reads from
// the ticked rows.
void appendStagingField(QString &xml, const suite::RecordSet &rsMeta, const QString &field)
{
    xml += u'<' + field + QStringLiteral(" showfldname='")
        + attr(g_oPub->GetFldCaption(rsMeta, field))
        + QStringLiteral("'  reftype='' cRefID='' cRetFld='' cShowFld='' bmulmodify='0'"
                         " bBadStrException='0'/>");
}

std::optional<suite::RecordSet> openColumnDictionary(const CatalogueSubject &subject)
{
    return open(QStringLiteral("select * from KvMeta_") + GetAccId()
                + QStringLiteral("..aa_columndic where ckey='")
                + suite::sqlQuote(subject.dictionaryKey) + u'\'');
}

bool appendOwnFields(QString &xml, const CatalogueSubject &subject)
{
    const std::optional<suite::RecordSet> rsMeta = openColumnDictionary(subject);
    if (!rsMeta)
        return false;
    const bool isArchive = subject.mainTable.compare(u"Customer", Qt::CaseInsensitive) == 0;
    for (const CustomerField &field : customerFields()) {
        if (!isWritten(field))
            continue;
        const std::optional<QString> attributes = attributesOf(field);
        if (!attributes)
            return false;
        const QString caption = g_oPub->GetFldCaption(*rsMeta, captionKeyOf(field).toString());
        xml += u'<';
        xml += elementOf(field, subject);
        xml += QStringLiteral(" showfldname='") + attr(caption) + QStringLiteral("'  ");
        xml += *attributes;
        xml += QStringLiteral("/>");
        if (!isArchive && captionKeyOf(field).compare(u"cCusName", Qt::CaseInsensitive) == 0)
            appendStagingField(xml, *rsMeta, QStringLiteral("cErrorMsg"));
    }
    return true;
}

// The row number closes the catalogue, after the user-defined fields, so that the default
// column set ends with the column the statement reads last.
bool appendStagingFieldsOf(QString &xml, const CatalogueSubject &subject)
{
    if (subject.mainTable.compare(u"Customer", Qt::CaseInsensitive) == 0)
        return true;
    const std::optional<suite::RecordSet> rsMeta = openColumnDictionary(subject);
    if (!rsMeta)
        return false;
    appendStagingField(xml, *rsMeta, QStringLiteral("AutoID"));
    return true;
}

QString plainTail()
{
    return QStringLiteral(
        "'  reftype='' cRefID='' cRetFld='' cShowFld='' bmulmodify='1' bBadStrException='0'/>");
}

QString dateTail(const QString &reftype)
{
    return QStringLiteral("'  reftype='") + reftype
        + QStringLiteral(
               "' cRefID='' cRetFld='' cShowFld='' bmulmodify='1' bBadStrException='0'/>");
}

QString decimalsTail(const QString &digits)
{
    return QStringLiteral("'  reftype='decdgt'  decdgt='") + attr(digits)
        + QStringLiteral("' bmulmodify='1' bBadStrException='0'/>");
}

QString archiveTail(const suite::RecordSet &rsDef)
{
    return QStringLiteral("'  reftype='ref' cRefID='")
        + attr(NullToEmpty(rsDef.Value(QStringLiteral("cID"))))
        + QStringLiteral("'  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>");
}

QString userFieldTail(int number, const suite::RecordSet &item)
{
    if (number <= 10)
        return archiveTail(item);
    if (number <= 12)
        return plainTail();
    if (number <= 14) {
        const std::int16_t digits = numericValue(item.Value(QStringLiteral("iDecimalDigits")));
        (number == 13 ? g_iDefine13Digits : g_iDefine14Digits) = digits;
        return decimalsTail(QString::number(digits));
    }
    return dateTail(QStringLiteral("date"));
}

bool appendUserFields(QString &xml, const suite::RecordSet &rsDef)
{
    for (int number = 1; number <= 16; ++number) {
        const suite::RecordSet item =
            FilterRs(rsDef, QStringLiteral("CItem='自定义项%1'").arg(number));
        if (!item.IsOpen())
            return false;
        const QString caption = NullToEmpty(item.Value(QStringLiteral("cItemName")));
        if (caption.isEmpty())
            continue;
        xml += QStringLiteral("<cCusDefine%1 showfldname='").arg(number) + attr(caption)
            + userFieldTail(number, item);
    }
    return true;
}

// The tail of an extended field by its type; nothing for a type the catalogue does not know.
std::optional<QString> extendedFieldTail(const suite::RecordSet &item)
{
    const QString type = NullToEmpty(item.Value(QStringLiteral("cType")));
    if (type == u"文本")
        return archiveTail(item);
    if (type == u"整型")
        return plainTail();
    if (type == u"日期")
        return dateTail(QStringLiteral("date"));
    if (type == u"数字")
        return decimalsTail(NullToEmpty(item.Value(QStringLiteral("iDecimalDigits"))));
    if (type == u"日期时间")
        return dateTail(QStringLiteral("datetime"));
    return std::nullopt;
}

bool appendExtendedFields(QString &xml, const suite::RecordSet &rsDef)
{
    suite::RecordSet items = InKeyOrder(
        FilterRs(rsDef, QStringLiteral("cDicDbName like 'cCDefine%'")), QStringLiteral("CItem"));
    if (!items.IsOpen())
        return false;
    int number = 0;
    for (items.MoveFirst(); !items.Eof(); items.MoveNext()) {
        ++number;
        const std::optional<QString> tail = extendedFieldTail(items);
        if (!tail)
            continue;
        xml += QStringLiteral("<Customer_extradefine.cCDefine%1 showfldname='").arg(number)
            + attr(NullToEmpty(items.Value(QStringLiteral("cItemName")))) + *tail;
    }
    return true;
}

bool buildCatalogue(QString &xml, const CatalogueSubject &subject)
{
    xml.reserve(kCatalogueCapacity);
    appendRoot(xml, subject);
    if (!appendOwnFields(xml, subject))
        return false;
    const std::optional<suite::RecordSet> rsDef =
        open(QStringLiteral("select * from userdef where cClass='客户'"));
    if (!rsDef || !appendUserFields(xml, *rsDef) || !appendExtendedFields(xml, *rsDef)
        || !appendStagingFieldsOf(xml, subject))
        return false;
    xml += QStringLiteral("</") + subject.mainTable + u'>';
    return true;
}

QString styleText()
{
    const QString money = QString::number(g_iPriceDecDgt);
    return QStringLiteral("<Style><iOfferRate>2</iOfferRate><iCusDisRate>2</iCusDisRate>"
                          "<iCusCreLine>2</iCusCreLine>")
        + QStringLiteral("<iARMoney>") + money + QStringLiteral("</iARMoney>")
        + QStringLiteral("<iLastMoney>") + money + QStringLiteral("</iLastMoney>")
        + QStringLiteral("<iLRMoney>") + money + QStringLiteral("</iLRMoney>")
        + QStringLiteral("<CCusDefine13>") + QString::number(g_iDefine13Digits)
        + QStringLiteral("</CCusDefine13>") + QStringLiteral("<CCusDefine14>")
        + QString::number(g_iDefine14Digits) + QStringLiteral("</CCusDefine14></Style>");
}

void buildStyle()
{
    QString style = styleText();
    g_oPub->UtoLCase(style);
    suite::XmlDocument document;
    if (document.loadXml(style))
        g_oColStyle = document.documentElement();
    else
        ShowInfoMsg(g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.xmlloaderror")));
}

} // namespace

void BuildColInfo(const QString &mainTable, const QString &dictionaryKey)
{
    if (!g_oPub || !g_oSrv) {
        suite::ErrorLog::instance().error(QStringLiteral("BuildColInfo"),
                                          QStringLiteral("the session services are not created"));
        return;
    }
    fillChoiceTexts();
    if (!readAccountOptions() || !readCurrencyName())
        return;
    QString xml;
    if (!buildCatalogue(xml, { mainTable, dictionaryKey }))
        return;
    g_cFieldCatalogXml = xml;
    buildStyle();
}

QString BuildPriceGradeEnum()
{
    if (!g_oSrv)
        return {};
    return readPriceGrades().value_or(QString());
}

QString BuildEnumList(const QString &cValues, const QStringList &aNames)
{
    const QStringList values = cValues.split(u',');
    const QStringList &names = aNames.size() == 1 ? values : aNames;
    if (names.isEmpty())
        return {};
    QString valueText;
    QString nameText;
    for (qsizetype index = 0; index < names.size(); ++index) {
        valueText += values.value(index) + kItemSeparator;
        nameText += names.at(index) + kItemSeparator;
    }
    return joinChoices(valueText, nameText);
}

QString NullToEmpty(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

suite::RecordSet FilterRs(suite::RecordSet rs, const QString &cFilter)
{
    QString sMsg;
    if (rs.SetFilter(cFilter, sMsg))
        return rs;
    suite::ErrorLog::instance().error(QStringLiteral("FilterRs"),
                                      cFilter + QStringLiteral(": ") + sMsg);
    return {};
}

} // namespace customer
