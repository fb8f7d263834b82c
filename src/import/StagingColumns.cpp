#include "import/StagingColumns.h"

#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QRegularExpression>

#include <functional>

namespace customer {

namespace {

const QString kErrorColumn = QStringLiteral("cErrorMsg");

void addCaption(StagingColumn &column, const QString &caption)
{
    const QString trimmed = caption.trimmed();
    if (!trimmed.isEmpty() && !column.captions.contains(trimmed))
        column.captions.append(trimmed);
}

// The names users gave the user-defined fields (userdef "自定义项N" names cCusDefineN).
void addUserFieldNames(suite::IClsCommon &service, QList<StagingColumn> &columns,
                       const std::function<int(const QString &)> &indexOf)
{
    static const QRegularExpression item(QStringLiteral("^自定义项(\\d+)$"));
    const suite::RecordSet items =
        service.OpenX(QStringLiteral("select CItem,cItemName from userdef where cClass='客户'"));
    for (int row = 0; items.IsOpen() && row < items.RecordCount(); ++row) {
        const QRegularExpressionMatch match = item.match(items.valueAt(row, 0).toString());
        const int index =
            match.hasMatch() ? indexOf(QStringLiteral("cCusDefine") + match.captured(1)) : -1;
        const QString name = items.valueAt(row, 1).toString();
        if (index >= 0 && !name.trimmed().isEmpty()) {
            addCaption(columns[index], name);
            columns[index].caption = name.trimmed();
        }
    }
}

} // namespace

StagingColumns::StagingColumns(QList<StagingColumn> columns, int errorSize)
    : m_columns(std::move(columns))
    , m_errorSize(errorSize)
{ }

bool StagingColumns::isBookkeeping(const QString &name)
{
    static const QStringList names{ QStringLiteral("AutoID"),      QStringLiteral("pubkvts"),
                                    QStringLiteral("iSourceType"), QStringLiteral("iSourceId"),
                                    QStringLiteral("cSelCol"),     kErrorColumn,
                                    QStringLiteral("bTransFlag") };
    return names.contains(name, Qt::CaseInsensitive);
}

int StagingColumns::indexOf(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool StagingColumns::load(suite::IClsCommon &service, suite::IPub &pub, const QString &accId,
                          QString &sMsg)
{
    const suite::RecordSet table =
        service.OpenX(QStringLiteral("select top 0 * from customer_import"));
    const suite::RecordSet dictionary =
        service.OpenX(QStringLiteral("select cFieldName,cCaption,cEnCaption from KvMeta_") + accId
                      + QStringLiteral("..aa_columndic where ckey='Customer_import'"));
    if (!table.IsOpen() || !dictionary.IsOpen()) {
        sMsg = service.LastError();
        return false;
    }
    m_columns.clear();
    for (const suite::Field &field : table.Fields()) {
        if (field.name.compare(kErrorColumn, Qt::CaseInsensitive) == 0)
            m_errorSize = field.definedSize;
        if (isBookkeeping(field.name))
            continue;
        StagingColumn column{
            field.name, field.type, field.definedSize, pub.GetFldCaption(dictionary, field.name), {}
        };
        m_columns.append(column);
    }
    for (int row = 0; row < dictionary.RecordCount(); ++row) {
        const int index = indexOf(dictionary.valueAt(row, 0).toString());
        if (index < 0)
            continue;
        addCaption(m_columns[index], dictionary.valueAt(row, 1).toString());
        addCaption(m_columns[index], dictionary.valueAt(row, 2).toString());
    }
    addUserFieldNames(service, m_columns, [this](const QString &name) { return indexOf(name); });
    return true;
}

} // namespace customer
