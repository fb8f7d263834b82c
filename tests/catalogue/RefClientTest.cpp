#include "suite/controls/RefClient.h"

#include <gtest/gtest.h>

using suite::RecordSet;
using suite::RefClient;

namespace {

// An owner that answers every request and records what it was asked.
class AnsweringOwner : public suite::RefClientEvents
{
public:
    explicit AnsweringOwner(RefClient &client)
        : m_client(client)
    { }

    void RefClient_EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML) override
    {
        sXML = QStringLiteral("<%1 mode='%2'/>").arg(cKey).arg(iReturnMode);
    }
    void RefClient_EventSave(QString &sXML, bool &bFlag) override
    {
        bFlag = !sXML.isEmpty();
        if (!bFlag)
            sXML = QStringLiteral("nothing to save");
    }
    void RefClient_ReferRefresh(const QString &strTablename, int &lPageSize, int &lPageCount,
                                int &lCurPage, const QString &, const QString &,
                                const QString &) override
    {
        asked.append(strTablename);
        bool bIsWeb = true;
        QString cTable = strTablename;
        const RecordSet rows = strTablename == u"none"
            ? RecordSet()
            : RecordSet({ { QStringLiteral("cCode") } }, { { QStringLiteral("A") } });
        m_client.RstRefInit(bIsWeb, pagedAnswer, cTable, 1, false, lPageSize, 7, lCurPage, rows,
                            RecordSet({ { QStringLiteral("cFieldName") } }, {}), RecordSet());
    }

    QStringList asked;
    bool pagedAnswer = false;

private:
    RefClient &m_client;
};

} // namespace

TEST(RefClient, WithoutAnOwnerRequestsComeBackEmpty)
{
    RefClient client;
    QString sXML = QStringLiteral("<Crm_Contact/>");
    EXPECT_EQ(client.getColInfo(QStringLiteral("RefCrm_Contact"), 1), QString());
    EXPECT_FALSE(client.save(sXML));
    EXPECT_EQ(sXML, QStringLiteral("<Crm_Contact/>"));
    EXPECT_FALSE(client.refresh(QStringLiteral("crm_contact"), 20, 0, 1, {}, {}, {}));
    EXPECT_FALSE(client.rows().IsOpen());
}

TEST(RefClient, TheOwnersAnswersReachTheReferenceComponents)
{
    RefClient client;
    AnsweringOwner owner(client);
    client.setEventHandler(&owner);
    EXPECT_EQ(client.getColInfo(QStringLiteral("RefCrm_Contact"), 1),
              QStringLiteral("<RefCrm_Contact mode='1'/>"));
    QString sXML = QStringLiteral("<Crm_Contact/>");
    EXPECT_TRUE(client.save(sXML));
    QString empty;
    EXPECT_FALSE(client.save(empty));
    EXPECT_EQ(empty, QStringLiteral("nothing to save"));
}

TEST(RefClient, ARefreshKeepsWhatTheOwnerHandsBack)
{
    RefClient client;
    AnsweringOwner owner(client);
    client.setEventHandler(&owner);
    int received = 0;
    QObject::connect(&client, &RefClient::rowsReceived, [&received] { ++received; });

    EXPECT_TRUE(client.refresh(QStringLiteral("crm_contact"), 20, 0, 3, {}, {}, {}));
    EXPECT_EQ(owner.asked, QStringList{ QStringLiteral("crm_contact") });
    EXPECT_EQ(received, 1);
    EXPECT_EQ(client.table(), QStringLiteral("crm_contact"));
    EXPECT_TRUE(client.isWeb());
    EXPECT_EQ(client.mode(), 1);
    EXPECT_EQ(client.pageSize(), 20);
    EXPECT_EQ(client.pageCount(), 7);
    EXPECT_EQ(client.curPage(), 3);
    ASSERT_EQ(client.rows().RecordCount(), 1);
    EXPECT_EQ(client.rows().valueAt(0, 0).toString(), QStringLiteral("A"));
    EXPECT_EQ(client.columnSet().FieldCount(), 1);
    EXPECT_FALSE(client.extraRows().IsOpen());

    EXPECT_FALSE(client.refresh(QStringLiteral("none"), 20, 0, 1, {}, {}, {})) << "no rows arrived";
}
