#include "import/MarketingOptions.h"

#include "suite/data/IClsCommon.h"

namespace customer {

namespace {

void readTimeout(const QString &text, int &timeout)
{
    bool number = false;
    const int value = text.toInt(&number);
    if (number && value > 0)
        timeout = value;
}

bool isTrue(const QString &text)
{
    const QString value = text.trimmed().toLower();
    return value == u"1" || value == u"true";
}

} // namespace

MarketingOptions MarketingOptions::read(suite::IClsCommon &service)
{
    MarketingOptions options;
    const suite::RecordSet rows = service.OpenX(
        QStringLiteral("select cName, cValue, cDefault from AccInformation where cSysID=N'AA' and "
                       "cName in (N'cMarketingServiceUrl', N'bMarketingIgnoreCertErrors', "
                       "N'iMarketingResolveTimeout', N'iMarketingConnectTimeout', "
                       "N'iMarketingSendTimeout', N'iMarketingReceiveTimeout')"));
    for (int row = 0; rows.IsOpen() && row < rows.RecordCount(); ++row) {
        const QString name = rows.valueAt(row, 0).toString().toLower();
        QString value = rows.valueAt(row, 1).toString().trimmed();
        if (value.isEmpty())
            value = rows.valueAt(row, 2).toString().trimmed();
        if (name == u"cmarketingserviceurl")
            options.serviceUrl = value;
        else if (name == u"bmarketingignorecerterrors")
            options.ignoreCertificateErrors = isTrue(value);
        else if (name == u"imarketingresolvetimeout")
            readTimeout(value, options.timeouts.resolveMs);
        else if (name == u"imarketingconnecttimeout")
            readTimeout(value, options.timeouts.connectMs);
        else if (name == u"imarketingsendtimeout")
            readTimeout(value, options.timeouts.sendMs);
        else if (name == u"imarketingreceivetimeout")
            readTimeout(value, options.timeouts.receiveMs);
    }
    return options;
}

} // namespace customer
