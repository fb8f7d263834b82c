#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace suite {

// The time-outs of one request, in milliseconds.
struct HttpTimeouts
{
    int resolveMs = 60000;
    int connectMs = 60000;
    // From the connection until the request is out.
    int sendMs = 60000;
    // From the request until the first byte of the answer, and between two pieces of it.
    int receiveMs = 30000;
};

// A synchronous HTTP request on libcurl, in the manner of the platform's request object:
// time-outs set, a method and an address opened, a body sent, the answer read as text. It waits
// in short steps, so that a caller can serve its windows and abandon the request meanwhile.
class HttpRequest
{
public:
    enum class Failure { None, TimedOut, Cancelled, Broken };

    void SetTimeouts(const HttpTimeouts &timeouts) { m_timeouts = timeouts; }
    // GET, POST or another method, on an http or https address.
    void Open(const QString &method, const QString &url);
    // Server certificates that do not check out (unknown issuer, other host, expired) no
    // longer stop the request.
    void setIgnoreCertificateErrors(bool ignore) { m_ignoreCertificateErrors = ignore; }
    // Asked between the waits; true abandons the request.
    void setCancelled(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }

    // False when no whole answer came: failure() and ErrorText() tell why.
    bool Send(const QByteArray &body = {});

    int Status() const { return m_status; }
    // The answer's body, decoded by the charset its content type names (UTF-8 by default).
    QString ResponseText() const;
    Failure failure() const { return m_failure; }
    QString ErrorText() const { return m_errorText; }

private:
    struct Transfer;

    bool perform(void *easy, Transfer &transfer);
    bool timedOut(const Transfer &transfer);

    HttpTimeouts m_timeouts;
    QString m_method = QStringLiteral("GET");
    QString m_url;
    bool m_ignoreCertificateErrors = false;
    std::function<bool()> m_cancelled;
    int m_status = 0;
    QByteArray m_body;
    QByteArray m_contentType;
    Failure m_failure = Failure::None;
    QString m_errorText;
};

} // namespace suite
