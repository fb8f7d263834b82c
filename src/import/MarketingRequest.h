#pragma once

#include "import/MarketingOptions.h"
#include "suite/net/HttpRequest.h"

#include <QString>

#include <functional>

namespace customer {

// One answer of the marketing service.
struct MarketingAnswer
{
    // The response text; an answer that is exactly one of the service's error codes is that
    // code's message.
    QString text;
    bool errorCode = false;
    // None when an answer came; otherwise why none did.
    suite::HttpRequest::Failure failure = suite::HttpRequest::Failure::None;
    QString failureText;
};

// The message of an error code of the service ("-1" to "-10"); empty for any other text.
QString responseCodeMessage(const QString &response);

// Sends an empty request (POST when no method is given) with the account's time-outs; the
// service's certificate errors are ignored only when the account says so. cancelled is asked
// while the answer is awaited.
MarketingAnswer SendHttpRequest(const QString &url, const QString &method,
                                const MarketingOptions &options,
                                const std::function<bool()> &cancelled = {});

} // namespace customer
