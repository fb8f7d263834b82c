#pragma once

#include "DemoCompanyCopy.h"

#include "suite/SuiteServices.h"
#include "suite/card/SubRecordDialog.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/IPub.h"
#include "suite/pub/MessageScript.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>

#include <functional>
#include <memory>

// The services of the card on a demo company of its own, with message boxes answered by a
// script, and helpers that drive a sub-record dialog as a user would.
class CardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        suite::registerSuiteServices();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::ClsPub::installMessageScript(m_script);
        auto session = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        ASSERT_TRUE(
            session->Login({ QStringLiteral("demo"), QString(), m_company.connectionText(),
                             QStringLiteral("2026-03-15"), QStringLiteral("zh-cn"), QString() },
                           sMsg))
            << qPrintable(sMsg);
        m_login = session;
        m_srv = suite::createObject<suite::IClsCommon>(QLatin1String(suite::IClsCommon::kProgId));
        ASSERT_TRUE(m_srv);
        m_srv->Init(m_company.connectionText());
        ASSERT_TRUE(m_srv->Status()) << qPrintable(m_srv->LastError());
        m_pub = suite::createObject<suite::IPub>(QLatin1String(suite::IPub::kProgId));
        ASSERT_TRUE(m_pub);
        m_pub->Init(m_login);
    }

    void TearDown() override { suite::ClsPub::installMessageScript(nullptr); }

    QStringList column(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }
    void run(const QString &sql) const { m_company.run(DemoCompanyCopy<>::Company, sql); }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto &box : m_script->shown())
            texts.append(box.text);
        return texts;
    }

    using Drive = std::function<void(suite::SubRecordDialog &dialog, QTableWidget &table)>;

    // Runs show while drive plays the user on the dialog it opens.
    static void withDialog(const Drive &drive, const std::function<void()> &show)
    {
        bool opened = false;
        suite::ScopedModalHandler handler([&](QWidget *window) {
            auto *dialog = qobject_cast<suite::SubRecordDialog *>(window);
            ASSERT_NE(dialog, nullptr);
            opened = true;
            drive(*dialog, *dialog->table());
            if (dialog->isVisible() || dialog->result() != QDialog::Accepted)
                dialog->reject();
        });
        show();
        EXPECT_TRUE(opened);
    }

    static void click(suite::SubRecordDialog &dialog, const char *name)
    {
        auto *button = dialog.findChild<QPushButton *>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    static void clickOk(suite::SubRecordDialog &dialog)
    {
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }

    static void type(QTableWidget &table, int row, int column, const QString &text)
    {
        table.item(row, column)->setText(text);
    }

    DemoCompanyCopy<> m_company;
    std::shared_ptr<suite::MessageScript> m_script = std::make_shared<suite::MessageScript>();
    std::shared_ptr<suite::ILogin> m_login;
    std::shared_ptr<suite::IClsCommon> m_srv;
    std::shared_ptr<suite::IPub> m_pub;
};
