#include "suite/data/RecordSet.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// The account options and user-defined items the component filters, as they come from the
// database: text, integer, date and flag columns, and a null or two.
class RecordSetFilterTest : public ::testing::Test
{
protected:
    RecordSet rs{ { { QStringLiteral("cSysID"), adVarWChar, 2 },
                    { QStringLiteral("cID"), adVarWChar, 10 },
                    { QStringLiteral("cName"), adVarWChar, 50 },
                    { QStringLiteral("cValue"), adVarWChar, 100 },
                    { QStringLiteral("iNum"), adInteger, 4 },
                    { QStringLiteral("dDate"), adDBTimeStamp, 16 },
                    { QStringLiteral("bFlag"), adBoolean, 2 },
                    { QStringLiteral("cItem"), adVarWChar, 20 } },
                  { { "AA", "20", "iStrsPriDecDgt", "4", 1, QDateTime(QDate(2026, 1, 1), QTime()),
                      true, "自定义项1" },
                    { "AA", "21", "AutoCreateMnemCodeCustomer", "1", 2,
                      QDateTime(QDate(2026, 6, 30), QTime(12, 0)), false, "自定义项2" },
                    { "aa", "20", "x", QVariant(), 10, QVariant(), QVariant(), "O'Brien" },
                    { "GL", "7", "cCDefine1", "R&D", -3, QDateTime(QDate(2025, 12, 31), QTime()),
                      true, "cCDefine10" },
                    { "GL", "8", "ccdefine2", "", 25, QDateTime(QDate(2026, 12, 6), QTime(10, 30)),
                      false, "Xcdefine" } } };

    // The iNum of every row the filter leaves, in order.
    QList<int> numbersUnder(const QString &filter)
    {
        QString sMsg;
        EXPECT_TRUE(rs.SetFilter(filter, sMsg)) << qPrintable(filter) << ": " << qPrintable(sMsg);
        QList<int> numbers;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            numbers.append(rs.Value(QStringLiteral("iNum")).toInt());
        EXPECT_EQ(rs.RecordCount(), numbers.size());
        return numbers;
    }

    QString errorOf(const QString &filter)
    {
        QString sMsg;
        EXPECT_FALSE(rs.SetFilter(filter, sMsg)) << qPrintable(filter);
        return sMsg;
    }
};

} // namespace

TEST_F(RecordSetFilterTest, FormsTheComponentUses)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("cSysID='AA' and cName='x'")), QList<int>{ 10 })
        << "text compares without regard to case";
    EXPECT_EQ(numbersUnder(QStringLiteral("cSysID='AA' and cID='20' and cName='iStrsPriDecDgt'")),
              QList<int>{ 1 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cSysID='AA' and cName='AutoCreateMnemCodeCustomer'")),
              QList<int>{ 2 });
    EXPECT_EQ(numbersUnder(QStringLiteral("CItem='自定义项1'")), QList<int>{ 1 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cName like 'cCDefine%'")), QList<int>({ -3, 25 }));
}

TEST_F(RecordSetFilterTest, KeywordsAndFieldNamesIgnoreCase)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("CSYSID = 'gl' AND inum > 0")), QList<int>{ 25 });
    EXPECT_EQ(numbersUnder(QStringLiteral("csysid='GL' Or iNum=1")), QList<int>({ 1, -3, 25 }));
}

TEST_F(RecordSetFilterTest, OrAndParenthesesBindAsInSql)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("iNum=1 or iNum=2 and cSysID='GL'")), QList<int>{ 1 })
        << "AND binds tighter than OR";
    EXPECT_EQ(numbersUnder(QStringLiteral("(iNum=1 or iNum=2) and cSysID='AA'")),
              QList<int>({ 1, 2 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("((cSysID='GL') and (iNum<0 or iNum>20)) or cID='21'")),
              QList<int>({ 2, -3, 25 }));
}

TEST_F(RecordSetFilterTest, NumberComparisonsAreNumericEvenWithQuotedValues)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("iNum >= 10")), QList<int>({ 10, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("iNum > '9'")), QList<int>({ 10, 25 }))
        << "as text '10' would sort before '9'";
    EXPECT_EQ(numbersUnder(QStringLiteral("iNum <= -3")), QList<int>{ -3 });
    EXPECT_EQ(numbersUnder(QStringLiteral("iNum < 2.5")), QList<int>({ 1, 2, -3 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("iNum <> 1")), QList<int>({ 2, 10, -3, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("cID > '7'")), QList<int>{ 25 })
        << "a text column compares as text";
}

TEST_F(RecordSetFilterTest, NullTestsInEveryForm)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue = NULL")), QList<int>{ 10 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue IS NULL")), QList<int>{ 10 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue <> null")), QList<int>({ 1, 2, -3, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue is not null")), QList<int>({ 1, 2, -3, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue <> '4'")), QList<int>({ 2, -3, 25 }))
        << "a null matches no comparison with a value";
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue = ''")), QList<int>{ 25 })
        << "an empty text is not null";
}

TEST_F(RecordSetFilterTest, QuotesAndSpecialCharactersInValues)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("[cItem] = 'O''Brien'")), QList<int>{ 10 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue='R&D'")), QList<int>{ -3 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cName = 'a and b or (c)'")), QList<int>{});
}

TEST_F(RecordSetFilterTest, LikeWildcardsAnywhere)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("cName LIKE '%define%'")), QList<int>({ -3, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("cName like '*mnem*'")), QList<int>{ 2 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cName like 'ccdefine_'")), QList<int>({ -3, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("[cItem] like '%cdefine'")), QList<int>{ 25 });
    EXPECT_EQ(numbersUnder(QStringLiteral("[cItem] like 'c%1_'")), QList<int>{ -3 })
        << "a run may be followed by more literal text";
    EXPECT_EQ(numbersUnder(QStringLiteral("[cItem] like '自定义项_'")), QList<int>({ 1, 2 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("cName like 'x'")), QList<int>{ 10 });
    EXPECT_EQ(numbersUnder(QStringLiteral("cName like '%'")), QList<int>({ 1, 2, 10, -3, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("cValue like '%'")), QList<int>({ 1, 2, -3, 25 }))
        << "null matches no pattern";
}

TEST_F(RecordSetFilterTest, DatesAndFlags)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("dDate >= #2026-01-01#")), QList<int>({ 1, 2, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("dDate < #6/30/2026#")), QList<int>({ 1, -3 }))
        << "ADO writes dates month first";
    EXPECT_EQ(numbersUnder(QStringLiteral("dDate = '2026-12-06 10:30:00'")), QList<int>{ 25 });
    EXPECT_EQ(numbersUnder(QStringLiteral("bFlag = true")), QList<int>({ 1, -3 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("bFlag = -1")), QList<int>({ 1, -3 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("bFlag = 0")), QList<int>({ 2, 25 }));
    EXPECT_EQ(numbersUnder(QStringLiteral("bFlag = 'False'")), QList<int>({ 2, 25 }));
}

TEST_F(RecordSetFilterTest, FilterMatchingNothingIsAtBothEnds)
{
    EXPECT_EQ(numbersUnder(QStringLiteral("cSysID='ZZ'")), QList<int>{});
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_FALSE(rs.Value(0).isValid());
}

TEST_F(RecordSetFilterTest, EmptyTextShowsAllRowsAgainFromTheFirst)
{
    numbersUnder(QStringLiteral("iNum=25"));
    QString sMsg;
    ASSERT_TRUE(rs.SetFilter(QStringLiteral("  "), sMsg));
    EXPECT_EQ(rs.RecordCount(), 5);
    EXPECT_TRUE(rs.Filter().isEmpty());
    EXPECT_EQ(rs.AbsolutePosition(), 1);
}

TEST_F(RecordSetFilterTest, ErrorsNameTheirCauseAndKeepThePreviousFilter)
{
    ASSERT_EQ(numbersUnder(QStringLiteral("cSysID='GL'")), QList<int>({ -3, 25 }));
    rs.MoveFirst();
    rs.MoveNext();

    EXPECT_EQ(errorOf(QStringLiteral("cSysID='GL' and cFoo='x'")),
              QStringLiteral("Filter error at position 17: the field 'cFoo' does not exist."));
    EXPECT_EQ(errorOf(QStringLiteral("cSysID=")),
              QStringLiteral("Filter syntax error at position 8: a value is expected instead of "
                             "the end of the filter."));
    EXPECT_EQ(errorOf(QStringLiteral("cSysID='AA")),
              QStringLiteral("Filter syntax error at position 8: the text value has no closing "
                             "quote."));
    EXPECT_EQ(errorOf(QStringLiteral("(iNum=1 or iNum=2")),
              QStringLiteral("Filter syntax error at position 18: ')' is expected instead of the "
                             "end of the filter."));
    EXPECT_EQ(errorOf(QStringLiteral("iNum=1 iNum=2")),
              QStringLiteral("Filter syntax error at position 8: AND, OR or the end of the filter "
                             "is expected instead of 'iNum'."));
    EXPECT_EQ(errorOf(QStringLiteral("iNum='many'")),
              QStringLiteral("Filter error at position 6: the field 'iNum' holds numbers, and "
                             "'many' is not one."));
    EXPECT_EQ(errorOf(QStringLiteral("iNum > NULL")),
              QStringLiteral("Filter syntax error at position 8: only =, <> and IS compare with "
                             "NULL."));
    EXPECT_FALSE(errorOf(QStringLiteral("dDate = #someday#")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("cName like")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("[Item Name")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("cName ! 'x'")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("and cName='x'")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("cValue is 'x'")).isEmpty());

    EXPECT_EQ(rs.Filter(), QStringLiteral("cSysID='GL'"));
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.AbsolutePosition(), 2) << "a refused filter leaves the cursor too";
}

TEST(RecordSetFilterTypes, BinaryFieldsOnlyTestForNullAndUnknownTypesCompareByValue)
{
    RecordSet rs(
        { { QStringLiteral("bin"), adVarBinary, 8 }, { QStringLiteral("any value"), 12, 16 } },
        { { QByteArray("ab"), 5 }, { QVariant(), QStringLiteral("abc") } });
    QString sMsg;
    EXPECT_FALSE(rs.SetFilter(QStringLiteral("bin = 'ab'"), sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("binary field 'bin'")));
    ASSERT_TRUE(rs.SetFilter(QStringLiteral("bin is null"), sMsg));
    EXPECT_EQ(rs.RecordCount(), 1);

    ASSERT_TRUE(rs.SetFilter(QStringLiteral("[any value] = 5.0"), sMsg));
    EXPECT_EQ(rs.RecordCount(), 1) << "a number held compares as a number";
    EXPECT_EQ(rs.Value(1).toInt(), 5);
    ASSERT_TRUE(rs.SetFilter(QStringLiteral("[ any value ] = 'ABC'"), sMsg));
    EXPECT_EQ(rs.Value(1).toString(), QStringLiteral("abc"));
}

TEST_F(RecordSetFilterTest, BracketsNestedTooDeepAreRefused)
{
    QString sMsg;
    EXPECT_FALSE(rs.SetFilter(
        QString(10000, u'(') + QStringLiteral("iNum = 1") + QString(10000, u')'), sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("brackets are nested more than 128 deep")))
        << qPrintable(sMsg);
    EXPECT_EQ(numbersUnder(QString(128, u'(') + QStringLiteral("iNum = 1 or iNum = 2")
                           + QString(128, u')')),
              (QList<int>{ 1, 2 }));
}
