#include "DownloadFixture.h"

#include "import/MarketingOptions.h"

using namespace customer;

TEST_F(DownloadTest, TheAccountOptionsOfTheService)
{
    const MarketingOptions demo = MarketingOptions::read(*g_oSrv);
    EXPECT_EQ(demo.serviceUrl, QStringLiteral("http://127.0.0.1:8765"));
    EXPECT_FALSE(demo.ignoreCertificateErrors);
    EXPECT_EQ(demo.timeouts.resolveMs, 60000);
    EXPECT_EQ(demo.timeouts.connectMs, 60000);
    EXPECT_EQ(demo.timeouts.sendMs, 60000);
    EXPECT_EQ(demo.timeouts.receiveMs, 30000);

    setOption(QStringLiteral("cMarketingServiceUrl"), QStringLiteral(" https://veska.example.cn "));
    setOption(QStringLiteral("bMarketingIgnoreCertErrors"), QStringLiteral("True"));
    setOption(QStringLiteral("iMarketingResolveTimeout"), QStringLiteral("1500"));
    setOption(QStringLiteral("iMarketingConnectTimeout"), QStringLiteral("-5"));
    setOption(QStringLiteral("iMarketingSendTimeout"), QStringLiteral("soon"));
    setOption(QStringLiteral("iMarketingReceiveTimeout"), QString());
    const MarketingOptions set = MarketingOptions::read(*g_oSrv);
    EXPECT_EQ(set.serviceUrl, QStringLiteral("https://veska.example.cn"));
    EXPECT_TRUE(set.ignoreCertificateErrors);
    EXPECT_EQ(set.timeouts.resolveMs, 1500);
    EXPECT_EQ(set.timeouts.connectMs, 60000) << "a time-out must be positive";
    EXPECT_EQ(set.timeouts.sendMs, 60000);
    EXPECT_EQ(set.timeouts.receiveMs, 30000) << "an empty value takes the option's default";
}

TEST_F(DownloadTest, IgnoredCertificateErrorsAreSaidInTheLog)
{
    serve(5);
    const auto warnings = [] {
        QStringList texts;
        for (const suite::ErrorLog::Entry &entry : suite::ErrorLog::instance().entries()) {
            if (entry.level == suite::ErrorLog::Level::Warning)
                texts.append(entry.text);
        }
        return texts;
    };
    ASSERT_TRUE(download().merged);
    EXPECT_EQ(warnings(), QStringList());

    setOption(QStringLiteral("bMarketingIgnoreCertErrors"), QStringLiteral("1"));
    ASSERT_TRUE(download().merged);
    EXPECT_EQ(warnings(),
              QStringList{ QStringLiteral("Certificate errors of the marketing service at %1 are "
                                          "ignored, as the account option "
                                          "bMarketingIgnoreCertErrors says.")
                               .arg(m_server->baseUrl()) });
}
