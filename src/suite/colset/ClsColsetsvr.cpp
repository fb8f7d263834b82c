#include "suite/colset/ClsColsetsvr.h"

#include "suite/colset/ColumnSetStore.h"
#include "suite/colset/ColumnSetXml.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/IClsCommon.h"

namespace suite {

namespace {

const QString kWhere = QStringLiteral("TarnColumnSetSvr.clsColsetsvr");

RecordSet recordSetOf(const ColumnSet &set)
{
    const QList<Field> fields{
        { QStringLiteral("cFieldName"), adVarWChar, 100 },
        { QStringLiteral("cCaption"), adVarWChar, 100 },
        { QStringLiteral("cOrgCaption"), adVarWChar, 100 },
        { QStringLiteral("bShow"), adBoolean, 2 },
        { QStringLiteral("iWidth"), adInteger, 4 },
        { QStringLiteral("iOrder"), adInteger, 4 },
        { QStringLiteral("cSort"), adVarWChar, 4 },
        { QStringLiteral("bMustInput"), adBoolean, 2 },
        { QStringLiteral("bFixed"), adBoolean, 2 },
    };
    QList<QVariantList> rows;
    for (const Column &column : set.columns) {
        rows.append({ column.field, column.caption, column.originalCaption, column.visible,
                      column.width, column.order, column.sort, column.mustInput, column.fixed });
    }
    return RecordSet(fields, rows);
}

QStringList namesOfList(const QString &cList)
{
    QStringList names;
    for (const QString &item : cList.split(u',')) {
        const QString name = item.trimmed().toLower();
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

} // namespace

ClsColsetsvr::ClsColsetsvr() = default;
ClsColsetsvr::~ClsColsetsvr() = default;

bool ClsColsetsvr::Init(const QString &cDBName, const QString &cUserId)
{
    m_store.reset();
    m_service = createObject<IClsCommon>(QLatin1String(IClsCommon::kProgId));
    if (!m_service) {
        ErrorLog::instance().error(kWhere, QStringLiteral("The data service cannot be created."));
        return false;
    }
    m_service->Init(cDBName);
    if (!m_service->Status()) {
        ErrorLog::instance().error(kWhere, m_service->LastError());
        m_service.reset();
        return false;
    }
    QString sMsg;
    const std::optional<ConnectionText> connection = ConnectionText::parse(cDBName, sMsg);
    m_store = std::make_unique<ColumnSetStore>(*m_service,
                                               connection ? connection->accountId : QString());
    m_userId = cUserId;
    return true;
}

bool ClsColsetsvr::setCatalogue(const QString &cKey, const QString &sXML, QString &sMsg)
{
    ColumnSet catalogue;
    if (!readColumnSetXml(sXML, catalogue, sMsg))
        return false;
    m_catalogues.insert(cKey.toLower(), catalogue);
    return true;
}

void ClsColsetsvr::MustCancelColumns(const QString &cList)
{
    const QStringList names = namesOfList(cList);
    for (const QString &name : names) {
        if (!m_withdrawn.contains(name))
            m_withdrawn.append(name);
    }
    QString sMsg;
    if (m_store && !m_store->withdraw(names, sMsg))
        ErrorLog::instance().error(kWhere, sMsg);
}

QString ClsColsetsvr::getColInfo(const QString &cKey, int iReturnMode)
{
    const std::optional<ColumnSet> set = columnSet(cKey, iReturnMode);
    return set ? writeColumnSetXml(*set) : QString();
}

RecordSet ClsColsetsvr::getColSet(const QString &cKey, int iReturnMode)
{
    const std::optional<ColumnSet> set = columnSet(cKey, iReturnMode);
    return set ? recordSetOf(*set) : RecordSet();
}

QString ClsColsetsvr::GetSqlString(const QString &sXML)
{
    ColumnSet set;
    QString sMsg;
    if (!readColumnSetXml(sXML, set, sMsg)) {
        ErrorLog::instance().warning(kWhere, sMsg);
        return {};
    }
    return selectList(set.without(m_withdrawn));
}

QString ClsColsetsvr::GetOrderString(const QString &sXML)
{
    ColumnSet set;
    QString sMsg;
    if (!readColumnSetXml(sXML, set, sMsg)) {
        ErrorLog::instance().warning(kWhere, sMsg);
        return {};
    }
    return orderList(set.without(m_withdrawn));
}

bool ClsColsetsvr::Save(QString &sXML)
{
    if (!m_store)
        return refuse(sXML, QStringLiteral("the column-set service has no company database."));
    ColumnSet set;
    QString sMsg;
    if (!readColumnSetXml(sXML, set, sMsg))
        return refuse(sXML, sMsg);
    const ColumnSet stored = set.without(m_withdrawn).completedFrom(defaultSet(set.key), false);
    if (stored.columns.isEmpty())
        return refuse(sXML, QStringLiteral("the column set has no columns."));
    if (!m_store->write(m_userId, set.key, stored.columns, sMsg))
        return refuse(sXML, sMsg);
    return true;
}

int ClsColsetsvr::iCols()
{
    return m_visibleColumns;
}

int ClsColsetsvr::GetFixedCols()
{
    return m_fixedColumns;
}

std::optional<ColumnSet> ClsColsetsvr::columnSet(const QString &cKey, int iReturnMode)
{
    if (!m_store)
        return std::nullopt;
    const ColumnSet defaults = defaultSet(cKey);
    ColumnSet set;
    switch (iReturnMode) {
    case UserSet:
        set = userSet(cKey, defaults).completedFrom(defaults, false).withoutDetails();
        break;
    case VisibleOnly:
        set = userSet(cKey, defaults).completedFrom(defaults, false).visibleOnly();
        break;
    case Defaults:
        set = defaults;
        break;
    default:
        set = userSet(cKey, defaults).completedFrom(defaults, true);
        break;
    }
    m_visibleColumns = set.visibleCount();
    m_fixedColumns = set.fixedCount();
    return set;
}

ColumnSet ClsColsetsvr::defaultSet(const QString &cKey)
{
    ColumnSet defaults;
    const auto registered = m_catalogues.constFind(cKey.toLower());
    if (registered != m_catalogues.cend()) {
        defaults = *registered;
    } else {
        QString sMsg;
        defaults.rootName = tableOfKey(cKey);
        defaults.columns = m_store->dictionary(cKey, sMsg);
        if (!sMsg.isEmpty())
            ErrorLog::instance().error(kWhere, sMsg);
    }
    defaults.key = cKey;
    return defaults.without(m_withdrawn);
}

ColumnSet ClsColsetsvr::userSet(const QString &cKey, const ColumnSet &defaults)
{
    QString sMsg;
    const std::optional<QList<Column>> stored = m_store->read(m_userId, cKey, sMsg);
    if (!sMsg.isEmpty())
        ErrorLog::instance().error(kWhere, sMsg);
    if (!stored)
        return defaults;
    return ColumnSet{ cKey, defaults.rootName, *stored }.without(m_withdrawn);
}

bool ClsColsetsvr::refuse(QString &sXML, const QString &reason)
{
    sXML = QStringLiteral("The column set was not saved: ") + reason;
    return false;
}

void registerColumnSetService()
{
    ObjectFactory::instance().registerClass(QLatin1String(IColumnSet::kProgId),
                                            [] { return std::make_shared<ClsColsetsvr>(); });
}

} // namespace suite
