#include "batch/BatchModifyStatements.h"

#include "suite/core/SqlQuote.h"

#include <QStringList>

namespace customer::BatchModifyStatements {

namespace {

using suite::sqlQuote;

const QString kJoin =
    QStringLiteral(" from customer inner join Customer_extradefine on customer.cCusCode "
                   "=Customer_extradefine.cCusCode where ");
const QString kUserFieldPrefix = QStringLiteral("customer_extradefine.ccdefine");

QString joinedWhere(const QString &condition, const QString &rights)
{
    return kJoin + condition + QStringLiteral(" and ") + rights;
}

QString head(const QString &userName)
{
    return QStringLiteral("update customer set cModifyPerson='") + sqlQuote(userName)
        + QStringLiteral("' ,DModifyDate=getdate(), ");
}

bool isField(const QString &field, const char *bare)
{
    const QString name = field.toLower();
    const QString wanted = QString::fromLatin1(bare).toLower();
    return name == wanted || name == QStringLiteral("customer.") + wanted;
}

// The user-defined fields live in Customer_extradefine: that row is updated, then the customer
// is marked as modified.
QString userFieldUpdate(const QString &field, const QString &value, const QString &condition,
                        const QString &rights, const QString &userName)
{
    const QString where =
        QStringLiteral(" from customer with(nolock) inner join Customer_extradefine on "
                       "customer.cCusCode =Customer_extradefine.cCusCode where ")
        + condition + QStringLiteral(" and ") + rights;
    return QStringLiteral("update Customer_extradefine set ") + field + u'='
        + valueExpression(value) + where + u'\r'
        + QStringLiteral("update customer set cModifyPerson='") + sqlQuote(userName)
        + QStringLiteral("' ,DModifyDate=getdate()  from customer with(nolock) inner join "
                         "Customer_extradefine on customer.cCusCode =Customer_extradefine.cCusCode"
                         "  where ")
        + condition + QStringLiteral(" and ") + rights;
}

bool isArchive(const QString &mainTable)
{
    return mainTable.compare(kArchiveTable, Qt::CaseInsensitive) == 0;
}

// A table of its own has no companion to join: its rows are updated alone, the field set by its
// bare column name.
QString singleTableUpdate(const QString &field, const QString &value, const QString &condition,
                          const QString &rights, const QString &userName,
                          const QString &rightsFragment, const QString &mainTable)
{
    const QString column = field.section(u'.', -1);
    const bool blank = value.trimmed().isEmpty();
    QString assignment = column + u'=' + valueExpression(value) + rightsFragment;
    if (blank && isField(column, "cCusName"))
        assignment = column + QStringLiteral("=cCusAbbName");
    else if (blank && isField(column, "cCusCreditCompany"))
        assignment = column + QStringLiteral("=cCusCode");
    else if (isField(column, "ccustradeccode"))
        assignment +=
            QStringLiteral(",cTrade=(select top 1 cTradecName from TradeClass where cTradeCCode=")
            + valueExpression(value) + u')';
    return QStringLiteral("update ") + mainTable + QStringLiteral(" set cModifyPerson='")
        + sqlQuote(userName) + QStringLiteral("' ,DModifyDate=getdate(), ") + assignment
        + QStringLiteral(" where ") + condition + QStringLiteral(" and ") + rights;
}

} // namespace

QString countStatement(const QString &condition, const QString &rights, const QString &mainTable)
{
    if (!isArchive(mainTable))
        return QStringLiteral("select Num=count(*) from ") + mainTable + QStringLiteral(" where ")
            + condition + QStringLiteral(" and ") + rights;
    return QStringLiteral("select Num=count(*) from Customer inner join Customer_extradefine on "
                          "customer.cCusCode =Customer_extradefine.cCusCode where ")
        + condition + QStringLiteral(" and ") + rights;
}

QString targetsStatement(const QString &condition, const QString &rights)
{
    return QStringLiteral("select * from Customer inner join Customer_extradefine on "
                          "customer.cCusCode =Customer_extradefine.cCusCode where ")
        + condition + QStringLiteral(" and ") + rights;
}

QString creditTargetsStatement(const QString &condition, const QString &rights)
{
    return QStringLiteral("select customer.cCusCode, customer.bCredit from Customer inner join "
                          "Customer_extradefine on customer.cCusCode "
                          "=Customer_extradefine.cCusCode where ")
        + condition + QStringLiteral(" and ") + rights;
}

QString valueExpression(const QString &value)
{
    return value.trimmed().isEmpty() ? QStringLiteral("NULL") : suite::sqlQuoted(value);
}

QString updateStatement(const QString &field, const QString &value, const QString &condition,
                        const QString &rights, const QString &userName,
                        const QString &rightsFragment, const QString &mainTable)
{
    if (!isArchive(mainTable))
        return singleTableUpdate(field, value, condition, rights, userName, rightsFragment,
                                 mainTable);
    const bool blank = value.trimmed().isEmpty();
    if (blank && isField(field, "cCusName"))
        return head(userName) + field + QStringLiteral("=cCusAbbName")
            + joinedWhere(condition, rights);
    if (blank && isField(field, "cCusCreditCompany"))
        return head(userName) + field + QStringLiteral("=customer.cCusCode")
            + joinedWhere(condition, rights);
    if (field.left(kUserFieldPrefix.size()).toLower() == kUserFieldPrefix)
        return userFieldUpdate(field, value, condition, rights, userName);
    const QString assignment =
        head(userName) + field + u'=' + valueExpression(value) + rightsFragment;
    if (isField(field, "ccustradeccode"))
        return assignment
            + QStringLiteral(",cTrade=(select top 1 cTradecName from TradeClass where cTradeCCode=")
            + valueExpression(value) + u')' + joinedWhere(condition, rights);
    return assignment + joinedWhere(condition, rights);
}

const QString &salespersonScript()
{
    static const QString script = [] {
        const QStringList lines{
            QStringLiteral("declare @oldPsnNum nvarchar(40)"),
            QStringLiteral("declare @newPsnNum nvarchar(40)"),
            QStringLiteral("declare @userId nvarchar(40)"),
            QStringLiteral("declare @cusCode nvarchar(40)"),
            QStringLiteral("declare @cusContactCode nvarchar(100)"),
            QStringLiteral("declare @contact_Id nvarchar(60)"),
            QStringLiteral("if exists(select 1 from UserHRPersonContro where cPsn_Num=@newPsnNum) "
                           "begin"),
            QStringLiteral(
                "select @userId=cUser_Id from UserHRPersonContro where cPsn_Num=@oldPsnNum"),
            QStringLiteral(
                "delete from customer_user where account_id=@cusCode and user_id=@userId"),
            QStringLiteral("if len(@cusContactCode)>0 begin"),
            QStringLiteral("select @contact_Id =cContactCode from Crm_Contact where "
                           "OID=@cusContactCode"),
            QStringLiteral("and cCusCode=@cusCode"),
            QStringLiteral("delete from crm_contact_User where Contact_Id=@contact_Id and "
                           "User_ID=@userId end"),
            QStringLiteral(
                "select @userId=cUser_Id from UserHRPersonContro where cPsn_Num=@newPsnNum"),
            QStringLiteral("if not exists(select 1 from customer_user where Account_ID=@cusCode "
                           "and User_ID=@userId)"),
            QStringLiteral("insert into customer_user(account_id,user_id,is_self)values(@cusCode,"
                           "@userId,1)"),
            QStringLiteral("if len(@contact_Id)>0 begin"),
            QStringLiteral("if not exists(select 1 from crm_contact_User where "
                           "Contact_Id=@contact_Id and User_ID=@userId)"),
            QStringLiteral(
                "insert into crm_contact_User (Contact_Id,User_ID,Is_Self)values(@contact_Id,"
                "@userId,1)"),
            QStringLiteral(
                "update Crm_Contact set cPrincipal=@newPsnNum where cContactCode=@contact_Id "
                "and OID=@cusContactCode end end"),
        };
        QString text;
        for (const QString &line : lines)
            text += line + QStringLiteral("\r\n");
        return text;
    }();
    return script;
}

QVariantHash salespersonValues(const QString &oldPerson, const QString &newPerson,
                               const QString &customerCode, const QString &contactId)
{
    return { { QStringLiteral("oldPsnNum"), oldPerson },
             { QStringLiteral("newPsnNum"), newPerson },
             { QStringLiteral("cusCode"), customerCode },
             { QStringLiteral("cusContactCode"),
               contactId.isNull() ? QStringLiteral("") : contactId } };
}

const QString &contactMobileStatement()
{
    static const QString statement =
        QStringLiteral("declare @mobile nvarchar(100)\r\ndeclare @contact nvarchar(100)\r\n"
                       "update crm_contact set cMobilePhone=@mobile where OID =@contact");
    return statement;
}

QVariantHash contactMobileValues(const QString &mobile, const QString &contactId)
{
    return { { QStringLiteral("mobile"), mobile }, { QStringLiteral("contact"), contactId } };
}

} // namespace customer::BatchModifyStatements
