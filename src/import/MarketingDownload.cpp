#include "import/MarketingDownload.h"

#include "import/MarketingRequest.h"
#include "import/MarketingServiceCode.h"
#include "import/MarketingStatements.h"
#include "import/UrlEncode.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IJsonToXml.h"
#include "suite/pub/IPub.h"

#include <QDateTime>

namespace customer {

namespace {

const QString kWhere = QStringLiteral("MarketingDownload");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kEarliest = QStringLiteral("1900-01-01 00:00:00");
// Records landed between two looks at the Cancel button.
constexpr int kRecordsPerCancelCheck = 100;
// The start of an answer the trace keeps.
constexpr int kTracedAnswer = 1000;
// The start of an over-long source key a message shows.
constexpr int kShownId = 40;

void trace(const QString &text)
{
    suite::ErrorLog::instance().trace(kWhere, text);
}

QString formattedTime(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDateTime && value.toDateTime().isValid())
        return value.toDateTime().toString(kDateFormat);
    const QString text = value.toString().trimmed();
    for (const QString &format :
         { kDateFormat, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"),
           QStringLiteral("yyyy-MM-ddTHH:mm:ss"), QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"),
           QStringLiteral("yyyy-MM-dd") }) {
        const QDateTime time = QDateTime::fromString(text, format);
        if (time.isValid())
            return time.toString(kDateFormat);
    }
    return kEarliest;
}

} // namespace

MarketingDownload::MarketingDownload(suite::IClsCommon &service, suite::IPub &pub,
                                     MarketingOptions options)
    : m_service(service)
    , m_pub(pub)
    , m_options(std::move(options))
{ }

QString MarketingDownload::text(const char *key, const QStringList &args) const
{
    return args.isEmpty() ? m_pub.GetResString(QLatin1StringView(key))
                          : m_pub.GetResFormatString(QLatin1StringView(key), args);
}

bool MarketingDownload::cancelled() const
{
    return m_progress && m_progress->cancelRequested();
}

DownloadOutcome MarketingDownload::run(const suite::ILogin &login)
{
    QString reason;
    const QString code = GetServiceCode(login, reason);
    if (!code.isEmpty())
        return run(code);
    trace(QStringLiteral("服务识别码获取失败。"));
    DownloadOutcome outcome;
    outcome.messages.append(text("Tarn.AA.ARCHIVE.IMPORT.downloadnocode", { reason }));
    return outcome;
}

QString MarketingDownload::lastImportModifyDate()
{
    const suite::RecordSet newest = m_service.OpenX(marketing::lastModifyDateStatement());
    if (!newest.IsOpen() || newest.RecordCount() == 0)
        return kEarliest;
    return formattedTime(newest.valueAt(0, 0));
}

DownloadOutcome MarketingDownload::run(const QString &serviceCode)
{
    DownloadOutcome outcome;
    const auto converter =
        suite::createObject<suite::IJsonToXml>(QLatin1String(suite::IJsonToXml::kProgId));
    if (m_options.serviceUrl.isEmpty()) {
        outcome.messages.append(text("Tarn.AA.ARCHIVE.IMPORT.downloadnourl"));
        return outcome;
    }
    if (!converter) {
        outcome.messages.append(text("Tarn.AA.ARCHIVE.IMPORT.downloadnoconverter",
                                     { QLatin1String(suite::IJsonToXml::kProgId) }));
        return outcome;
    }
    if (!m_service.ExecuteX(marketing::prepareImportTempTable())) {
        outcome.messages.append(
            text("Tarn.AA.ARCHIVE.IMPORT.downloadcannotland", { m_service.LastError() }));
        return outcome;
    }
    const QString since = URLEncode(lastImportModifyDate());
    if (m_options.ignoreCertificateErrors)
        suite::ErrorLog::instance().warning(
            kWhere,
            QStringLiteral("Certificate errors of the marketing service at %1 are ignored, as "
                           "the account option bMarketingIgnoreCertErrors says.")
                .arg(m_options.serviceUrl));
    m_rejected = 0;
    m_firstRejection.clear();
    m_cut = 0;
    m_firstCut.clear();
    int page = 1;
    qsizetype lastPageRows = marketing::kRowsPerPage;
    while (lastPageRows >= marketing::kRowsPerPage) {
        const QString url = marketing::pageUrl(m_options.serviceUrl, page, serviceCode, since);
        QString answer;
        if (!fetchPage(page, url, answer, outcome))
            return outcome;
        ++page;
        const QString xml = converter->Convert(answer);
        trace(QStringLiteral("Len(sJsonStr)=%1").arg(answer.size()));
        trace(answer.left(kTracedAnswer));
        trace(QStringLiteral("Len(sTmpXml)=%1").arg(xml.size()));
        trace(xml);
        suite::XmlDocument document;
        if (!document.loadXml(xml)) {
            outcome.messages.append(text("Tarn.AA.ARCHIVE.COMMON.xmlloaderror"));
            return outcome;
        }
        const QList<suite::XmlElement> records =
            document.selectNodes(QStringLiteral("//root/data/list"));
        lastPageRows = records.size();
        if (records.isEmpty() && outcome.pages == 0) {
            const QString message = document.selectSingleNode(QStringLiteral("//root/msg")).text();
            outcome.messages.append(
                message.isEmpty() ? text("Tarn.AA.ARCHIVE.IMPORT.downloadnothing") : message);
            outcome.refreshList = true;
            return outcome;
        }
        // A page after a full one may be empty: the records came to a multiple of a page.
        if (records.isEmpty())
            break;
        if (!landPage(records, outcome))
            return outcome;
        ++outcome.pages;
        if (m_progress)
            m_progress->pageLanded(page - 1, outcome.rows);
    }
    merge(outcome);
    return outcome;
}

bool MarketingDownload::fetchPage(int page, const QString &url, QString &answer,
                                  DownloadOutcome &outcome)
{
    trace(QStringLiteral("GetResponse_begin:%1 %2").arg(page).arg(url));
    if (m_progress)
        m_progress->requesting(page);
    const MarketingAnswer reply =
        SendHttpRequest(url, QString(), m_options, [this] { return cancelled(); });
    trace(QStringLiteral("GetResponse_end:%1 %2").arg(page).arg(url));
    if (reply.failure == suite::HttpRequest::Failure::Cancelled || cancelled()) {
        outcome.cancelled = true;
        outcome.messages.append(text("Tarn.AA.ARCHIVE.IMPORT.downloadcancelled"));
        return false;
    }
    if (reply.failure != suite::HttpRequest::Failure::None) {
        const char *key = reply.failure == suite::HttpRequest::Failure::TimedOut
            ? "Tarn.AA.ARCHIVE.IMPORT.downloadtimeout"
            : "Tarn.AA.ARCHIVE.IMPORT.downloadbroken";
        outcome.messages.append(text(key, { QString::number(page), reply.failureText }));
        return false;
    }
    if (reply.text.isEmpty()) {
        trace(QStringLiteral("Veska取数失败：") + url);
        outcome.messages.append(
            text("Tarn.AA.ARCHIVE.IMPORT.downloadempty", { QString::number(page) }));
        return false;
    }
    // An error code of the service is said as its message, before the XML load fails on it.
    if (reply.errorCode)
        outcome.messages.append(reply.text);
    answer = reply.text;
    return true;
}

bool MarketingDownload::landPage(const QList<suite::XmlElement> &records, DownloadOutcome &outcome)
{
    // One transaction a page: the temporary table takes the page at once.
    const bool transaction = m_service.m_cnn().BeginTrans();
    int sinceCheck = 0;
    for (const suite::XmlElement &record : records) {
        if (++sinceCheck == kRecordsPerCancelCheck) {
            sinceCheck = 0;
            if (cancelled()) {
                if (transaction)
                    m_service.m_cnn().RollbackTrans();
                outcome.cancelled = true;
                outcome.messages.append(text("Tarn.AA.ARCHIVE.IMPORT.downloadcancelled"));
                return false;
            }
        }
        land(marketing::recordInsert(record), outcome);
    }
    if (transaction && !m_service.m_cnn().CommitTrans()) {
        outcome.messages.append(
            text("Tarn.AA.ARCHIVE.IMPORT.downloadcannotland", { m_service.LastError() }));
        return false;
    }
    return true;
}

void MarketingDownload::land(const marketing::RecordInsert &insert, DownloadOutcome &outcome)
{
    if (insert.statement.isEmpty()) {
        reject(text("Tarn.AA.ARCHIVE.IMPORT.downloadlongid",
                    { insert.id.left(kShownId) + QStringLiteral("…"),
                      QString::number(marketing::sourceIdLength()) }));
        return;
    }
    if (!m_service.ExecuteX(insert.statement)) {
        reject(m_service.LastError());
        return;
    }
    ++outcome.rows;
    if (insert.cutColumns.isEmpty())
        return;
    const QString columns = insert.cutColumns.join(QStringLiteral(", "));
    suite::ErrorLog::instance().warning(
        kWhere,
        QStringLiteral("Customer %1 of the marketing service: %2 cut to the length of "
                       "the column.")
            .arg(insert.id, columns));
    if (++m_cut == 1)
        m_firstCut = text("Tarn.AA.ARCHIVE.IMPORT.downloadcutone", { insert.id, columns });
}

void MarketingDownload::reject(const QString &reason)
{
    if (++m_rejected == 1)
        m_firstRejection = reason;
}

void MarketingDownload::merge(DownloadOutcome &outcome)
{
    const suite::RecordSet fresh = m_service.OpenX(marketing::newRecordsCount());
    const qint64 added =
        fresh.IsOpen() && fresh.RecordCount() > 0 ? fresh.valueAt(0, 0).toLongLong() : 0;
    const bool transaction = m_service.m_cnn().BeginTrans();
    const bool merged = m_service.ExecuteX(marketing::mergeNewRecords())
        && m_service.ExecuteX(marketing::mergeKnownRecords());
    const QString reason = merged ? QString() : m_service.LastError();
    if (transaction) {
        if (merged && m_service.m_cnn().CommitTrans()) {
            outcome.merged = true;
        } else {
            m_service.m_cnn().RollbackTrans();
        }
    } else {
        outcome.merged = merged;
    }
    if (!outcome.merged) {
        outcome.messages.append(text("Tarn.AA.ARCHIVE.IMPORT.downloadnomerge",
                                     { reason.isEmpty() ? m_service.LastError() : reason }));
        return;
    }
    outcome.added = added;
    outcome.updated = outcome.rows - added;
    outcome.refreshList = true;
    if (m_rejected > 0)
        outcome.messages.append(text("Tarn.AA.ARCHIVE.IMPORT.downloadrejected",
                                     { QString::number(m_rejected), m_firstRejection }));
    if (m_cut > 0)
        outcome.messages.append(
            text("Tarn.AA.ARCHIVE.IMPORT.downloadcut", { QString::number(m_cut), m_firstCut }));
    outcome.messages.append(
        text("Tarn.AA.ARCHIVE.IMPORT.downloaddone",
             { QString::number(outcome.pages), QString::number(outcome.rows),
               QString::number(outcome.added), QString::number(outcome.updated) }));
}

} // namespace customer
