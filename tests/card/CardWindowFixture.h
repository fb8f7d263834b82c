#pragma once

#include "EntryFixture.h"

#include "card/FrmCusAM.h"
#include "list/ClassTree.h"
#include "list/FrmCus.h"
#include "suite/controls/Grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

using namespace customer;
using namespace Qt::StringLiterals;

// The card as a user meets it: opened from the list inside the portal, or by the entry class.
class CardWindowTest : public EntryTest
{
protected:
    void TearDown() override
    {
        delete m_card;
        delete m_list;
        m_entry.reset();
        EntryTest::TearDown();
    }

    static void settle()
    {
        for (int round = 0; round < 4; ++round)
            QApplication::processEvents();
    }

    FrmCus *openList(const QString &userId = QStringLiteral("demo"))
    {
        m_entry = ClsCustomer::create();
        m_entry->setBusiness(portal(login(userId), m_portal));
        m_entry->ShowModeless(QStringLiteral("AA0101"), QString(), QString(), QString());
        m_list = qobject_cast<FrmCus *>(m_entry->listWindow());
        if (m_list) {
            m_list->resize(1000, 640);
            m_list->show();
            settle();
        }
        return m_list;
    }

    void selectClass(const QString &classCode)
    {
        for (QTreeWidgetItemIterator it(m_list->Trv); *it; ++it) {
            if (classNodeKey(*it) == u'r' + classCode)
                m_list->Trv->setCurrentItem(*it);
        }
    }

    // Runs a list command and shows the card it hands to the portal.
    FrmCusAM *openCard(const QString &command)
    {
        const qsizetype shown = m_portal.forms.size();
        m_list->Operating(command);
        if (m_portal.forms.size() == shown)
            return nullptr;
        m_card = qobject_cast<FrmCusAM *>(m_portal.forms.last());
        if (m_card) {
            m_card->resize(1000, 640);
            m_card->show();
            settle();
        }
        return m_card;
    }

    static void typeInto(QWidget *target, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }

    static void retype(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        typeInto(edit, text.left(edit->maxLength()));
    }

    static void leave(QWidget *field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }

    QString firstCode(const QString &condition) const
    {
        return m_company
            .column(DemoCompanyCopy<>::Company,
                    QStringLiteral("select cCusCode from Customer where %1 order by cCusCode")
                        .arg(condition))
            .value(0);
    }

    int declaredSize(const QString &column) const
    {
        return columnType(column).section(u'(', 1).section(u')', 0, 0).toInt();
    }

    // The declared type of a column of Customer, in lower case: "nvarchar(20)".
    QString columnType(QStringView column) const
    {
        for (const auto &[name, type] :
             m_company.declaredColumns(DemoCompanyCopy<>::Company, QStringLiteral("Customer"))) {
            if (name.compare(column, Qt::CaseInsensitive) == 0)
                return type.toLower();
        }
        return QString();
    }

    PortalRecord m_portal;
    std::shared_ptr<ClsCustomer> m_entry;
    FrmCus *m_list = nullptr;
    FrmCusAM *m_card = nullptr;
};

// The card's commands as a user runs them: save, navigation, delete and closing.
class CardCommandTest : public CardWindowTest
{
protected:
    FrmCusAM *openOnRow(int row)
    {
        m_list->Grid->setRow(row);
        return openCard(QStringLiteral("Modify"));
    }

    int rowOf(const QString &code) const
    {
        for (int row = 1; row < m_list->Grid->Rows(); ++row) {
            if (m_list->Grid->TextMatrix(row, m_list->iKeyPos) == code)
                return row;
        }
        return -1;
    }

    QString valueOf(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql).value(0);
    }

    QString stored(const QString &column, const QString &code) const
    {
        return valueOf(u"select %1 from Customer where cCusCode='%2'"_s.arg(column, code));
    }

    void answer(std::deque<int> answers)
    {
        m_messages = std::make_shared<suite::MessageScript>(std::move(answers));
        suite::ClsPub::installMessageScript(m_messages);
    }
};
