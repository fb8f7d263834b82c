// The archive members of the public service: code numbering, per-user settings, value checks
// of the batch modify, the archive operation log and its hooks.
#include "suite/pub/ClsPub.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/ArchiveCodeColumns.h"
#include "suite/pub/BillNumbering.h"
#include "suite/pub/NextCode.h"

#include <QDate>

namespace suite {

namespace {

constexpr const char *kWhere = "TarnPub.IPub.archive";

QList<ClsPub::MulModifyHook> &mulModifyHooks()
{
    static QList<ClsPub::MulModifyHook> hooks;
    return hooks;
}

QDate parseDate(const QString &text)
{
    static const QStringList formats = { QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d"),
                                         QStringLiteral("yyyy.M.d"), QStringLiteral("yyyyMMdd") };
    for (const QString &format : formats) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    return {};
}

} // namespace

void ClsPub::addMulModifyHook(MulModifyHook hook)
{
    mulModifyHooks().append(std::move(hook));
}

void ClsPub::clearMulModifyHooks()
{
    mulModifyHooks().clear();
}

QString ClsPub::GetBillFormat(const QString &cDBName, const QString &cObject, bool &bAutoCode,
                              bool &bManualChange)
{
    return BillNumbering::GetBillFormat(cDBName, cObject, bAutoCode, bManualChange,
                                        languageRegion());
}

QString ClsPub::GetBillNumber(const std::shared_ptr<IClsCommon> &oSrv, QString &sCodeFormat,
                              QString &sContextXml, const QString &cObject, const QString &,
                              const QString &cCurrentCode, bool)
{
    if (!oSrv)
        return cCurrentCode;
    BillNumbering numbering(*oSrv, languageRegion());
    bool autoCode = false;
    bool manualChange = false;
    sCodeFormat = numbering.GetBillFormat(cObject, autoCode, manualChange);
    QString code;
    QString sMsg;
    if (numbering.GetBillNumber(cObject, sContextXml, code, sMsg))
        return code;
    inform(sMsg);
    return cCurrentCode;
}

QString ClsPub::GetAutoCode(const QString &cSavedCode)
{
    return nextCode(cSavedCode);
}

QString ClsPub::GetRegEdit(const QString &cObj, const QString &cKey, const QString &cDefault, bool,
                           const QString &cUserId)
{
    IClsCommon *service = ownService();
    if (!service)
        return cDefault;
    const RecordSet setting = service->OpenX(
        QStringLiteral("select cValue from AA_UserSetting where cUser_Id=%1 and cObject=%2"
                       " and cKey=%3")
            .arg(sqlUnicode(cUserId), sqlUnicode(cObj), sqlUnicode(cKey)));
    if (!setting.IsOpen())
        ErrorLog::instance().error(kWhere, service->LastError());
    if (!setting.IsOpen() || setting.RecordCount() == 0 || setting.valueAt(0, 0).isNull())
        return cDefault;
    return setting.valueAt(0, 0).toString();
}

bool ClsPub::SaveRegEdit(const QString &cObj, const QString &cKey, const QString &cValue, bool,
                         const QString &cUserId)
{
    IClsCommon *service = ownService();
    if (!service)
        return false;
    const QString row = QStringLiteral("cUser_Id=%1 and cObject=%2 and cKey=%3")
                            .arg(sqlUnicode(cUserId), sqlUnicode(cObj), sqlUnicode(cKey));
    // A setting stored again unchanged writes nothing: every write makes the lists of every
    // session on the company count their rows again.
    const RecordSet stored =
        service->OpenX(QStringLiteral("select cValue from AA_UserSetting where ") + row);
    if (stored.RecordCount() == 1 && !stored.valueAt(0, 0).isNull()
        && stored.valueAt(0, 0).toString() == cValue)
        return true;
    const bool saved = service->ExecuteX(QStringLiteral("delete from AA_UserSetting where ") + row)
        && service->ExecuteX(
            QStringLiteral("insert into AA_UserSetting (cUser_Id, cObject, cKey, cValue)"
                           " values (%1, %2, %3, %4)")
                .arg(sqlUnicode(cUserId), sqlUnicode(cObj), sqlUnicode(cKey), sqlUnicode(cValue)));
    if (!saved)
        ErrorLog::instance().error(kWhere, service->LastError());
    return saved;
}

bool ClsPub::IFExists(const std::shared_ptr<IClsCommon> &oSrv, const QString &cTable,
                      QString &cCaption, QString &cValue, bool bShowMsg, const QString &cWhere)
{
    const QString table = archiveTableName(cTable);
    if (!oSrv || table.isEmpty()) {
        ErrorLog::instance().error(kWhere,
                                   QStringLiteral("codes of %1 cannot be checked").arg(cTable));
        return false;
    }
    QString sql = QStringLiteral("select 1 from %1 where %2=%3")
                      .arg(table, archiveCodeColumn(table), sqlUnicode(cValue));
    if (!cWhere.trimmed().isEmpty())
        sql += QStringLiteral(" and (%1)").arg(cWhere);
    const bool exists = hasRow(*oSrv, sql, kWhere);
    if (!exists && bShowMsg)
        inform(GetResFormatString(QStringLiteral("Tarn.AA.PUB.CHECK.notexists"),
                                  { cCaption, cValue }));
    return exists;
}

bool ClsPub::CheckDateStyle(QString &cValue)
{
    const QDate date = parseDate(cValue.trimmed());
    if (date.isValid())
        cValue = date.toString(Qt::ISODate);
    return date.isValid();
}

bool ClsPub::CheckUserDef(const QString &cNumber, const QString &cCaption, QString &cValue)
{
    if (cValue.isEmpty())
        return true;
    IClsCommon *service = ownService();
    if (!service)
        return false;
    const RecordSet rule =
        service->OpenX(QStringLiteral("select cType, iLength from userdef where cClass=N'客户'"
                                      " and cDicDbName=%1")
                           .arg(sqlUnicode(QStringLiteral("cCusDefine") + cNumber.trimmed())));
    if (!rule.IsOpen()) {
        ErrorLog::instance().error(kWhere, service->LastError());
        return false;
    }
    return rule.RecordCount() == 0 || userDefAccepts(rule, cCaption, cValue);
}

bool ClsPub::userDefAccepts(const RecordSet &rule, const QString &cCaption, QString &cValue)
{
    const QString type = rule.valueAt(0, 0).toString();
    const QVariant length = rule.valueAt(0, 1);
    bool accepted = true;
    QString key;
    QStringList args = { cCaption };
    if (type == u"整型") {
        cValue.trimmed().toLongLong(&accepted);
        key = QStringLiteral("Tarn.AA.PUB.USERDEF.notint");
    } else if (type == u"数字") {
        cValue.trimmed().toDouble(&accepted);
        key = QStringLiteral("Tarn.AA.PUB.USERDEF.notnum");
    } else if (type == u"日期") {
        accepted = CheckDateStyle(cValue);
        key = QStringLiteral("Tarn.AA.PUB.USERDEF.notdate");
    } else if (!length.isNull() && cValue.size() > length.toInt()) {
        accepted = false;
        key = QStringLiteral("Tarn.AA.PUB.USERDEF.toolong");
        args.append(length.toString());
    }
    if (!accepted)
        inform(GetResFormatString(key, args));
    return accepted;
}

bool ClsPub::LogArch(const std::shared_ptr<IClsCommon> &oSrv, const QString &cObject,
                     int iOperation, const QString &cId, QString &cUserId, const QString &cState,
                     const QString &cDescription, QString &cCondition)
{
    if (!oSrv)
        return false;
    const bool logged = oSrv->ExecuteX(
        QStringLiteral("insert into AA_ArchiveLog (cUser_Id, cObject, iOperation, cId, cState,"
                       " cDescription, cCondition, dTime) values (%1, %2, %3, %4, %5, %6, %7,"
                       " getdate())")
            .arg(sqlUnicode(cUserId), sqlUnicode(cObject), QString::number(iOperation),
                 sqlUnicode(cId), sqlUnicode(cState), sqlUnicode(cDescription),
                 sqlUnicode(cCondition)));
    if (!logged)
        ErrorLog::instance().error(kWhere, oSrv->LastError());
    return logged;
}

bool ClsPub::TransTarnAPIForMulModify(const std::shared_ptr<IClsCommon> &oSrv,
                                      const QString &cObject, bool bBefore, QString &cField,
                                      QString &cValue, QString &cCondition, bool &)
{
    const QList<MulModifyHook> hooks = mulModifyHooks();
    if (hooks.isEmpty())
        return true;
    if (!oSrv)
        return false;
    for (const MulModifyHook &hook : hooks) {
        if (!hook(*oSrv, cObject, bBefore, cField, cValue, cCondition))
            return false;
    }
    return true;
}

} // namespace suite
