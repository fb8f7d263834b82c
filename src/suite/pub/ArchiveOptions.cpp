#include "suite/pub/ArchiveOptions.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

namespace suite {

namespace {

QString bit(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

ArchiveOptionStore::ArchiveOptionStore(IClsCommon &oSrv, const QString &cArch)
    : m_srv(oSrv)
    , m_arch(cArch)
{ }

QString ArchiveOptionStore::mnemonicOptionName() const
{
    return QStringLiteral("AutoCreateMnemCode") + m_arch;
}

bool ArchiveOptionStore::read(ArchiveOptionValues &values, QString &sMsg)
{
    const RecordSet option = m_srv.OpenX(
        QStringLiteral("select bCanAdd, bCanModify from AA_ArchiveOption where cArch=%1")
            .arg(sqlUnicode(m_arch)));
    const RecordSet mnemonic = m_srv.OpenX(
        QStringLiteral("select cValue from AccInformation where cSysID=N'AA' and cName=%1")
            .arg(sqlUnicode(mnemonicOptionName())));
    if (!option.IsOpen() || !mnemonic.IsOpen()) {
        sMsg = m_srv.LastError();
        return false;
    }
    values = ArchiveOptionValues{};
    if (option.RecordCount() > 0) {
        values.canAdd = option.valueAt(0, 0).toBool();
        values.canModify = option.valueAt(0, 1).toBool();
    }
    values.autoMnemonicCode =
        mnemonic.RecordCount() > 0 && mnemonic.valueAt(0, 0).toString() == u"1";
    return true;
}

bool ArchiveOptionStore::save(const ArchiveOptionValues &values, QString &sMsg)
{
    IConnection &connection = m_srv.m_cnn();
    if (!connection.BeginTrans()) {
        sMsg = m_srv.LastError();
        return false;
    }
    if (saveAll(values) && connection.CommitTrans())
        return true;
    sMsg = m_srv.LastError();
    connection.RollbackTrans();
    return false;
}

bool ArchiveOptionStore::saveAll(const ArchiveOptionValues &values)
{
    const QString arch = sqlUnicode(m_arch);
    const QString name = sqlUnicode(mnemonicOptionName());
    const QString mnemonic = sqlUnicode(bit(values.autoMnemonicCode));
    const QString where = QStringLiteral(" where cSysID=N'AA' and cName=") + name;
    const RecordSet stored =
        m_srv.OpenX(QStringLiteral("select cName from AccInformation") + where);
    if (!stored.IsOpen())
        return false;
    // The account option keeps its number and caption; only an account without it gets a row.
    const QString mnemonicSql = stored.RecordCount() > 0
        ? QStringLiteral("update AccInformation set cValue=") + mnemonic + where
        : QStringLiteral("insert into AccInformation (cSysID, cID, cName, cCaption, cType, cValue,"
                         " cDefault) values (N'AA', N'', %1, %1, N'bool', %2, N'0')")
              .arg(name, mnemonic);
    return m_srv.ExecuteX(QStringLiteral("delete from AA_ArchiveOption where cArch=") + arch)
        && m_srv.ExecuteX(QStringLiteral("insert into AA_ArchiveOption (cArch, bCanAdd, bCanModify)"
                                         " values (%1, %2, %3)")
                              .arg(arch, bit(values.canAdd), bit(values.canModify)))
        && m_srv.ExecuteX(mnemonicSql);
}

bool ArchiveOptionStore::mayChange(const QString &cUserId, QString &sMsg)
{
    const RecordSet user =
        m_srv.OpenX(QStringLiteral("select bAdmin from kvsystem..ua_user where cUser_Id=%1")
                        .arg(sqlUnicode(cUserId)));
    if (!user.IsOpen()) {
        sMsg = m_srv.LastError();
        return false;
    }
    return user.RecordCount() > 0 && user.valueAt(0, 0).toBool();
}

} // namespace suite
