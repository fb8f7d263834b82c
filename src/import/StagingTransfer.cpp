#include "import/StagingTransfer.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RowsetXml.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

const QString kArchive = QStringLiteral("Customer");
const QString kWhere = QStringLiteral("StagingTransfer");
constexpr int kModify = 2;
constexpr int kAdd = 1;
// The size of the staging table's error column.
constexpr int kErrorMsgLength = 500;

QString firstValue(suite::IClsCommon &service, const QString &sql, const QString &field)
{
    const suite::RecordSet rs = service.OpenX(sql);
    if (!rs.IsOpen() || rs.RecordCount() == 0)
        return {};
    const int index = rs.FieldIndex(field);
    return index < 0 ? QString() : rs.valueAt(0, index).toString();
}

QString batchStatement(qint64 afterAutoId, int rows)
{
    return QStringLiteral("select top %1 * from v_customer_import where cSelCol='Y' and AutoID>%2"
                          " order by AutoID")
        .arg(rows)
        .arg(afterAutoId);
}

void element(QString &xml, const char *name, const QString &value)
{
    xml += u'<' + QLatin1StringView(name) + u'>' + suite::escapeXmlAttribute(value)
        + QStringLiteral("</") + QLatin1StringView(name) + u'>';
}

} // namespace

StagingTransfer::StagingTransfer(std::shared_ptr<suite::IClsCommon> service,
                                 std::shared_ptr<suite::IPub> pub, TransferXmlContext context,
                                 QString dbName)
    : m_service(std::move(service))
    , m_pub(std::move(pub))
    , m_context(std::move(context))
    , m_dbName(std::move(dbName))
{ }

QString StagingTransfer::selectionStatement(const QStringList &autoIds)
{
    QString list;
    for (const QString &id : autoIds)
        list += id + u',';
    return QStringLiteral("update customer_import set cSelCol=''\r\n"
                          "update customer_import set cSelCol='Y' where autoid in (")
        + list + QStringLiteral("-1)");
}

TransferXmlContext StagingTransfer::withDatabaseDefaults(suite::IClsCommon &service,
                                                         TransferXmlContext context,
                                                         const QString &accountId)
{
    context.defaultManagementType = firstValue(
        service,
        QStringLiteral("select * from tc_type where obj_type=1 and stop_flag=0 and bdefault=1"),
        QStringLiteral("type_code"));
    context.accountCurrency =
        firstValue(service,
                   QStringLiteral("select top 1 cCurName from kvsystem..ua_account where cAcc_Id='")
                       + suite::sqlQuote(accountId) + u'\'',
                   QStringLiteral("cCurName"));
    return context;
}

bool StagingTransfer::markSelection(const QStringList &autoIds, QString &sMsg)
{
    for (const QString &id : autoIds) {
        bool number = false;
        id.toLongLong(&number);
        if (!number) {
            sMsg = m_pub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.IMPORT.notarownumber"),
                                             { id });
            return false;
        }
    }
    if (m_service->ExecuteX(selectionStatement(autoIds)))
        return true;
    sMsg = m_service->LastError();
    return false;
}

int StagingTransfer::markedRows()
{
    return firstValue(*m_service,
                      QStringLiteral("select count(*) as iRows from v_customer_import"
                                     " where cSelCol='Y'"),
                      QStringLiteral("iRows"))
        .toInt();
}

TransferOutcome StagingTransfer::run(TransferProgress *progress)
{
    TransferOutcome outcome;
    if (progress)
        progress->started(markedRows());
    // The numbering rule is read once: every new code of the run follows it.
    bool autoCode = false;
    bool manualChange = false;
    m_pub->GetBillFormat(m_dbName, kArchive, autoCode, manualChange);
    qint64 lastAutoId = 0;
    while (!outcome.failed() && !outcome.cancelled) {
        const suite::RecordSet batch = m_service->OpenX(batchStatement(lastAutoId, batchRows));
        if (!batch.IsOpen()) {
            outcome.message = m_service->LastError();
            break;
        }
        if (batch.RecordCount() == 0)
            break;
        suite::XmlDocument rows;
        rows.loadXml(suite::RowsetXml::save(batch));
        beginBatch();
        for (const suite::XmlElement &element :
             rows.selectNodes(QStringLiteral("//xml/rs:data/z:row"))) {
            StagingRow row = StagingRow::fromElement(element);
            lastAutoId = row.value(QStringLiteral("AutoID")).toLongLong();
            QString sMsg;
            if (!transferRow(row, sMsg)) {
                outcome.failedAutoId = row.value(QStringLiteral("AutoID"));
                outcome.message = sMsg.isEmpty() ? m_service->LastError() : sMsg;
                recordError(outcome.failedAutoId, outcome.message);
                break;
            }
            ++outcome.transferred;
            if (progress)
                progress->rowDone(outcome.transferred);
            if (progress && progress->cancelRequested()) {
                outcome.cancelled = true;
                break;
            }
        }
        endBatch();
    }
    return outcome;
}

bool StagingTransfer::transferRow(StagingRow &row, QString &sMsg)
{
    const bool known = row.has(QStringLiteral("cCusCode"));
    if (!known)
        row.set(QStringLiteral("cCusCode"), newCode(row));
    const QString xml = transferXml(row, known ? kModify : kAdd, false, m_context);
    const bool saved =
        known ? m_service->Modify(xml, kArchive, sMsg) : m_service->Add(xml, kArchive, sMsg);
    if (!saved)
        return false;
    const QString done = QStringLiteral("update customer_import set cErrorMsg='' , cCusCode='")
        + suite::sqlQuote(row.value(QStringLiteral("cCusCode"))) + QStringLiteral("' where AutoID=")
        + row.value(QStringLiteral("AutoID"));
    if (m_service->ExecuteX(done))
        return true;
    sMsg = m_service->LastError();
    return false;
}

QString StagingTransfer::newCode(const StagingRow &row)
{
    QString context = QStringLiteral("<Customer>");
    element(context, "ccusname", row.value(QStringLiteral("cCusName")));
    element(context, "ccusabbname", row.value(QStringLiteral("cCusAbbName")));
    element(context, "ccccode", row.value(QStringLiteral("cCCCode")));
    element(context, "cdccode", row.value(QStringLiteral("cDCCode")));
    element(context, "customerkcode", row.value(QStringLiteral("CustomerKCode")));
    element(context, "dmodifydate", row.value(QStringLiteral("dModifyDate")));
    element(context, "cmodifyperson", m_context.userName);
    context += QStringLiteral("</Customer>");
    QString format;
    return m_pub->GetBillNumber(m_service, format, context, kArchive, QStringLiteral("cCusCode"),
                                QString(), true);
}

void StagingTransfer::recordError(const QString &autoId, const QString &message)
{
    bool number = false;
    autoId.toLongLong(&number);
    if (!number)
        return;
    if (!m_service->ExecuteX(QStringLiteral("update customer_import set cErrorMsg='")
                             + suite::sqlQuote(message.left(kErrorMsgLength))
                             + QStringLiteral("' where AutoID=") + autoId))
        suite::ErrorLog::instance().error(kWhere, m_service->LastError());
}

// A batch of rows is one transaction where the data service has them; each archive write
// inside it is undone alone when it fails.
void StagingTransfer::beginBatch()
{
    m_inTransaction = m_service->m_cnn().BeginTrans();
}

void StagingTransfer::endBatch()
{
    if (m_inTransaction && !m_service->m_cnn().CommitTrans())
        suite::ErrorLog::instance().error(kWhere, m_service->LastError());
    m_inTransaction = false;
}

} // namespace customer
