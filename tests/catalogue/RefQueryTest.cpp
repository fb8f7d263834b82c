#include "DataRightsSession.h"

#include "catalogue/RefQuery.h"
#include "entry/ArchiveListWindow.h"
#include "entry/ClsCustomer.h"
#include "suite/controls/RefClient.h"

#include <QLineEdit>

using namespace customer;

namespace {

const QString kContacts = QStringLiteral("crm_contact");

// What the reference client saw of the session while it received rows.
struct SeenState
{
    QString table;
    QString sql;
    QString filter;
};

// A list window of an entry instance with its reference client, three contacts for one customer
// and the column set of the contact reference list: code and name, sorted by name descending.
class RefQuery : public DataRightsSession
{
protected:
    void SetUp() override
    {
        DataRightsSession::SetUp();
        enter(QStringLiteral("sales1"));
        m_entry = ClsCustomer::create();
        m_window.m_cls = m_entry.get();
        m_window.RefClient = std::make_shared<suite::RefClient>();
        m_entry->FrmMain = &m_window;
        QObject::connect(m_window.RefClient.get(), &suite::RefClient::rowsReceived, [this] {
            m_seen.append({ g_cRefTable, g_cRefSql, g_cRefFilter });
        });

        m_customer = codes(QStringLiteral("select min(cCusCode) from Customer where cCusCode not in"
                                          " (select cCusCode from Crm_Contact where cCusCode is"
                                          " not null)"))
                         .value(0);
        ASSERT_FALSE(m_customer.isEmpty());
        int number = 0;
        for (const QString name :
             { QStringLiteral("Anna"), QStringLiteral("Carl"), QStringLiteral("Bert") }) {
            ASSERT_TRUE(g_oSrv->ExecuteX(
                QStringLiteral("insert into Crm_Contact (OID, ID, cContactCode, cContactName,"
                               " cCusCode, bcSexID) values (NEWID(), 'T%1', 'T%1', '%2', '%3', 1)")
                    .arg(++number)
                    .arg(name, m_customer)));
        }
        QString sMsg;
        ASSERT_TRUE(g_oColSet->setCatalogue(
            QStringLiteral("Refcrm_contact"),
            QStringLiteral("<Crm_Contact><Crm_Contact.cContactCode showfldname='编码'/>"
                           "<cContactName showfldname='联系人' csort='desc'/></Crm_Contact>"),
            sMsg))
            << qPrintable(sMsg);
        QString set = QStringLiteral("<Crm_Contact ckey='Refcrm_contact'>"
                                     "<Crm_Contact.cContactCode/><cContactName csort='desc'/>"
                                     "</Crm_Contact>");
        ASSERT_TRUE(g_oColSet->Save(set)) << qPrintable(set);
        g_cContactCusCode = m_customer;
    }

    void refresh(const QString &table, int &lPageSize, int &lPageCount, int &lCurPage)
    {
        ArchiveEntry *oCls = m_entry.get();
        RefreshRefData(table, lPageSize, lPageCount, lCurPage, QStringLiteral("filter"),
                       QStringLiteral("match"), QStringLiteral("order"), oCls);
        EXPECT_EQ(oCls, m_entry.get());
    }

    void refresh(const QString &table)
    {
        int lPageSize = 20;
        int lPageCount = 0;
        int lCurPage = 1;
        refresh(table, lPageSize, lPageCount, lCurPage);
    }

    QStringList contactNames() const
    {
        const suite::RecordSet &rows = m_window.RefClient->rows();
        QStringList names;
        for (int row = 0; row < rows.RecordCount(); ++row)
            names.append(
                rows.valueAt(row, rows.FieldIndex(QStringLiteral("cContactName"))).toString());
        return names;
    }

    void expectStateCleared() const
    {
        EXPECT_EQ(g_cRefTable, QString());
        EXPECT_EQ(g_cRefSql, QString());
        EXPECT_EQ(g_cRefFilter, QString());
        EXPECT_EQ(g_cRefExtraSql, QString());
    }

    std::shared_ptr<ClsCustomer> m_entry;
    ArchiveListWindow m_window;
    QString m_customer;
    QList<SeenState> m_seen;
};

} // namespace

TEST_F(RefQuery, TheContactListShowsTheContactsOfTheCardsCustomer)
{
    refresh(kContacts);
    ASSERT_EQ(m_seen.size(), 1);
    EXPECT_EQ(m_seen.first().table, kContacts);
    EXPECT_EQ(m_seen.first().sql,
              QStringLiteral(
                  "Select Crm_Contact.cContactCode,cContactName from crm_contact Left join "
                  "Customer on Crm_contact.cCuscode=Customer.cCusCode LEFT JOIN Crm_BaseCode "
                  "BaseCodeSex ON BaseCodeSex.ID = Crm_Contact.bcSexID LEFT JOIN Crm_BaseCode "
                  "BaseCodeDuty ON BaseCodeDuty.ID = Crm_Contact.bcDutyID LEFT JOIN Crm_BaseCode "
                  "BaseCodeMarriage ON BaseCodeMarriage.ID = Crm_Contact.bcMarriageID LEFT JOIN "
                  "Crm_BaseCode BaseCodeTaste ON BaseCodeTaste.ID = Crm_Contact.bcTasteID  "
                  "where Crm_contact.cCuscode='")
                  + m_customer + u'\'');
    EXPECT_EQ(m_seen.first().filter, QStringLiteral("1=1"));
    EXPECT_EQ(
        contactNames(),
        (QStringList{ QStringLiteral("Carl"), QStringLiteral("Bert"), QStringLiteral("Anna") }))
        << "sorted by the column set of the reference list";
    EXPECT_EQ(m_window.RefClient->table(), kContacts);
    EXPECT_EQ(m_window.RefClient->columnSet().RecordCount(), 2);
    EXPECT_FALSE(m_window.RefClient->extraRows().IsOpen());
    expectStateCleared();
}

TEST_F(RefQuery, AQuoteInTheCustomerCodeStaysInsideTheValue)
{
    g_cContactCusCode = QStringLiteral("x' or '1'='1");
    refresh(kContacts);
    ASSERT_EQ(m_seen.size(), 1);
    EXPECT_TRUE(m_seen.first().sql.endsWith(QStringLiteral("='x'' or ''1''=''1'")));
    ASSERT_TRUE(m_window.RefClient->rows().IsOpen());
    EXPECT_EQ(m_window.RefClient->rows().RecordCount(), 0);
}

TEST_F(RefQuery, OtherTablesAreReadWholeUnderTheUsersRights)
{
    QString sMsg;
    ASSERT_TRUE(g_oColSet->setCatalogue(
        QStringLiteral("RefCustomer"),
        QStringLiteral("<Customer><cCusCode showfldname='编码'/></Customer>"), sMsg))
        << qPrintable(sMsg);
    refresh(QStringLiteral("Customer"));
    ASSERT_EQ(m_seen.size(), 1);
    const QString rights =
        QStringLiteral("(Customer.cCCCode like '01%' and Customer.cCusDepart in ('0201'))");
    EXPECT_EQ(m_seen.first().sql, QStringLiteral("Select cCusCode from Customer where ") + rights);
    EXPECT_EQ(m_seen.first().filter, rights);
    QStringList shown;
    for (int row = 0; row < m_window.RefClient->rows().RecordCount(); ++row)
        shown.append(m_window.RefClient->rows().valueAt(row, 0).toString());
    shown.sort();
    EXPECT_EQ(shown, codes(QStringLiteral("select cCusCode from Customer where ") + rights));
    expectStateCleared();
}

TEST_F(RefQuery, ANestedCallWorksOnTheOuterCallsStatement)
{
    const QString outerCustomer = m_customer;
    bool nested = false;
    QObject::connect(m_window.RefClient.get(), &suite::RefClient::rowsReceived, [&] {
        if (nested)
            return;
        nested = true;
        g_cContactCusCode = QStringLiteral("another");
        refresh(kContacts);
        EXPECT_EQ(g_cRefTable, kContacts) << "the nested call leaves the state to the outer one";
    });
    refresh(kContacts);
    ASSERT_EQ(m_seen.size(), 2);
    EXPECT_EQ(m_seen.at(1).sql, m_seen.at(0).sql);
    EXPECT_TRUE(m_seen.at(1).sql.endsWith(u'\'' + outerCustomer + u'\''));
    EXPECT_EQ(contactNames().size(), 3);
    expectStateCleared();
}

TEST_F(RefQuery, APagedReferenceListReadsPagesWithoutTouchingTheListsPageStrip)
{
    g_bIsWeb = true;
    m_window.EdtiCurPage->setText(QStringLiteral("4"));
    m_window.RefClient->setPaged(true);
    refresh(kContacts);
    EXPECT_TRUE(g_bRefPaged) << "the reference client tells whether it pages";
    EXPECT_EQ(contactNames().size(), 3) << "the first read came before the client told";

    int lPageSize = 2;
    int lPageCount = 0;
    int lCurPage = 2;
    refresh(kContacts, lPageSize, lPageCount, lCurPage);
    EXPECT_EQ(lPageCount, 2);
    EXPECT_EQ(lCurPage, 2);
    EXPECT_EQ(contactNames(), QStringList{ QStringLiteral("Anna") });
    EXPECT_EQ(m_window.RefClient->pageCount(), 2);
    EXPECT_EQ(m_window.EdtiCurPage->text(), QStringLiteral("4"));

    m_window.RefClient->setPaged(false);
    refresh(kContacts);
    EXPECT_FALSE(g_bRefPaged);
    expectStateCleared();
}

TEST_F(RefQuery, WithoutAListWindowNothingIsReadAndTheStateIsCleared)
{
    m_entry->FrmMain = nullptr;
    refresh(kContacts);
    EXPECT_TRUE(m_seen.isEmpty());
    expectStateCleared();
    ArchiveEntry *none = nullptr;
    int size = 20, count = 0, page = 1;
    RefreshRefData(kContacts, size, count, page, {}, {}, {}, none);
    expectStateCleared();
}
