#include "import/MarketingRequest.h"

#include <QStringList>

namespace customer {

QString responseCodeMessage(const QString &response)
{
    static const QStringList messages{
        QStringLiteral("机构ID、用户名或密码错误"),
        QStringLiteral("用户已停用"),
        QStringLiteral("账户已过期"),
        QStringLiteral("余额不足"),
        QStringLiteral("非法的短信内容"),
        QStringLiteral("非法的手机号码"),
        QStringLiteral("短信包含敏感关键字"),
        QStringLiteral("批次号错误"),
        QStringLiteral("其它错误"),
        QStringLiteral("通道错误"),
    };
    for (int code = 1; code <= messages.size(); ++code) {
        if (response == u'-' + QString::number(code))
            return messages[code - 1];
    }
    return {};
}

MarketingAnswer SendHttpRequest(const QString &url, const QString &method,
                                const MarketingOptions &options,
                                const std::function<bool()> &cancelled)
{
    suite::HttpRequest request;
    request.SetTimeouts(options.timeouts);
    request.Open(method.isEmpty() ? QStringLiteral("POST") : method, url);
    request.setIgnoreCertificateErrors(options.ignoreCertificateErrors);
    request.setCancelled(cancelled);
    MarketingAnswer answer;
    if (!request.Send()) {
        answer.failure = request.failure();
        answer.failureText = request.ErrorText();
        return answer;
    }
    answer.text = request.ResponseText();
    const QString message = responseCodeMessage(answer.text);
    if (!message.isEmpty()) {
        answer.text = message;
        answer.errorCode = true;
    }
    return answer;
}

} // namespace customer
