#pragma once

#include "EntryFixture.h"
#include "catalogue/FieldCatalogue.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"

// The component entered as the list enters it, without a window, for a user on a demo company
// of its own: the session context holds the services, the rights and the field catalogue the
// batch works with; every message box is recorded and answered from the script.
class BatchSession : public EntryTest
{
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        enter(QStringLiteral("demo"));
    }

    void TearDown() override
    {
        suite::ClsPub::clearMulModifyHooks();
        if (m_entry)
            m_entry->LogOff();
        m_entry.reset();
        EntryTest::TearDown();
    }

    void enter(const QString &userId)
    {
        if (m_entry)
            m_entry->LogOff();
        m_login = login(userId);
        m_entry = customer::ClsCustomer::create();
        m_entry->Init(m_login);
        ASSERT_TRUE(
            m_entry->CreateObj(0, m_login->cUserId(), m_login->cUserName(), m_login->KvDbName()))
            << qPrintable(shownTexts().join(u'\n'));
        customer::BuildColInfo();
        answerWith({});
    }

    void answerWith(std::deque<int> answers)
    {
        m_messages = std::make_shared<suite::MessageScript>(std::move(answers));
        suite::ClsPub::installMessageScript(m_messages);
    }

    // Every row of a table in the order given, each as its values joined with '|', for
    // comparing the table before and after.
    QStringList tableRows(const QString &table, const QString &order) const
    {
        QStringList lines;
        for (const QStringList &row :
             m_company.rows(DemoCompanyCopy<>::Company,
                            QStringLiteral("select * from %1 order by %2").arg(table, order)))
            lines.append(row.join(u'|'));
        return lines;
    }

    QStringList values(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }

    QString value(const QString &sql) const { return values(sql).value(0); }

    void run(const QString &sql) const { m_company.run(DemoCompanyCopy<>::Company, sql); }

    // The first customer codes of the company, in code order.
    QStringList firstCodes(int count) const
    {
        return values(
            QStringLiteral("select cCusCode from Customer order by cCusCode limit %1").arg(count));
    }

    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<customer::ClsCustomer> m_entry;
};
