#pragma once

#include "EntryFixture.h"
#include "TextPrinter.h"

#include "demo/MarketingServer.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "import/MarketingDownload.h"
#include "suite/core/ErrorLog.h"

#include <memory>

// A progress that cancels once a number of pages has landed.
class CancelAfterPages : public customer::DownloadProgress
{
public:
    explicit CancelAfterPages(int pages)
        : m_pages(pages)
    { }
    void requesting(int page) override { asked.append(page); }
    void pageLanded(int page, qint64 rows) override
    {
        landed.append(page);
        lastRows = rows;
    }
    bool cancelRequested() override { return landed.size() >= m_pages; }

    QList<int> asked;
    QList<int> landed;
    qint64 lastRows = 0;

private:
    int m_pages;
};

// The download on a demo company of its own, entered as the import list enters it, against a
// local marketing service on a free port.
class DownloadTest : public EntryTest
{
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        suite::ErrorLog::instance().clear();
        const auto session = login();
        m_entry = customer::ClsCustomer_import::create();
        m_entry->Init(session);
        ASSERT_TRUE(
            m_entry->CreateObj(0, session->cUserId(), session->cUserName(), session->KvDbName()))
            << qPrintable(shownTexts().join(u'\n'));
    }

    void TearDown() override
    {
        m_server.reset();
        if (m_entry)
            m_entry->LogOff();
        m_entry.reset();
        EntryTest::TearDown();
    }

    // Starts the service; the company's option names its address.
    void serve(demo::MarketingServerSettings settings)
    {
        m_server = std::make_unique<demo::MarketingServer>(std::move(settings));
        QString sMsg;
        ASSERT_TRUE(m_server->start(0, sMsg)) << qPrintable(sMsg);
        run(QStringLiteral("update AccInformation set cValue='%1' where cName="
                           "'cMarketingServiceUrl'")
                .arg(m_server->baseUrl()));
    }

    void serve(int records)
    {
        demo::MarketingServerSettings settings;
        settings.records = records;
        serve(settings);
    }

    void setOption(const QString &name, const QString &value) const
    {
        run(QStringLiteral("update AccInformation set cValue='%1' where cName='%2'")
                .arg(value, name));
    }

    customer::DownloadOutcome download(customer::DownloadProgress *progress = nullptr) const
    {
        using namespace customer;
        MarketingDownload download(*g_oSrv, *g_oPub, MarketingOptions::read(*g_oSrv));
        download.setProgress(progress);
        return download.run(*g_oLogin);
    }

    QStringList rows(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }
    QString value(const QString &sql) const { return rows(sql).value(0); }
    void run(const QString &sql) const { m_company.run(DemoCompanyCopy<>::Company, sql); }
    int stagedRows() const
    {
        return value(QStringLiteral("select count(*) from customer_import")).toInt();
    }

    // Every column of every staging row, one line a row in AutoID (its first column) order.
    QStringList stagingTable() const
    {
        QStringList lines;
        for (const QStringList &row :
             m_company.tableSnapshot(DemoCompanyCopy<>::Company, QStringLiteral("customer_import")))
            lines.append(row.join(u'|'));
        return lines;
    }

    // The trace lines of the download so far.
    static QStringList traced()
    {
        QStringList lines;
        for (const suite::ErrorLog::Entry &entry : suite::ErrorLog::instance().entries()) {
            if (entry.level == suite::ErrorLog::Level::Trace)
                lines.append(entry.text);
        }
        return lines;
    }

    std::shared_ptr<customer::ClsCustomer_import> m_entry;
    std::unique_ptr<demo::MarketingServer> m_server;
};
