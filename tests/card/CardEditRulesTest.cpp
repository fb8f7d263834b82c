#include "MapCardFields.h"

#include "card/CardEditRules.h"
#include "card/CardFieldEvents.h"
#include "suite/controls/DateCalendarPopup.h"
#include "suite/data/MnemonicCode.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace customer;

TEST(CardCreditCodeKeys, MainDigitsLettersAndControlKeysPassNothingElse)
{
    for (int key : { 1, 2, 4, 8, 9, 13, 16, 17, 20, 27, 45, 144, 48, 57, 65, 90 })
        EXPECT_TRUE(creditCodeTakesKey(key)) << key;
    for (int key : { 0, 32, 37, 46, 96, 101, 105, 189, 1065 })
        EXPECT_FALSE(creditCodeTakesKey(key)) << key;
    const QKeyEvent unnamed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QStringLiteral("中"));
    EXPECT_EQ(keyDownCode(&unnamed), 0);
}

TEST(CardFieldRules, PostCodesWebAddressesAndRateBounds)
{
    for (const char *good : { "AB-12", " 100083 ", "", "sw1a-1aa" })
        EXPECT_TRUE(isPostCode(QString::fromUtf8(good))) << good;
    for (const char *bad : { "AB 12", "邮编100", "10_00", "１００" })
        EXPECT_FALSE(isPostCode(QString::fromUtf8(bad))) << bad;

    for (const char *good : { "", "http://www.demo.cn", "HTTPS://Shop.Demo.COM/a?b=1&c=%20",
                              "see ftp://files.demo.cn/x for prices" })
        EXPECT_TRUE(isWebAddress(QString::fromUtf8(good))) << good;
    for (const char *bad : { "www.demo.cn", "http://localhost", "mailto:a@demo.cn", "http:/x.cn" })
        EXPECT_FALSE(isWebAddress(QString::fromUtf8(bad))) << bad;

    EXPECT_TRUE(isWithinRateBound(QStringLiteral("100"), RateBound::UpToHundred));
    EXPECT_FALSE(isWithinRateBound(QStringLiteral("100"), RateBound::BelowHundred));
    EXPECT_TRUE(isWithinRateBound(QStringLiteral("99.99"), RateBound::BelowHundred));
    EXPECT_FALSE(isWithinRateBound(QStringLiteral(" 100.5 "), RateBound::UpToHundred));
    EXPECT_TRUE(isWithinRateBound(QStringLiteral("-300"), RateBound::BelowHundred));
}

TEST(CardNameRules, TheNameFillsEmptyFieldsAndItsChangesRewriteTheMnemonicCode)
{
    MapCardFields fields;
    fields.setEdt(1, QStringLiteral("北京远航科技"));
    CardNameRules rules(fields, true, suite::mnemonicCode);
    rules.nameLeft();
    EXPECT_EQ(fields.text(QStringLiteral("EdtcCusMnemCode")), QStringLiteral("BJYHKJ"));
    EXPECT_EQ(fields.text(QStringLiteral("Edt"), 2), QStringLiteral("北京远航科技"));
    fields.set(QStringLiteral("EdtcCusMnemCode"), QStringLiteral("MINE"));
    fields.setEdt(1, QStringLiteral("远航"));
    rules.nameLeft();
    EXPECT_EQ(fields.text(QStringLiteral("EdtcCusMnemCode")), QStringLiteral("MINE"));
    EXPECT_EQ(fields.text(QStringLiteral("Edt"), 2), QStringLiteral("北京远航科技"));
    rules.nameChanged();
    EXPECT_EQ(fields.text(QStringLiteral("EdtcCusMnemCode")), QStringLiteral("YH"));

    MapCardFields manual;
    manual.setEdt(2, QStringLiteral("Acme"));
    CardNameRules(manual, false, suite::mnemonicCode).abbreviationLeft();
    CardNameRules(manual, false, suite::mnemonicCode).nameChanged();
    EXPECT_EQ(manual.text(QStringLiteral("Edt"), 1), QStringLiteral("Acme"));
    EXPECT_TRUE(manual.text(QStringLiteral("EdtcCusMnemCode")).isEmpty());
}

TEST(CardDatePopup, GoesBelowItsFieldWhenThereIsRoomElseAbove)
{
    // Below the field the pop-up, its gap and its margin need the screen down to 344.
    const QRect field(40, 100, 120, 20);
    const QSize popup(200, 150);
    EXPECT_EQ(suite::popupPositionBeside(field, popup, QRect(0, 0, 900, 344), 7, 67),
              QPoint(40, 127));
    EXPECT_EQ(suite::popupPositionBeside(field, popup, QRect(0, 0, 900, 343), 7, 67),
              QPoint(40, -50));
}
