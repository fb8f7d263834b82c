// The rights members of the public service: clauses come from the login's rights objects, the
// column rights of other users from the company database.
#include "suite/pub/ClsPub.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/login/IRowAuth.h"
#include "suite/pub/ArchiveCodeColumns.h"
#include "suite/pub/FieldAuthLevel.h"

namespace suite {

namespace {

constexpr const char *kWhere = "TarnPub.IPub.rights";
// What a rights clause is when the rights cannot be known: no record passes.
const QString kNothing = QStringLiteral("1=2");
const QString kEverything = QStringLiteral("1=1");

QString orEverything(const QString &condition)
{
    return condition.trimmed().isEmpty() ? kEverything : condition;
}

// Column rights bind users who are not administrators, as the login's column-rights object has it.
QString columnRightsSql(const QString &select, const QString &cUserId, const QString &cBusObj)
{
    return QStringLiteral("select %1 from AA_HoldColAuth h where h.cUser_Id=%2"
                          " and lower(h.cBusObId)=%3 and not exists (select 1 from"
                          " kvsystem..ua_user u where u.cUser_Id=h.cUser_Id and u.bAdmin=1)")
        .arg(select, sqlUnicode(cUserId), sqlUnicode(cBusObj.toLower()));
}

// Deleting needs the same rights as changing.
QString rowFunction(const QString &cFunc)
{
    const QString function = cFunc.toUpper();
    return function == u"D" ? QStringLiteral("W") : function;
}

} // namespace

std::shared_ptr<IRowAuth> ClsPub::loginRowAuth() const
{
    return m_login ? m_login->RowAuth() : nullptr;
}

bool ClsPub::NeedControlAuth(const std::shared_ptr<IClsCommon> &oSrv, const QString &cBusObj)
{
    if (!oSrv || !m_login)
        return false;
    return hasRow(*oSrv, columnRightsSql(QStringLiteral("1"), m_login->cUserId(), cBusObj), kWhere);
}

QString ClsPub::GetFldAuthString(const QString &cBusObj, const QString &cFunc,
                                 const std::shared_ptr<IClsCommon> &oSrv, const QString &,
                                 const QString &cUserId)
{
    if (!oSrv)
        return {};
    const RecordSet fields =
        oSrv->OpenX(columnRightsSql(QStringLiteral("h.cFieldName"), cUserId, cBusObj)
                    + QStringLiteral(" and upper(h.cLevel)=%1 order by h.AutoID")
                          .arg(sqlUnicode(cFunc.toUpper())));
    if (!fields.IsOpen()) {
        ErrorLog::instance().error(kWhere, oSrv->LastError());
        return {};
    }
    QStringList names;
    for (int row = 0; row < fields.RecordCount(); ++row)
        names.append(fields.valueAt(row, 0).toString());
    return names.join(u',');
}

QString ClsPub::GetGetAuthString(const std::shared_ptr<IRowAuth> &oRowAuth, const QString &cTable,
                                 const std::optional<QString> &cFunc,
                                 const std::optional<QString> &cClass, const QString &cAlias)
{
    if (!oRowAuth) {
        ErrorLog::instance().error(kWhere,
                                   QStringLiteral("no row-rights object for %1").arg(cTable));
        return kNothing;
    }
    const QString table = cAlias.isEmpty() ? cTable : cAlias;
    const QString rights = orEverything(oRowAuth->rowCondition(table, cFunc.value_or(QString())));
    if (!cClass || cClass->isEmpty())
        return rights;
    return QStringLiteral("(%1) and %2.cCCCode like %3")
        .arg(rights, table, sqlUnicode(*cClass + u'%'));
}

QString ClsPub::GetGetAuthStringCode(const std::shared_ptr<IRowAuth> &oRowAuth,
                                     const QString &cKind)
{
    if (!oRowAuth) {
        ErrorLog::instance().error(kWhere,
                                   QStringLiteral("no row-rights object for %1").arg(cKind));
        return kNothing;
    }
    return orEverything(oRowAuth->codeList(cKind));
}

int ClsPub::GetSpecialVersionType(const std::shared_ptr<IClsCommon> &oSrv)
{
    if (!oSrv)
        return 0;
    const RecordSet option =
        oSrv->OpenX(QStringLiteral("select cValue from AccInformation where cSysID=N'AA'"
                                   " and cName=N'iSpecialVersion'"));
    if (!option.IsOpen())
        ErrorLog::instance().error(kWhere, oSrv->LastError());
    if (!option.IsOpen() || option.RecordCount() == 0)
        return 0;
    return option.valueAt(0, 0).toString().trimmed().toInt();
}

QString ClsPub::GetAuthStringCodeWeb(const QString &cBusObId, const std::shared_ptr<IClsCommon> &,
                                     const QString &cUserId, const QString &cClassCode,
                                     const QString &cFuncID, bool bIsUserCode)
{
    const std::shared_ptr<IRowAuth> rights = loginRowAuth();
    if (!rights || m_login->cUserId().compare(cUserId, Qt::CaseInsensitive) != 0) {
        ErrorLog::instance().error(
            kWhere, QStringLiteral("the rights of %1 are not those of the login").arg(cUserId));
        return kNothing;
    }
    return orEverything(rights->GetAuthStringCode(cBusObId, cClassCode, cFuncID, bIsUserCode));
}

bool ClsPub::CheckAuth(const std::shared_ptr<IClsCommon> &oSrv, const QVariant &vKey,
                       const QString &cObject, const std::shared_ptr<IRowAuth> &oRowAuth)
{
    const bool byRightsClass =
        vKey.typeId() == QMetaType::Int || vKey.typeId() == QMetaType::LongLong;
    if (!byRightsClass)
        return CheckAuthByCode(oSrv, oRowAuth, cObject, vKey, std::nullopt, QStringLiteral("W"));
    const QString table = archiveTableName(cObject);
    if (!oSrv || !oRowAuth || table.isEmpty())
        return false;
    // iId is a text column: a server compares it with a number only as text.
    return hasRow(*oSrv,
                  QStringLiteral("select 1 from %1 where %1.iId='%2' and (%3)")
                      .arg(table, QString::number(vKey.toLongLong()),
                           orEverything(oRowAuth->rowCondition(table, QStringLiteral("W")))),
                  kWhere);
}

bool ClsPub::CheckAuthByCode(const std::shared_ptr<IClsCommon> &oSrv,
                             const std::shared_ptr<IRowAuth> &oRowAuth, const QString &cObject,
                             const QVariant &vId, const std::optional<QString> &cClass,
                             const QString &cFunc)
{
    const QString table = archiveTableName(cObject);
    if (!oSrv || !oRowAuth || table.isEmpty()) {
        ErrorLog::instance().error(
            kWhere, QStringLiteral("the rights on %1 cannot be checked").arg(cObject));
        return false;
    }
    const QString rights = table == u"Customer"
        ? GetGetAuthString(oRowAuth, table, rowFunction(cFunc), cClass, QString())
        : orEverything(oRowAuth->GetAuthString(table));
    return hasRow(*oSrv,
                  QStringLiteral("select 1 from %1 where %1.%2=%3 and (%4)")
                      .arg(table, archiveCodeColumn(table), sqlUnicode(vId.toString()), rights),
                  kWhere);
}

// The form is the card the control sits on; the control alone carries the state.
int ClsPub::ConAuthSet(QWidget *, QWidget *control, const QString &cField, const QString &cColAuthR,
                       const QString &cColAuthN)
{
    const FieldAuthLevel level = fieldAuthLevel(cField, cColAuthR, cColAuthN);
    applyFieldAuthLevel(control, level);
    return level;
}

} // namespace suite
