#include "ClsPubFixture.h"

#include "suite/pub/LocalProcess.h"

using namespace suite;

TEST(ClsPubMessageStyle, PlatformCodesDecodeIntoButtonsIconAndDefault)
{
    const MessageStyle information = MessageStyle::decode(64);
    EXPECT_EQ(information.answers(), QList<int>({ MessageStyle::kOk }));
    EXPECT_EQ(information.icon, 64);
    EXPECT_EQ(information.defaultAnswer(), MessageStyle::kOk);

    const MessageStyle question = MessageStyle::decode(36);
    EXPECT_EQ(question.answers(), QList<int>({ MessageStyle::kYes, MessageStyle::kNo }));
    EXPECT_EQ(question.icon, 32);
    EXPECT_EQ(question.defaultAnswer(), MessageStyle::kYes);

    const MessageStyle warning = MessageStyle::decode(308);
    EXPECT_EQ(warning.buttons, 4);
    EXPECT_EQ(warning.icon, 48);
    EXPECT_EQ(warning.defaultAnswer(), MessageStyle::kNo);

    const MessageStyle threeWay = MessageStyle::decode(3 + 16 + 512);
    EXPECT_EQ(threeWay.answers(),
              QList<int>({ MessageStyle::kYes, MessageStyle::kNo, MessageStyle::kCancel }));
    EXPECT_EQ(threeWay.icon, 16);
    EXPECT_EQ(threeWay.defaultAnswer(), MessageStyle::kCancel);

    EXPECT_EQ(MessageStyle::decode(1 + 512).defaultAnswer(), MessageStyle::kCancel);
}

TEST_F(ClsPubTest, MsgBoxAnswersFromTheScriptAndRecordsWhatWasShown)
{
    auto script = std::make_shared<MessageScript>(std::deque<int>{ MessageStyle::kYes });
    ClsPub::installMessageScript(script);
    const auto pub = pubFor(QStringLiteral("demo"));
    EXPECT_EQ(pub->MsgBox(QStringLiteral("继续？"), 36, QStringLiteral("提示")),
              MessageStyle::kYes);
    EXPECT_EQ(pub->MsgBox(QStringLiteral("覆盖？"), 308, QStringLiteral("警告")),
              MessageStyle::kNo);
    EXPECT_EQ(pub->MsgBox(QStringLiteral("完成"), 64, QString()), MessageStyle::kOk);
    ASSERT_EQ(script->shown().size(), 3);
    EXPECT_EQ(script->shown().at(1).text, QStringLiteral("覆盖？"));
    EXPECT_EQ(script->shown().at(1).style, 308);
    EXPECT_EQ(script->shown().at(1).title, QStringLiteral("警告"));
}

TEST_F(ClsPubTest, IsLockFunRefusesWithTheHoldersMessage)
{
    const auto demo = login(QStringLiteral("demo"));
    const auto sales = login(QStringLiteral("sales1"));
    const auto demoPub = createObject<IPub>(IPub::kProgId);
    const auto salesPub = createObject<IPub>(IPub::kProgId);
    demoPub->Init(demo);
    salesPub->Init(sales);
    const QString customer = QStringLiteral("Customer");

    EXPECT_FALSE(demoPub->IsLockFun(m_service, demo, customer, 7));
    EXPECT_TRUE(salesPub->IsLockFun(m_service, sales, customer, 2));
    ASSERT_EQ(m_script->shown().size(), 1);
    EXPECT_EQ(
        m_script->shown().first().text,
        QStringLiteral("演示管理员 正在 %1 上执行“批量修改”，请稍后再试。").arg(machineName()));
    EXPECT_EQ(m_script->shown().first().style, 64);
    EXPECT_EQ(m_script->shown().first().title, QStringLiteral("提示"));

    EXPECT_FALSE(salesPub->IsLockFun(m_service, sales, customer, 1));
    EXPECT_FALSE(demoPub->IsLockFun(m_service, demo, customer, -7));
    EXPECT_FALSE(salesPub->IsLockFun(m_service, sales, customer, 2));
    EXPECT_EQ(m_script->shown().size(), 1);
}

TEST_F(ClsPubTest, IsLockFunWithoutALoginRefuses)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    EXPECT_TRUE(pub->IsLockFun(m_service, nullptr, QStringLiteral("Customer"), 1));
    EXPECT_EQ(shownTexts(), QStringList({ QStringLiteral("公共服务尚未登录，请先调用 Init。") }));
}
