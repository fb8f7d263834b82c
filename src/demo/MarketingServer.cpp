#include "demo/MarketingServer.h"

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <thread>

namespace demo {

namespace {

const char *const kPath = "/app/qy.php/Home/CkUpesnMg/getCKCustomerList";
const char *const kJson = "application/json; charset=utf-8";
const char *const kText = "text/plain; charset=utf-8";
// The service's answer to a request it cannot read: "other error".
const char *const kOtherError = "-9";
constexpr int kMostRowsPerPage = 10000;
constexpr int kDelayStepMs = 10;
constexpr size_t kServingThreads = 4;

int intParameter(const httplib::Request &request, const char *name)
{
    bool number = false;
    const int value =
        QString::fromStdString(request.get_param_value(name)).trimmed().toInt(&number);
    return number ? value : -1;
}

nlohmann::ordered_json recordJson(const MarketingRecord &record)
{
    nlohmann::ordered_json json;
    const std::pair<const char *, const QString *> fields[] = {
        { "ID", &record.ID },
        { "Name", &record.Name },
        { "ShortName", &record.ShortName },
        { "Address", &record.Address },
        { "Phone", &record.Phone },
        { "OwnerID", &record.OwnerID },
        { "CreatedByID", &record.CreatedByID },
        { "CreatedTime", &record.CreatedTime },
        { "ModifiedByID", &record.ModifiedByID },
        { "ModifiedTime", &record.ModifiedTime },
        { "Bank", &record.Bank },
        { "BankAccount", &record.BankAccount },
        { "Email", &record.Email },
        { "Beizhu", &record.Beizhu },
        { "Fax", &record.Fax },
        { "Lat", &record.Lat },
        { "Lng", &record.Lng },
        { "TarnCode", &record.TarnCode },
    };
    for (const auto &[name, value] : fields)
        json[name] = value->toStdString();
    return json;
}

} // namespace

struct MarketingServer::Impl
{
    httplib::Server server;
    std::thread thread;
    std::atomic<bool> stopping{ false };
    std::atomic<bool> listening{ true };
    mutable std::mutex mutex;
    MarketingServerSettings settings;
    MarketingRecords records;
    QList<int> pages;

    void handle(const httplib::Request &request, httplib::Response &response);
    void pause(int ms) const;
};

void MarketingServer::Impl::pause(int ms) const
{
    for (int waited = 0; waited < ms && !stopping; waited += kDelayStepMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(kDelayStepMs));
}

void MarketingServer::Impl::handle(const httplib::Request &request, httplib::Response &response)
{
    const int pageNo = intParameter(request, "pageNo");
    const int rowsPerPage = intParameter(request, "rowsPerPage");
    MarketingServerSettings answer;
    {
        const std::lock_guard lock(mutex);
        pages.append(pageNo);
        answer = settings;
    }
    const bool failing = pageNo >= answer.failFromPage;
    if (failing)
        pause(answer.delayMs);
    if (failing && answer.dropConnection) {
        response.set_content_provider(1024, kJson,
                                      [](size_t, size_t, httplib::DataSink &) { return false; });
        return;
    }
    if (failing && answer.emptyBody) {
        response.set_content(std::string(), kJson);
        return;
    }
    if (failing && !answer.failCode.isEmpty()) {
        response.set_content(answer.failCode.toStdString(), kText);
        return;
    }
    if (QString::fromStdString(request.get_param_value("entcode")) != answer.enterpriseCode) {
        response.set_content("-1", kText);
        return;
    }
    const QDateTime since =
        QDateTime::fromString(QString::fromStdString(request.get_param_value("modifyTimeBegin")),
                              QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!since.isValid() || pageNo < 1 || rowsPerPage < 1 || rowsPerPage > kMostRowsPerPage) {
        response.set_content(kOtherError, kText);
        return;
    }
    int total = 0;
    QList<MarketingRecord> page;
    {
        const std::lock_guard lock(mutex);
        page = records.page(since, pageNo, rowsPerPage, total);
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const MarketingRecord &record : page)
        list.push_back(recordJson(record));
    nlohmann::ordered_json body;
    body["code"] = 0;
    body["msg"] = page.isEmpty() ? "没有符合条件的客户" : "成功";
    body["data"] = { { "total", total },
                     { "pageNo", pageNo },
                     { "rowsPerPage", rowsPerPage },
                     { "list", std::move(list) } };
    response.set_content(body.dump(), kJson);
}

MarketingServer::MarketingServer(MarketingServerSettings settings)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->records = MarketingRecords(settings.records, settings.seed);
    m_impl->settings = std::move(settings);
    Impl *impl = m_impl.get();
    const auto handler = [impl](const httplib::Request &request, httplib::Response &response) {
        impl->handle(request, response);
    };
    m_impl->server.Get(kPath, handler);
    m_impl->server.Post(kPath, handler);
    // Each request of the download comes on a connection of its own, one after the other: a
    // few threads serve them, and each keeps the memory of the pages it wrote.
    m_impl->server.set_keep_alive_timeout(1);
    m_impl->server.new_task_queue = [] {
        return new httplib::ThreadPool(kServingThreads);
    };
}

MarketingServer::~MarketingServer()
{
    stop();
}

bool MarketingServer::start(int port, QString &sMsg)
{
    const int bound = port == 0 ? m_impl->server.bind_to_any_port("127.0.0.1")
        : m_impl->server.bind_to_port("127.0.0.1", port) ? port
                                                         : -1;
    if (bound <= 0) {
        sMsg = QStringLiteral("The port %1 of 127.0.0.1 cannot be bound.").arg(port);
        return false;
    }
    m_port = bound;
    Impl *impl = m_impl.get();
    m_impl->thread = std::thread([impl] {
        impl->server.listen_after_bind();
        impl->listening = false;
    });
    // A stop before the server runs would be lost and leave it serving: start returns once it
    // runs.
    while (!m_impl->server.is_running() && m_impl->listening)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void MarketingServer::wait()
{
    if (m_impl->thread.joinable())
        m_impl->thread.join();
}

void MarketingServer::stop()
{
    m_impl->stopping = true;
    m_impl->server.stop();
    wait();
}

QString MarketingServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void MarketingServer::modify(int index)
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->records.modify(index);
}

void MarketingServer::replace(int index, MarketingRecord record)
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->records.replace(index, std::move(record));
}

void MarketingServer::setSettings(const MarketingServerSettings &settings)
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->settings = settings;
}

QList<int> MarketingServer::pagesAsked() const
{
    const std::lock_guard lock(m_impl->mutex);
    return m_impl->pages;
}

} // namespace demo
