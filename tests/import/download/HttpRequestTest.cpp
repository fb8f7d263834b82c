#include "suite/net/HttpRequest.h"
#include "TextPrinter.h"
#include "demo/MarketingServer.h"
#include "import/MarketingRequest.h"
#include "import/MarketingStatements.h"

#include <gtest/gtest.h>

#include <memory>

using customer::MarketingAnswer;
using customer::MarketingOptions;
using suite::HttpRequest;

namespace {

// The local service with its answers as given, on a free port.
std::unique_ptr<demo::MarketingServer> serving(demo::MarketingServerSettings settings)
{
    auto server = std::make_unique<demo::MarketingServer>(std::move(settings));
    QString sMsg;
    EXPECT_TRUE(server->start(0, sMsg)) << qPrintable(sMsg);
    return server;
}

QString firstPage(const demo::MarketingServer &server,
                  const QString &code = demo::kDemoEnterpriseCode)
{
    return customer::marketing::pageUrl(server.baseUrl(), 1, code,
                                        QStringLiteral("1900%2D01%2D01+00%3A00%3A00"));
}

MarketingOptions quickOptions()
{
    MarketingOptions options;
    options.timeouts = { 1000, 1000, 1000, 300 };
    return options;
}

} // namespace

TEST(HttpRequest, ReadsTheAnswerByPostAndByGet)
{
    demo::MarketingServerSettings settings;
    settings.records = 2;
    const auto server = serving(settings);
    for (const QString &method : { QStringLiteral("POST"), QStringLiteral("get") }) {
        HttpRequest request;
        request.Open(method, firstPage(*server));
        ASSERT_TRUE(request.Send()) << qPrintable(request.ErrorText());
        EXPECT_EQ(request.Status(), 200);
        EXPECT_EQ(request.failure(), HttpRequest::Failure::None);
        const QString text = request.ResponseText();
        EXPECT_TRUE(text.startsWith(QStringLiteral("{\"code\":0,\"msg\":\"成功\"")))
            << qPrintable(text);
        EXPECT_TRUE(text.contains(QStringLiteral("\"ID\":\"100002\"")));
    }
}

TEST(HttpRequest, AnErrorCodeIsAnsweredAsItsMessage)
{
    demo::MarketingServerSettings settings;
    settings.failCode = QStringLiteral("-3");
    const auto server = serving(settings);
    const MarketingAnswer answer = customer::SendHttpRequest(firstPage(*server), QString(), {});
    EXPECT_EQ(answer.text, QStringLiteral("账户已过期"));
    EXPECT_TRUE(answer.errorCode);
    EXPECT_EQ(customer::responseCodeMessage(QStringLiteral("-10")), QStringLiteral("通道错误"));
    EXPECT_EQ(customer::responseCodeMessage(QStringLiteral("-11")), QString());
    EXPECT_EQ(customer::responseCodeMessage(QStringLiteral(" -1")), QString());
    EXPECT_EQ(customer::responseCodeMessage(QStringLiteral("-01")), QString());
}

TEST(HttpRequest, ADroppedConnectionIsNoAnswer)
{
    demo::MarketingServerSettings settings;
    settings.dropConnection = true;
    const auto server = serving(settings);
    const MarketingAnswer answer =
        customer::SendHttpRequest(firstPage(*server), QString(), quickOptions());
    EXPECT_EQ(answer.failure, HttpRequest::Failure::Broken);
    EXPECT_FALSE(answer.failureText.isEmpty());
    EXPECT_EQ(answer.text, QString());
}

TEST(HttpRequest, ASlowServiceTimesOutWhileItsAnswerIsAwaited)
{
    demo::MarketingServerSettings settings;
    settings.delayMs = 5000;
    const auto server = serving(settings);
    const MarketingAnswer answer =
        customer::SendHttpRequest(firstPage(*server), QString(), quickOptions());
    EXPECT_EQ(answer.failure, HttpRequest::Failure::TimedOut);
    EXPECT_EQ(answer.failureText, QStringLiteral("no answer came within 300 ms"));
}

TEST(HttpRequest, NoServiceAtTheAddressIsNoAnswer)
{
    QString url;
    {
        const auto server = serving({});
        url = firstPage(*server);
    }
    const MarketingAnswer answer = customer::SendHttpRequest(url, QString(), quickOptions());
    EXPECT_EQ(answer.failure, HttpRequest::Failure::Broken);
    EXPECT_FALSE(answer.failureText.isEmpty());
}

TEST(HttpRequest, TheCallerMayAbandonTheWait)
{
    demo::MarketingServerSettings settings;
    settings.delayMs = 5000;
    const auto server = serving(settings);
    int asked = 0;
    const MarketingAnswer answer = customer::SendHttpRequest(firstPage(*server), QString(), {},
                                                             [&asked] { return ++asked > 3; });
    EXPECT_EQ(answer.failure, HttpRequest::Failure::Cancelled);
    EXPECT_EQ(asked, 4);
}

TEST(HttpRequest, OnlyHttpAddressesAreRequested)
{
    HttpRequest request;
    request.Open(QStringLiteral("GET"), QStringLiteral("file:///etc/passwd"));
    EXPECT_FALSE(request.Send());
    EXPECT_EQ(request.failure(), HttpRequest::Failure::Broken);
    EXPECT_EQ(request.ResponseText(), QString());
}
