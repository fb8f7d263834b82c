#include "suite/net/HttpRequest.h"

#include <QElapsedTimer>
#include <QList>
#include <QStringDecoder>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace suite {

namespace {

// How long one wait for the network lasts before the time-outs and the caller are asked.
constexpr int kWaitStepMs = 20;

void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyCleanup
{
    void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
struct MultiCleanup
{
    void operator()(CURLM *multi) const { curl_multi_cleanup(multi); }
};

QByteArray charsetOf(const QByteArray &contentType)
{
    for (const QByteArray &part : contentType.split(';')) {
        const QByteArray trimmed = part.trimmed();
        if (trimmed.toLower().startsWith("charset="))
            return trimmed.mid(8).replace('"', QByteArray()).trimmed();
    }
    return {};
}

} // namespace

// What the callbacks learn while the request runs, on one clock: when the connection was made,
// when the request was out and when the answer last moved (-1 for not yet).
struct HttpRequest::Transfer
{
    QElapsedTimer clock;
    qint64 connectedAt = -1;
    qint64 sentAt = -1;
    qint64 lastByteAt = -1;
    qint64 bodyBytes = 0;
    qint64 bodyOut = 0;
    bool headersOut = false;
    QByteArray *answer = nullptr;
    QByteArray *contentType = nullptr;
    char error[CURL_ERROR_SIZE] = {};

    static size_t onData(char *data, size_t size, size_t count, void *user)
    {
        auto *transfer = static_cast<Transfer *>(user);
        transfer->answer->append(data, qsizetype(size * count));
        transfer->lastByteAt = transfer->clock.elapsed();
        return size * count;
    }

    static size_t onHeader(char *data, size_t size, size_t count, void *user)
    {
        auto *transfer = static_cast<Transfer *>(user);
        const QByteArray line(data, qsizetype(size * count));
        if (line.startsWith("HTTP/"))
            transfer->contentType->clear();
        else if (line.toLower().startsWith("content-type:"))
            *transfer->contentType = line.mid(13).trimmed();
        transfer->lastByteAt = transfer->clock.elapsed();
        return size * count;
    }

    static int onConnected(void *user, char *, char *, int, int)
    {
        auto *transfer = static_cast<Transfer *>(user);
        transfer->connectedAt = transfer->clock.elapsed();
        return CURL_PREREQFUNC_OK;
    }

    static int onTraffic(CURL *, curl_infotype type, char *, size_t size, void *user)
    {
        auto *transfer = static_cast<Transfer *>(user);
        if (type == CURLINFO_HEADER_OUT)
            transfer->headersOut = true;
        else if (type == CURLINFO_DATA_OUT)
            transfer->bodyOut += qint64(size);
        if (transfer->sentAt < 0 && transfer->headersOut
            && transfer->bodyOut >= transfer->bodyBytes)
            transfer->sentAt = transfer->clock.elapsed();
        return 0;
    }
};

void HttpRequest::Open(const QString &method, const QString &url)
{
    m_method = method.toUpper();
    m_url = url;
}

QString HttpRequest::ResponseText() const
{
    const QByteArray charset = charsetOf(m_contentType);
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::Utf8);
    return decoder.decode(m_body);
}

bool HttpRequest::Send(const QByteArray &body)
{
    initialiseCurl();
    m_status = 0;
    m_body.clear();
    m_contentType.clear();
    m_failure = Failure::None;
    m_errorText.clear();
    Transfer transfer;
    transfer.bodyBytes = m_method == u"GET" ? 0 : body.size();
    transfer.answer = &m_body;
    transfer.contentType = &m_contentType;
    std::unique_ptr<CURL, EasyCleanup> easy(curl_easy_init());
    if (!easy) {
        m_failure = Failure::Broken;
        m_errorText = QStringLiteral("libcurl cannot start a request");
        return false;
    }
    CURL *handle = easy.get();
    const QByteArray url = m_url.toUtf8();
    const QByteArray method = m_method.toLatin1();
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, transfer.error);
    // libcurl resolves the name inside its connect phase, so the two time-outs add up there.
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     long(m_timeouts.resolveMs) + long(m_timeouts.connectMs));
    if (m_method == u"GET") {
        curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    } else {
        if (m_method != u"POST")
            curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, method.constData());
        curl_easy_setopt(handle, CURLOPT_POST, 1L);
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.constData());
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
    }
    if (m_ignoreCertificateErrors) {
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 0L);
    }
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Transfer::onData);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_PREREQFUNCTION, &Transfer::onConnected);
    curl_easy_setopt(handle, CURLOPT_PREREQDATA, &transfer);
    // The traffic callback tells when the request is out; libcurl calls it in verbose mode only
    // and then writes nothing of its own.
    curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, &Transfer::onTraffic);
    curl_easy_setopt(handle, CURLOPT_DEBUGDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);
    transfer.clock.start();
    if (!perform(handle, transfer))
        return false;
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    m_status = int(status);
    return true;
}

bool HttpRequest::perform(void *easy, Transfer &transfer)
{
    std::unique_ptr<CURLM, MultiCleanup> multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) {
        m_failure = Failure::Broken;
        m_errorText = QStringLiteral("libcurl cannot start a request");
        return false;
    }
    int running = 1;
    CURLMcode code = curl_multi_perform(multi.get(), &running);
    while (code == CURLM_OK && running > 0) {
        if (m_cancelled && m_cancelled()) {
            m_failure = Failure::Cancelled;
            m_errorText = QStringLiteral("the request was cancelled");
            break;
        }
        if (timedOut(transfer)) {
            m_failure = Failure::TimedOut;
            break;
        }
        code = curl_multi_poll(multi.get(), nullptr, 0, kWaitStepMs, nullptr);
        if (code == CURLM_OK)
            code = curl_multi_perform(multi.get(), &running);
    }
    if (m_failure == Failure::None && code != CURLM_OK) {
        m_failure = Failure::Broken;
        m_errorText = QString::fromUtf8(curl_multi_strerror(code));
    }
    if (m_failure == Failure::None) {
        int left = 0;
        const CURLMsg *message = curl_multi_info_read(multi.get(), &left);
        const CURLcode result = message ? message->data.result : CURLE_GOT_NOTHING;
        if (result != CURLE_OK) {
            m_failure = result == CURLE_OPERATION_TIMEDOUT ? Failure::TimedOut : Failure::Broken;
            m_errorText = QString::fromUtf8(transfer.error[0] != 0 ? transfer.error
                                                                   : curl_easy_strerror(result));
        }
    }
    curl_multi_remove_handle(multi.get(), easy);
    return m_failure == Failure::None;
}

bool HttpRequest::timedOut(const Transfer &transfer)
{
    const qint64 now = transfer.clock.elapsed();
    // Before the connection is made, libcurl's own connect time-out watches.
    if (transfer.connectedAt < 0)
        return false;
    if (transfer.sentAt < 0) {
        if (now - transfer.connectedAt <= m_timeouts.sendMs)
            return false;
        m_errorText =
            QStringLiteral("the request was not sent within %1 ms").arg(m_timeouts.sendMs);
        return true;
    }
    if (now - qMax(transfer.sentAt, transfer.lastByteAt) <= m_timeouts.receiveMs)
        return false;
    m_errorText = QStringLiteral("no answer came within %1 ms").arg(m_timeouts.receiveMs);
    return true;
}

} // namespace suite
