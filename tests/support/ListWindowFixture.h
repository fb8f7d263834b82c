#pragma once

#include "EntryFixture.h"

#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/controls/Grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

// The customer list as the portal shows it, opened offscreen for a user and loaded with its
// first page; closed and released after the test.
class ListWindowFixture : public EntryTest
{
protected:
    void TearDown() override
    {
        if (m_list) {
            m_list->close();
            delete m_list;
        }
        m_entry.reset();
        EntryTest::TearDown();
    }

    customer::FrmCus *openList(const QString &userId = QStringLiteral("demo"))
    {
        m_entry = customer::ClsCustomer::create();
        m_entry->setBusiness(portal(login(userId), m_portal));
        m_entry->ShowModeless(QStringLiteral("AA0101"), QString(), QString(), QString());
        m_list = qobject_cast<customer::FrmCus *>(m_entry->listWindow());
        if (!m_list)
            return nullptr;
        m_list->resize(1000, 640);
        m_list->show();
        settle();
        waitForPageCount();
        return m_list;
    }

    // The list counts its rows after it shows a page; waits until the count is in.
    static void waitForPageCount()
    {
        QElapsedTimer clock;
        clock.start();
        while (customer::g_lPageCount < 0 && clock.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    static void settle()
    {
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
    }

    // The customer codes the grid shows, top to bottom.
    QStringList shownCodes() const
    {
        QStringList codes;
        for (int row = 1; row < m_list->Grid->Rows(); ++row)
            codes.append(m_list->Grid->TextMatrix(row, m_list->iKeyPos));
        return codes;
    }

    // Asks for a page as a user does: types size and number, presses the apply button.
    void requestPage(int pageSize, int page)
    {
        m_list->EdtPageSize->setText(QString::number(pageSize));
        m_list->EdtiCurPage->setText(QString::number(page));
        m_list->CmdRequest->click();
        waitForPageCount();
    }

    PortalRecord m_portal;
    std::shared_ptr<customer::ClsCustomer> m_entry;
    customer::FrmCus *m_list = nullptr;
};
