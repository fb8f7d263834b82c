#pragma once

#include "demo/MarketingRecords.h"

#include <QString>

#include <memory>
#include <mutex>

namespace demo {

// The enterprise code of the demo company at the marketing service (kvsystem..ua_logininfo).
inline const QString kDemoEnterpriseCode = QStringLiteral("KW20260001");

// How the local marketing service answers; the failures and the delay from page failFromPage
// on.
struct MarketingServerSettings
{
    int records = 3000;
    std::uint64_t seed = 2026;
    QString enterpriseCode = kDemoEnterpriseCode;
    // One of the service's error codes ("-1" to "-10") instead of the page.
    QString failCode;
    // An answer without a body.
    bool emptyBody = false;
    // The connection is closed after the headers, before the page.
    bool dropConnection = false;
    // Each answer waits this long first.
    int delayMs = 0;
    int failFromPage = 1;
};

// A local stand-in for the maker's marketing service, for the demo and the tests: the
// customer-list endpoint over HTTP on 127.0.0.1, paged, filtered by modification time and
// answered as the service answers (JSON: code, msg, data with total and list), from
// MarketingRecords. A request for another enterprise code is answered "-1". It serves in
// threads of its own until it is stopped or destroyed.
class MarketingServer
{
public:
    explicit MarketingServer(MarketingServerSettings settings = {});
    ~MarketingServer();
    MarketingServer(const MarketingServer &) = delete;
    MarketingServer &operator=(const MarketingServer &) = delete;

    // Binds port on 127.0.0.1 (0: a free one) and starts serving; false with the reason when
    // the port cannot be had.
    bool start(int port, QString &sMsg);
    // Returns when the service has stopped.
    void wait();
    void stop();

    int port() const { return m_port; }
    QString baseUrl() const;

    // The service's records and how it answers may change between requests.
    void modify(int index);
    void replace(int index, MarketingRecord record);
    void setSettings(const MarketingServerSettings &settings);
    // The pages asked for so far, in order.
    QList<int> pagesAsked() const;

private:
    struct Impl;

    std::unique_ptr<Impl> m_impl;
    int m_port = 0;
};

} // namespace demo
