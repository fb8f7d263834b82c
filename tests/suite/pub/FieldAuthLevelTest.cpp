#include "suite/pub/FieldAuthLevel.h"
#include "suite/pub/ClsPub.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

using namespace suite;

TEST(FieldAuthLevel, TheNoReadListWinsThenTheReadOnlyListWhateverCaseOrTable)
{
    const QString readOnly = QStringLiteral("icuscreline,Customer.cCusPhone");
    const QString hidden = QStringLiteral("ccusbank, cCusAccount");
    EXPECT_EQ(fieldAuthLevel(QStringLiteral("iCusCreLine"), readOnly, hidden), kFieldAuthRead);
    EXPECT_EQ(fieldAuthLevel(QStringLiteral("customer.ccusphone"), readOnly, hidden),
              kFieldAuthRead);
    EXPECT_EQ(fieldAuthLevel(QStringLiteral("cCusAccount"), readOnly, hidden), kFieldAuthNone);
    EXPECT_EQ(fieldAuthLevel(QStringLiteral("cCusAccount"), QStringLiteral("ccusaccount"), hidden),
              kFieldAuthNone);
    EXPECT_EQ(fieldAuthLevel(QStringLiteral("cCusName"), readOnly, hidden), kFieldAuthWrite);
    EXPECT_EQ(fieldAuthLevel(QStringLiteral("icuscre"), readOnly, hidden), kFieldAuthWrite)
        << "a name is matched whole, not as a prefix";
    EXPECT_EQ(fieldAuthLevel(QStringLiteral("iCusCreLine"), QStringLiteral("*"), QString()),
              kFieldAuthWrite);
}

TEST(FieldAuthLevel, ConAuthSetPutsEachControlInItsStateAndReturnsTheLevel)
{
    ClsPub pub;
    QWidget card;
    auto *creditLine = new QLineEdit(QStringLiteral("5000"), &card);
    auto *account = new QLineEdit(QStringLiteral("6222 0000"), &card);
    auto *bank = new QComboBox(&card);
    bank->addItems({ QStringLiteral("工商银行"), QStringLiteral("建设银行") });
    auto *credit = new QCheckBox(&card);
    auto *name = new QLineEdit(QStringLiteral("北京远航"), &card);
    const QString readOnly = QStringLiteral("icuscreline,bcredit");
    const QString hidden = QStringLiteral("ccusaccount,ccusbank");

    EXPECT_EQ(pub.ConAuthSet(&card, creditLine, QStringLiteral("iCusCreLine"), readOnly, hidden),
              1);
    EXPECT_TRUE(creditLine->isReadOnly());
    EXPECT_TRUE(creditLine->isEnabled());
    EXPECT_EQ(creditLine->text(), QStringLiteral("5000"));

    EXPECT_EQ(pub.ConAuthSet(&card, credit, QStringLiteral("bCredit"), readOnly, hidden), 1);
    EXPECT_FALSE(credit->isEnabled()) << "a check box cannot be read-only, so it is disabled";

    EXPECT_EQ(pub.ConAuthSet(&card, account, QStringLiteral("cCusAccount"), readOnly, hidden), 0);
    EXPECT_FALSE(account->isEnabled());
    EXPECT_TRUE(account->text().isEmpty());
    EXPECT_EQ(pub.ConAuthSet(&card, bank, QStringLiteral("cCusBank"), readOnly, hidden), 0);
    EXPECT_EQ(bank->currentIndex(), -1);
    EXPECT_EQ(bank->property("fieldAuthLevel").toInt(), 0);

    EXPECT_EQ(pub.ConAuthSet(&card, name, QStringLiteral("cCusName"), readOnly, hidden), 2);
    EXPECT_FALSE(name->isReadOnly());
    EXPECT_TRUE(name->isEnabled());
    EXPECT_EQ(pub.ConAuthSet(&card, nullptr, QStringLiteral("cCusAccount"), readOnly, hidden), 0)
        << "no control: only the level";
}
