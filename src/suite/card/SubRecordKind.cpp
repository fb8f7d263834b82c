#include "suite/card/SubRecordKind.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"

namespace suite {

namespace {

using Type = SubRecordColumn::Type;

SubRecordColumn text(const QString &name, const QString &captionKey, int maxLength,
                     bool required = false)
{
    SubRecordColumn column;
    column.name = name;
    column.captionKey = captionKey;
    column.maxLength = maxLength;
    column.required = required;
    return column;
}

SubRecordColumn guid(const QString &name)
{
    SubRecordColumn column;
    column.name = name;
    column.hiddenGuid = true;
    return column;
}

QString firstValue(IClsCommon &srv, const QString &sql)
{
    RecordSet rows = srv.OpenX(sql);
    if (!rows.IsOpen() || rows.Eof())
        return {};
    return rows.Value(0).toString();
}

SubRecordColumn lookupColumn(const QString &captionKey, const QString &codeColumn,
                             decltype(SubRecordColumn::lookup) lookup)
{
    SubRecordColumn column;
    column.name = codeColumn + QStringLiteral("_name");
    column.captionKey = captionKey;
    column.lookupOf = codeColumn;
    column.lookup = std::move(lookup);
    return column;
}

// A name column read by sql with the code of the stored column at codeIndex in place of {code}.
SubRecordColumn nameOf(const QString &captionKey, const QString &codeColumn, int codeIndex,
                       const QString &sql)
{
    return lookupColumn(
        captionKey, codeColumn, [codeIndex, sql](IClsCommon &srv, const QStringList &values) {
            const QString code = values.value(codeIndex);
            if (code.isEmpty())
                return QString();
            return firstValue(srv,
                              QString(sql).replace(QStringLiteral("{code}"), sqlUnicode(code)));
        });
}

bool isInteger(const QString &value)
{
    bool ok = false;
    value.toInt(&ok);
    return ok;
}

} // namespace

QList<SubRecordColumn> SubRecordKind::storedColumns() const
{
    QList<SubRecordColumn> stored;
    for (const SubRecordColumn &column : columns)
        if (!column.lookup)
            stored.append(column);
    return stored;
}

QList<SubRecordColumn> SubRecordKind::shownColumns() const
{
    QList<SubRecordColumn> shown;
    for (const SubRecordColumn &column : columns)
        if (!column.hiddenGuid)
            shown.append(column);
    return shown;
}

int SubRecordKind::storedIndex(const QString &column) const
{
    const QList<SubRecordColumn> stored = storedColumns();
    for (int i = 0; i < stored.size(); ++i)
        if (stored.at(i).name.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString SubRecordKind::selectSql(const QString &cCusCode) const
{
    QStringList names;
    for (const SubRecordColumn &column : storedColumns())
        names.append(column.name);
    if (!defaultColumn.isEmpty())
        names.append(defaultExpression.isEmpty()
                         ? defaultColumn
                         : QString(defaultExpression)
                               .replace(QStringLiteral("{code}"), sqlUnicode(cCusCode)));
    return QStringLiteral("select %1 from %2 where %3=%4 order by %5")
        .arg(names.join(u','), table, ownerColumn, sqlUnicode(cCusCode), orderColumn);
}

SubRecordKind deliverAddressKind()
{
    SubRecordKind kind;
    kind.id = QStringLiteral("DELIVERADD");
    kind.titleKey = QStringLiteral("Tarn.AA.SUBREC.DELIVERADD.title");
    kind.table = QStringLiteral("CusDeliverAdd");
    kind.ownerColumn = QStringLiteral("cCusCode");
    kind.codeElement = QStringLiteral("ccuscode");
    kind.rightElement = QStringLiteral("rw");
    kind.fragmentRoot = QStringLiteral("Addr");
    kind.columns = {
        text(QStringLiteral("cAddCode"), QStringLiteral("Tarn.AA.SUBREC.DELIVERADD.caddcode"), 30,
             true),
        text(QStringLiteral("cDeliverAdd"), QStringLiteral("Tarn.AA.SUBREC.DELIVERADD.cdeliveradd"),
             255, true),
        text(QStringLiteral("cDeliverUnit"),
             QStringLiteral("Tarn.AA.SUBREC.DELIVERADD.cdeliverunit"), 98),
        text(QStringLiteral("cLinkPerson"), QStringLiteral("Tarn.AA.SUBREC.DELIVERADD.clinkperson"),
             50),
        text(QStringLiteral("cPhone"), QStringLiteral("Tarn.AA.SUBREC.DELIVERADD.cphone"), 100),
        guid(QStringLiteral("cCusAddressGUID")),
    };
    kind.uniqueColumns = { QStringLiteral("cAddCode") };
    kind.defaultColumn = QStringLiteral("bDefault");
    kind.defaultGuidElement = QStringLiteral("GUID");
    return kind;
}

SubRecordKind customerBankKind()
{
    SubRecordKind kind;
    kind.id = QStringLiteral("BANK");
    kind.titleKey = QStringLiteral("Tarn.AA.SUBREC.BANK.title");
    kind.table = QStringLiteral("CustomerBank");
    kind.ownerColumn = QStringLiteral("cCusCode");
    kind.codeElement = QStringLiteral("cCusCode");
    kind.rightElement = QStringLiteral("RW");
    kind.columns = {
        text(QStringLiteral("cBankCode"), QStringLiteral("Tarn.AA.SUBREC.BANK.cbankcode"), 50),
        nameOf(QStringLiteral("Tarn.AA.SUBREC.BANK.cbankname"), QStringLiteral("cBankCode"), 0,
               QStringLiteral("select cBankName from AA_Bank where cBankCode={code}")),
        text(QStringLiteral("cBranch"), QStringLiteral("Tarn.AA.SUBREC.BANK.cbranch"), 100, true),
        text(QStringLiteral("cAccountNum"), QStringLiteral("Tarn.AA.SUBREC.BANK.caccountnum"), 50,
             true),
        text(QStringLiteral("cAccountName"), QStringLiteral("Tarn.AA.SUBREC.BANK.caccountname"),
             98),
    };
    kind.uniqueColumns = { QStringLiteral("cAccountNum") };
    kind.defaultColumn = QStringLiteral("bDefault");
    return kind;
}

SubRecordKind invoiceCorpKind()
{
    SubRecordKind kind;
    kind.id = QStringLiteral("INVOICE");
    kind.titleKey = QStringLiteral("Tarn.AA.SUBREC.INVOICE.title");
    kind.table = QStringLiteral("CustomerInvoiceCorp");
    kind.ownerColumn = QStringLiteral("cCusCode");
    kind.codeElement = QStringLiteral("ccuscode");
    kind.rightElement = QStringLiteral("RW");
    kind.columns = {
        text(QStringLiteral("cInvoiceCompany"),
             QStringLiteral("Tarn.AA.SUBREC.INVOICE.cinvoicecompany"), 20, true),
        nameOf(QStringLiteral("Tarn.AA.SUBREC.INVOICE.ccusname"), QStringLiteral("cInvoiceCompany"),
               0, QStringLiteral("select cCusName from Customer where cCusCode={code}")),
    };
    kind.uniqueColumns = { QStringLiteral("cInvoiceCompany") };
    kind.defaultColumn = QStringLiteral("bDefault");
    return kind;
}

SubRecordKind customerPersonKind()
{
    SubRecordKind kind;
    kind.id = QStringLiteral("PERSON");
    kind.titleKey = QStringLiteral("Tarn.AA.SUBREC.PERSON.title");
    kind.table = QStringLiteral("CustomerPerson");
    kind.ownerColumn = QStringLiteral("cCusCode");
    kind.codeElement = QStringLiteral("ccuscode");
    kind.rightElement = QStringLiteral("RW");
    kind.columns = {
        text(QStringLiteral("cPersonCode"), QStringLiteral("Tarn.AA.SUBREC.PERSON.cpersoncode"), 20,
             true),
        nameOf(QStringLiteral("Tarn.AA.SUBREC.PERSON.cpersonname"), QStringLiteral("cPersonCode"),
               0, QStringLiteral("select cPersonName from Person where cPersonCode={code}")),
    };
    kind.uniqueColumns = { QStringLiteral("cPersonCode") };
    kind.defaultColumn = QStringLiteral("bDefault");
    return kind;
}

SubRecordKind customerRightsKind()
{
    SubRecordKind kind;
    kind.id = QStringLiteral("RIGHTS");
    kind.titleKey = QStringLiteral("Tarn.AA.SUBREC.RIGHTS.title");
    kind.table = QStringLiteral("customer_auth");
    kind.ownerColumn = QStringLiteral("Account_ID");
    kind.codeElement = QStringLiteral("ccuscode");
    kind.rightElement = QStringLiteral("RW");
    SubRecordColumn type = text(QStringLiteral("Privilege_Type"),
                                QStringLiteral("Tarn.AA.SUBREC.RIGHTS.privilege_type"), 0, true);
    type.type = Type::Integer;
    // The type is put into the statement as a number, so only a valid integer is looked up.
    const SubRecordColumn typeName = lookupColumn(
        QStringLiteral("Tarn.AA.SUBREC.RIGHTS.cadtname"), QStringLiteral("Privilege_Type"),
        [](IClsCommon &srv, const QStringList &values) {
            if (!isInteger(values.value(0)))
                return QString();
            return firstValue(
                srv,
                QStringLiteral("select cADTName from V_AA_AuthDimen_Type where iADTID=")
                    + QString::number(values.value(0).toInt()));
        });
    const SubRecordColumn valueName = lookupColumn(
        QStringLiteral("Tarn.AA.SUBREC.RIGHTS.cadname"), QStringLiteral("Privilege_ID"),
        [](IClsCommon &srv, const QStringList &values) {
            if (!isInteger(values.value(0)) || values.value(1).isEmpty())
                return QString();
            return firstValue(
                srv,
                QStringLiteral("select cADName from V_AA_AuthDimen_Sub where "
                               "iADTID=%1 and cADCode=%2")
                    .arg(QString::number(values.value(0).toInt()), sqlUnicode(values.value(1))));
        });
    kind.columns = {
        type,
        typeName,
        text(QStringLiteral("Privilege_ID"), QStringLiteral("Tarn.AA.SUBREC.RIGHTS.privilege_id"),
             50, true),
        valueName,
    };
    kind.uniqueColumns = { QStringLiteral("Privilege_Type"), QStringLiteral("Privilege_ID") };
    return kind;
}

SubRecordKind contactKind()
{
    SubRecordKind kind;
    kind.id = QStringLiteral("CONTACT");
    kind.titleKey = QStringLiteral("Tarn.AA.SUBREC.CONTACT.title");
    kind.table = QStringLiteral("Crm_Contact");
    kind.ownerColumn = QStringLiteral("cCusCode");
    kind.columns = {
        guid(QStringLiteral("OID")),
        text(QStringLiteral("cContactCode"), QStringLiteral("Tarn.AA.SUBREC.CONTACT.ccontactcode"),
             60, true),
        text(QStringLiteral("cContactName"), QStringLiteral("Tarn.AA.SUBREC.CONTACT.ccontactname"),
             50, true),
        text(QStringLiteral("cMobilePhone"), QStringLiteral("Tarn.AA.SUBREC.CONTACT.cmobilephone"),
             100),
        text(QStringLiteral("cOfficePhone"), QStringLiteral("Tarn.AA.SUBREC.CONTACT.cofficephone"),
             100),
        text(QStringLiteral("cEmail"), QStringLiteral("Tarn.AA.SUBREC.CONTACT.cemail"), 100),
    };
    kind.uniqueColumns = { QStringLiteral("cContactCode") };
    // The customer's main contact is the one its cCusContactCode names.
    kind.defaultColumn = QStringLiteral("bDefault");
    kind.defaultExpression =
        QStringLiteral("case when OID=(select cCusContactCode from Customer where cCusCode={code}) "
                       "then 1 else 0 end");
    kind.orderColumn = QStringLiteral("cContactCode");
    return kind;
}

} // namespace suite
