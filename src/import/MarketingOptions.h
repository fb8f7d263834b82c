#pragma once

#include "suite/net/HttpRequest.h"

#include <QString>

namespace suite {
class IClsCommon;
}

namespace customer {

// The account's options for the marketing service (AccInformation, subsystem AA): its address,
// whether its certificate errors are ignored, and the four time-outs of a request.
struct MarketingOptions
{
    QString serviceUrl;
    bool ignoreCertificateErrors = false;
    suite::HttpTimeouts timeouts;

    // An option that is missing, empty or not a number keeps its default; a time-out must be
    // positive.
    static MarketingOptions read(suite::IClsCommon &service);
};

} // namespace customer
