#include "suite/card/ContactStore.h"

#include "suite/card/SubRecordList.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"

namespace suite {

namespace {

const QString kPrefix = QStringLiteral("LXR");
constexpr int kCodeDigits = 8;

QString valueOrNull(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("null") : sqlUnicode(value);
}

} // namespace

QString ContactStore::nextContactCode(int offset)
{
    RecordSet rows = m_srv.OpenX(QStringLiteral("select max(cContactCode) from Crm_Contact where "
                                                "cContactCode like 'LXR%'"));
    const QString highest = rows.IsOpen() && !rows.Eof() ? rows.Value(0).toString() : QString();
    const qlonglong number = highest.mid(kPrefix.size()).toLongLong();
    return kPrefix
        + QStringLiteral("%1").arg(number + 1 + offset, kCodeDigits, 10, QLatin1Char('0'));
}

bool ContactStore::save(const QString &cCusCode, const QStringList &originalOids,
                        const SubRecordList &list, QString &sMsg)
{
    if (!m_srv.m_cnn().BeginTrans()) {
        sMsg = m_srv.LastError();
        return false;
    }
    if (write(cCusCode, originalOids, list) && m_srv.m_cnn().CommitTrans())
        return true;
    sMsg = m_srv.LastError();
    m_srv.m_cnn().RollbackTrans();
    return false;
}

bool ContactStore::write(const QString &cCusCode, const QStringList &originalOids,
                         const SubRecordList &list)
{
    const SubRecordKind &kind = list.kind();
    const int oid = kind.storedIndex(QStringLiteral("OID"));
    QStringList kept;
    for (int i = 0; i < list.rowCount(); ++i)
        kept.append(list.row(i).values.value(oid));
    for (const QString &gone : originalOids) {
        if (!kept.contains(gone)
            && !m_srv.ExecuteX(QStringLiteral("delete from Crm_Contact where OID=")
                               + sqlUnicode(gone)))
            return false;
    }
    const QList<SubRecordColumn> stored = kind.storedColumns();
    for (int i = 0; i < list.rowCount(); ++i) {
        const QStringList &values = list.row(i).values;
        QStringList assignments;
        QStringList names;
        QStringList inserted;
        for (int column = 0; column < stored.size(); ++column) {
            const QString value = valueOrNull(values.value(column));
            assignments.append(stored.at(column).name + u'=' + value);
            names.append(stored.at(column).name);
            inserted.append(value);
        }
        const QString sql = originalOids.contains(values.value(oid))
            ? QStringLiteral("update Crm_Contact set %1 where OID=%2")
                  .arg(assignments.join(u','), sqlUnicode(values.value(oid)))
            : QStringLiteral("insert into Crm_Contact (%1,ID,cCusCode) values (%2,%3,%4)")
                  .arg(names.join(u','), inserted.join(u','),
                       sqlUnicode(values.value(kind.storedIndex(QStringLiteral("cContactCode")))),
                       sqlUnicode(cCusCode));
        if (!m_srv.ExecuteX(sql))
            return false;
    }
    return updateCustomer(cCusCode, list);
}

bool ContactStore::updateCustomer(const QString &cCusCode, const SubRecordList &list)
{
    const SubRecordKind &kind = list.kind();
    for (int i = 0; i < list.rowCount(); ++i) {
        if (!list.row(i).isDefault)
            continue;
        const QStringList &values = list.row(i).values;
        return m_srv.ExecuteX(
            QStringLiteral("update Customer set cCusPerson=%1,cCusHand=%2,cCusContactCode=%3 "
                           "where cCusCode=%4")
                .arg(valueOrNull(values.value(kind.storedIndex(QStringLiteral("cContactName")))),
                     valueOrNull(values.value(kind.storedIndex(QStringLiteral("cMobilePhone")))),
                     sqlUnicode(values.value(kind.storedIndex(QStringLiteral("OID")))),
                     sqlUnicode(cCusCode)));
    }
    return m_srv.ExecuteX(QStringLiteral("update Customer set cCusContactCode=null where cCusCode=")
                          + sqlUnicode(cCusCode));
}

} // namespace suite
