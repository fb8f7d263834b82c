#pragma once

#include "entry/ClsCustomerEvents.h"

#include <QString>

#include <memory>

namespace customer {
class ArchiveEntry;
}

namespace suite {
class ClsLogin;
class IClsCommon;
class IColumnSet;
class IRowAuth;
struct LoginRequest;
} // namespace suite

namespace host {

struct HostOptions;

// The login a web host makes for the command line's user on the company database file.
suite::LoginRequest webLoginRequest(const HostOptions &options, const QString &databaseFile);

// The host of the component in web mode: it answers the entry's events from the company
// database through suite services of its own, for the user it logged in. A web session can
// expire; the host then sets the entry's bTimeOut, which makes the entry close its windows
// after the answer it is waiting for.
class WebHost : public customer::ClsCustomerEvents
{
public:
    // Logs the user in and creates the services; nullptr with sMsg telling why when any step
    // fails. The suite's classes must be registered (suite::registerSuiteServices).
    static std::unique_ptr<WebHost> open(const suite::LoginRequest &request, QString &sMsg);
    ~WebHost() override;
    WebHost(const WebHost &) = delete;
    WebHost &operator=(const WebHost &) = delete;

    std::shared_ptr<suite::ILogin> login() const;
    // The XML the host hands to the entry's InitWeb: the business date of the login and the
    // address prefix of the reference pages.
    QString webInitXml(const QString &url) const;

    // Subscribes this host to the entry's events; the entry is not kept alive by the host.
    void attach(const std::shared_ptr<customer::ArchiveEntry> &entry);
    // Opens the entry's web session for the host's user: attached, given the login (which the
    // public service works for) and the web settings, then its session created in web mode.
    // False when the entry refused; it has told the user why.
    bool start(const std::shared_ptr<customer::ArchiveEntry> &entry, const QString &url);

    // The session ends with the answer to its requests-th request; 0 (the default) keeps it
    // open until expire().
    void setRequestLimit(int requests);
    int requestCount() const { return m_requests; }
    void expire();
    bool expired() const { return m_expired; }

    void EventOpenX(const QString &strSql, suite::RecordSet &Rst, QString &sMsg) override;
    void EventOpenPage(const QString &strSql, int &iPageSize, int &lCurPage, int &lMaxPageCount,
                       suite::RecordSet &RsRef, QString &sMsg, bool &bFlag) override;
    void EventOpenPageUncounted(const QString &strSql, int &iPageSize, int &lCurPage,
                                int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg,
                                bool &bFlag) override;
    void EventCountPageLater(const QString &strSql, QObject *requester,
                             PageCountDone done) override;
    void EventGetFunAuth(const std::shared_ptr<suite::ILogin> &oLogin, const QString &sArch,
                         int bIsLock, QString &sErr, int OptId, const QString &sAuth_Id, int iYear,
                         bool &bFlag) override;
    // bErr is true when the record was written, as the entry hands it on as its result.
    void EventAdd(const QString &sXML, const QString &tableName, QString &sMsg,
                  bool &bErr) override;
    void EventModify(const QString &sXML, const QString &tableName, QString &sMsg,
                     bool &bErr) override;
    void EventDelete(const QVariant &id, const QString &IDName, const QString &tableName,
                     QString &sMsg, const QString &cUserId, bool &bErr) override;
    // sXML is a WebFindRequest; the rows are those the user may read.
    void EventFind(const QString &sXML, QStringList &FindTableName, QStringList &ShowTableName,
                   QString &sMsg, suite::RecordSet &Rst) override;
    void EventExecuteX(const QString &strSql, bool &bFlag) override;
    void EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML) override;
    void EventGetColSet(const QString &cKey, int iReturnMode, suite::RecordSet &rs) override;
    void EventSave(QString &sXML, bool &bFlag) override;
    void EventGetSqlString(const QString &sXML, QString &strSql) override;
    void EventGetOrderString(const QString &sXML, QString &str) override;
    void EventiCols(int &col) override;
    void EventGetFixedCols(int &fixCol) override;
    void EventGetAuthString(const QString &tableName, QString &sId) override;

private:
    WebHost(std::shared_ptr<suite::ClsLogin> login, std::shared_ptr<suite::IClsCommon> service,
            std::shared_ptr<suite::IColumnSet> columnSets);

    // Counts the request being answered; the last one the session allows expires it.
    void countRequest();
    // The user's read condition over the table, from the rights object member that knows it.
    QString readCondition(const QString &tableName) const;

    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<suite::IClsCommon> m_service;
    std::shared_ptr<suite::IColumnSet> m_columnSets;
    std::shared_ptr<suite::IRowAuth> m_rowAuth;
    std::weak_ptr<customer::ArchiveEntry> m_entry;
    int m_requestLimit = 0;
    int m_requests = 0;
    bool m_expired = false;
};

} // namespace host
