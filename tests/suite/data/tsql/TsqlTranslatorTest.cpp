#include "suite/data/tsql/TsqlTranslator.h"
#include "suite/data/tsql/SqliteDialect.h"

#include "TsqlTestSupport.h"

#include <gtest/gtest.h>

using namespace suite::tsql;

namespace {

class TsqlTranslatorTest : public ::testing::Test
{
protected:
    std::shared_ptr<const Batch> batchOf(const QString &tsql)
    {
        QString sMsg;
        auto batch = translator.translate(tsql, sMsg);
        EXPECT_TRUE(batch) << qPrintable(sMsg);
        return batch;
    }

    // The statements a text translates to, one per line.
    QString sqlOf(const QString &tsql)
    {
        auto batch = batchOf(tsql);
        QStringList statements;
        for (const Step &step : batch ? batch->steps : std::vector<Step>())
            statements.append(step.sql);
        return statements.join(u'\n');
    }

    QString failureOf(const QString &tsql)
    {
        QString sMsg;
        EXPECT_FALSE(translator.translate(tsql, sMsg)) << qPrintable(tsql);
        return sMsg;
    }

    TsqlTranslator translator{ std::make_shared<SqliteDialect>() };
};

const QString kNow = QStringLiteral("strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime')");

} // namespace

TEST_F(TsqlTranslatorTest, TopBecomesLimitAtTheDepthOfItsOwnSelect)
{
    EXPECT_EQ(
        sqlOf(QStringLiteral("select top 1 cCurName from kvsystem..ua_account where "
                             "cAcc_Id='001'")),
        QStringLiteral("select cCurName from kvsystem.ua_account where cAcc_Id='001' LIMIT 1"));
    EXPECT_EQ(sqlOf(QStringLiteral("select top 1 a from (select top 5 a from t order by a desc) x "
                                   "order by a")),
              QStringLiteral("select a from (select a from t order by a desc LIMIT 5) x order by a "
                             "LIMIT 1"));
    EXPECT_EQ(sqlOf(QStringLiteral("select top 0  * from Customer_extradefine")),
              QStringLiteral("select * from Customer_extradefine LIMIT 0"));
    EXPECT_EQ(sqlOf(QStringLiteral("select distinct top (3) cCusCode from customer")),
              QStringLiteral("select distinct cCusCode from customer LIMIT 3"));
    EXPECT_EQ(sqlOf(QStringLiteral("update customer set x=(select top 1 a from t where b=1) where "
                                   "c in (select top 2 c from u)")),
              QStringLiteral("update customer set x=(select a from t where b=1 LIMIT 1) where c in "
                             "(select c from u LIMIT 2)"));
}

TEST_F(TsqlTranslatorTest, FunctionsMapToTheBackend)
{
    EXPECT_EQ(sqlOf(QStringLiteral("select isnull(max(dModifyDate),'1900-01-01') from "
                                   "customer_import")),
              QStringLiteral("select ifnull(max(dModifyDate), '1900-01-01') from customer_import"));
    EXPECT_EQ(sqlOf(QStringLiteral("select getdate()")), QStringLiteral("select ") + kNow);
    EXPECT_EQ(sqlOf(QStringLiteral("select len(cCusName), left(cCusName, 2), substring(a,2,3), "
                                   "charindex('-', a) from t")),
              QStringLiteral("select length(rtrim(cCusName, ' ')), substr(cCusName, 1, 2), "
                             "substr(a, 2, 3), instr(a, '-') from t"));
    EXPECT_EQ(sqlOf(QStringLiteral("select convert(varchar(10), d, 120), convert(nvarchar(20), "
                                   "d, 23), cast(id as nvarchar(40)), cast(n as int) from t")),
              QStringLiteral("select substr(strftime('%Y-%m-%d %H:%M:%S', d), 1, 10), "
                             "substr(strftime('%Y-%m-%d', d), 1, 20), cast(id as text), cast(n as "
                             "integer) from t"));
    EXPECT_EQ(sqlOf(QStringLiteral("select datediff(dd, dStart, dEnd) from t")),
              QStringLiteral("select cast(round((julianday(strftime('%Y-%m-%d', dEnd)) - "
                             "julianday(strftime('%Y-%m-%d', dStart))) * 1) as integer) from t"));
    EXPECT_EQ(sqlOf(QStringLiteral("select dateadd(month, -1, d) from t")),
              QStringLiteral("select strftime('%Y-%m-%d %H:%M:%f', d, (-1) || ' months') from t"));
    EXPECT_EQ(sqlOf(QStringLiteral("select  NEWID()as GUID")),
              QStringLiteral("select (hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-' || "
                             "hex(randomblob(2)) || '-' || hex(randomblob(2)) || '-' || "
                             "hex(randomblob(6)))as GUID"));
    EXPECT_EQ(sqlOf(QStringLiteral("select cBusObId from aa_busobject_base where langid= "
                                   "dbo.UDF_GetLocaleID()")),
              QStringLiteral("select cBusObId from aa_busobject_base where langid= "
                             "UDF_GetLocaleID()"));
}

TEST_F(TsqlTranslatorTest, LiteralsNamesAndHints)
{
    EXPECT_EQ(sqlOf(QStringLiteral("select * from AccInformation where cSysID=N'aa' and  cName = "
                                   "'iRate''s' ")),
              QStringLiteral("select * from AccInformation where cSysID='aa' and cName = "
                             "'iRate''s'"));
    EXPECT_EQ(sqlOf(QStringLiteral("select [cCusCode],[Order] from [dbo].[Customer] with(nolock) "
                                   "inner join T2 WITH (NOLOCK) on [Customer].[a]=T2.a")),
              QStringLiteral("select \"cCusCode\",\"Order\" from Customer inner join T2 on "
                             "\"Customer\".\"a\"=T2.a"));
    EXPECT_EQ(sqlOf(QStringLiteral("select * from KvMeta_001..aa_columndic where ckey='customer'")),
              QStringLiteral("select * from KvMeta_001.aa_columndic where ckey='customer'"));
    EXPECT_EQ(sqlOf(QStringLiteral("select * from UFSystem.dbo.ua_account")),
              QStringLiteral("select * from UFSystem.ua_account"));
    EXPECT_EQ(sqlOf(QStringLiteral("select #t.a from #t inner join tempdb..#u on #t.a=#u.a")),
              QStringLiteral("select temp.\"#t\".a from temp.\"#t\" inner join temp.\"#u\" on "
                             "temp.\"#t\".a=temp.\"#u\".a"));
    EXPECT_EQ(
        sqlOf(QStringLiteral("select top 0  * from 3F2504E04F8911D39A0C0305E82C3301CusCodeList")),
        QStringLiteral("select * from \"3F2504E04F8911D39A0C0305E82C3301CusCodeList\" LIMIT 0"));
    EXPECT_EQ(sqlOf(QStringLiteral("select Num=count(*), [Total] = sum(x) from t -- comment\n"
                                   "where /* a /* nested */ note */ y = 1e3")),
              QStringLiteral("select count(*) AS Num, sum(x) AS \"Total\" from t where y = 1e3"));
}

TEST_F(TsqlTranslatorTest, PlusConcatenatesWhenAnOperandIsText)
{
    EXPECT_EQ(sqlOf(QStringLiteral("select cCusCode + '-' + cCusName, a + 1, isnull(b,'') + c, "
                                   "(a + 'x') + b, cast(n as nvarchar(10)) + m from t where k = "
                                   "N'a' + 'b'")),
              QStringLiteral("select cCusCode || '-' || cCusName, a + 1, ifnull(b, '') || c, (a || "
                             "'x') || b, cast(n as text) || m from t where k = 'a' || 'b'"));
    EXPECT_EQ(sqlOf(QStringLiteral("declare @s nvarchar(10)\nset @s = @s + cCode")),
              QStringLiteral("\nselect ?1 || cCode"));
    EXPECT_EQ(sqlOf(QStringLiteral("select cCusCode + cCusName, iA + iB from Customer")),
              QStringLiteral("select cCusCode + cCusName, iA + iB from Customer"));
    translator.setTextColumnLookup(
        [](QStringView, QStringView column) { return column.startsWith(u'c'); });
    EXPECT_EQ(sqlOf(QStringLiteral("select cCusCode + cCusName, iA + iB from Customer")),
              QStringLiteral("select cCusCode || cCusName, iA + iB from Customer"));
}

TEST_F(TsqlTranslatorTest, APrefixOfACoarseColumnIsMarkedLikelyForThePlanner)
{
    const QString list = QStringLiteral(
        "select Customer.cCusCode from Customer where isnull(Customer.bTransFlag,0) =0 and "
        "Customer.cCCCode like '01%' and 1=1 order by Customer.cCusCode");
    const QString plain = sqlOf(list);
    EXPECT_EQ(plain,
              QStringLiteral("select Customer.cCusCode from Customer where "
                             "ifnull(Customer.bTransFlag, 0) =0 and Customer.cCCCode like "
                             "'01%' and 1=1 order by Customer.cCusCode"))
        << "without the lookup nothing is marked";
    translator.setCoarseColumnLookup([](QStringView qualifier, QStringView column) {
        return column.compare(u"cCCCode", Qt::CaseInsensitive) == 0
            && (qualifier.isEmpty() || qualifier.compare(u"Customer", Qt::CaseInsensitive) == 0);
    });
    EXPECT_EQ(sqlOf(list),
              QString(plain).replace(QStringLiteral("Customer.cCCCode like '01%'"),
                                     QStringLiteral("likely(Customer.cCCCode like '01%')")));
    EXPECT_EQ(sqlOf(QStringLiteral("select count(*) from (select cCusCode from Customer where "
                                   "(cccCode like N'0''1%')) page_source")),
              QStringLiteral("select count(*) from (select cCusCode from Customer where "
                             "(likely(cccCode like '0''1%'))) page_source"));
    EXPECT_EQ(sqlOf(QStringLiteral("select 1 from t where cCCCode like '01%' or cCCCode like "
                                   "'02%'; select 2")),
              QStringLiteral("select 1 from t where likely(cCCCode like '01%') or "
                             "likely(cCCCode like '02%')\nselect 2"));
    for (const char *kept :
         { "select 1 from t where cCCCode like '%01'", "select 1 from t where cCCCode like '_1%'",
           "select 1 from t where cCCCode like '[0]1%'", "select 1 from t where cCCCode like ''",
           "select 1 from t where cCCCode not like '01%'",
           "select 1 from t where cCCCode like '01!%%' escape '!'",
           "select 1 from t where cCCCode like '0' + '1%'",
           "select 1 from t where cCCCode like cDCCode",
           "select 1 from t where c.cCusName like '01%'",
           "select 1 from Vendor where Vendor.cCCCode like '01%'" }) {
        const QString text = QString::fromUtf8(kept);
        EXPECT_FALSE(sqlOf(text).contains(u"likely")) << kept;
    }
}

TEST_F(TsqlTranslatorTest, UpdateFromJoinPicksTargetRowsByRowId)
{
    EXPECT_EQ(sqlOf(QStringLiteral(
                  "update customer set cModifyPerson='demo' ,DModifyDate=getdate(), "
                  "Customer.cCCCode='01' ,iid=5  from customer inner join Customer_extradefine on "
                  "customer.cCusCode =Customer_extradefine.cCusCode where (1=1) and (1=1)")),
              QStringLiteral("update customer set cModifyPerson='demo' ,DModifyDate=") + kNow
                  + QStringLiteral(", cCCCode='01' ,iid=5 where rowid in (select customer.rowid "
                                   "from customer inner join Customer_extradefine on "
                                   "customer.cCusCode =Customer_extradefine.cCusCode where (1=1) "
                                   "and (1=1))"));
    EXPECT_EQ(sqlOf(QStringLiteral("update c set cCusName=cCusAbbName from customer c with(nolock) "
                                   "left join x on x.k=c.k where x.k is null")),
              QStringLiteral("update customer AS c set cCusName=cCusAbbName where rowid in (select "
                             "c.rowid from customer c left join x on x.k=c.k where x.k is null)"));
}

TEST_F(TsqlTranslatorTest, UpdateReadingJoinedTablesUsesUpdateFrom)
{
    EXPECT_EQ(sqlOf(QStringLiteral(
                  "update customer_import\r\nset cCusCode=tmp.cCusCode,\r\ncMemo=tmp.cMemo\r\n"
                  "from #customer_import tmp inner join  customer_import on "
                  "tmp.iSourceId=customer_import.iSourceId and "
                  "tmp.iSourceType=customer_import.iSourceType")),
              QStringLiteral("update customer_import set cCusCode=tmp.cCusCode, cMemo=tmp.cMemo "
                             "from temp.\"#customer_import\" tmp where "
                             "(tmp.iSourceId=customer_import.iSourceId and "
                             "tmp.iSourceType=customer_import.iSourceType)"));
    EXPECT_EQ(sqlOf(QStringLiteral("update t set a=u.a from u where u.k=t.k")),
              QStringLiteral("update t set a=u.a from u where u.k=t.k"));
    EXPECT_TRUE(failureOf(QStringLiteral("update t set a=u.a from t left join u on u.k=t.k"))
                    .contains(QStringLiteral("outer join")));
}

TEST_F(TsqlTranslatorTest, DeleteAndSelectIntoAndInsertWithoutInto)
{
    EXPECT_EQ(sqlOf(QStringLiteral("delete customer_user from customer_user inner join u on "
                                   "u.id=customer_user.User_ID where u.gone=1")),
              QStringLiteral("delete from customer_user where rowid in (select customer_user.rowid "
                             "from customer_user inner join u on u.id=customer_user.User_ID where "
                             "u.gone=1)"));
    EXPECT_EQ(sqlOf(QStringLiteral("delete CusDeliverAdd where cCusCode='C1'")),
              QStringLiteral("delete from CusDeliverAdd where cCusCode='C1'"));
    EXPECT_EQ(sqlOf(QStringLiteral("select cCusCode into #codes from customer")),
              QStringLiteral("CREATE TABLE temp.\"#codes\" AS select cCusCode from customer"));
    EXPECT_EQ(sqlOf(QStringLiteral("insert t (a) values (N'x')")),
              QStringLiteral("insert into t (a) values ('x')"));
}

TEST_F(TsqlTranslatorTest, CreateTableKeepsDeclaredTypesAndComparesTextWithoutCase)
{
    EXPECT_EQ(
        sqlOf(QStringLiteral(
            "CREATE TABLE [dbo].[Customer](\n [iId] [int] IDENTITY(1,1) NOT NULL,\n"
            " [cCusCode] [nvarchar](20) NOT NULL,\n [cMemo] nvarchar(max) NULL,\n"
            " [cCode] varchar(10) COLLATE Chinese_PRC_CS_AS NULL,\n"
            " [iLine] money NULL DEFAULT ((0)),\n [d] [datetime] NULL CONSTRAINT "
            "[DF_d] DEFAULT (getdate()),\n [g] uniqueidentifier ROWGUIDCOL NOT NULL,\n"
            " CONSTRAINT [PK_Customer] PRIMARY KEY CLUSTERED ([cCusCode] ASC) WITH "
            "(PAD_INDEX = OFF) ON [PRIMARY]\n) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]")),
        QStringLiteral(
            "CREATE TABLE Customer(\"iId\" int, \"cCusCode\" nvarchar(20) NOT NULL "
            "COLLATE NOCASE, \"cMemo\" nvarchar NULL COLLATE NOCASE, \"cCode\" varchar(10) "
            "NULL COLLATE BINARY, \"iLine\" money NULL DEFAULT (0), \"d\" datetime NULL "
            "DEFAULT (")
            + kNow
            + QStringLiteral(
                ") COLLATE TSQLDATE, \"g\" uniqueidentifier NOT NULL COLLATE NOCASE, CONSTRAINT "
                "\"PK_Customer\" PRIMARY KEY (\"cCusCode\" ))\n"
                "CREATE TRIGGER \"Customer_iid_identity\" AFTER INSERT ON "
                "Customer FOR EACH ROW WHEN NEW.\"iId\" IS NULL BEGIN UPDATE "
                "Customer SET \"iId\" = 1 + (NEW.rowid - 1) * 1 WHERE rowid = "
                "NEW.rowid; END"));
    EXPECT_EQ(sqlOf(QStringLiteral("create table CusDeliverAdd (AutoID int IDENTITY(1, 1) NOT NULL "
                                   "PRIMARY KEY, bDefault bit NOT NULL DEFAULT 0)")),
              QStringLiteral("CREATE TABLE CusDeliverAdd(AutoID integer PRIMARY KEY AUTOINCREMENT, "
                             "bDefault bit NOT NULL DEFAULT (0))"));
}

TEST_F(TsqlTranslatorTest, OtherDefinitionStatements)
{
    EXPECT_EQ(sqlOf(QStringLiteral("CREATE UNIQUE NONCLUSTERED INDEX [IX_a] ON [dbo].[T] ([a] ASC) "
                                   "INCLUDE (b) WITH (FILLFACTOR = 90) ON [PRIMARY]\n"
                                   "create index ix_t on #t(a, b desc)")),
              QStringLiteral("CREATE UNIQUE INDEX \"IX_a\" ON T(\"a\" ASC)\n"
                             "CREATE INDEX temp.ix_t ON \"#t\"(a, b desc)"));
    EXPECT_EQ(
        sqlOf(QStringLiteral("drop index T.IX_a\ndrop table #t, [x]\ntruncate table "
                             "customer_import\nalter table t add c1 nvarchar(10) NULL, c2 "
                             "int")),
        QStringLiteral("DROP INDEX IX_a\nDROP TABLE temp.\"#t\"\nDROP TABLE x\nDELETE FROM "
                       "customer_import\nALTER TABLE t ADD COLUMN c1 nvarchar(10) NULL COLLATE "
                       "NOCASE\nALTER TABLE t ADD COLUMN c2 int"));
    EXPECT_EQ(sqlOf(QStringLiteral("CREATE VIEW [dbo].[v_customer_import] AS select top 10 a = b "
                                   "from customer_import")),
              QStringLiteral("CREATE VIEW v_customer_import AS select b AS a from customer_import "
                             "LIMIT 10"));
}

TEST_F(TsqlTranslatorTest, UnreadableTextIsRefusedWithItsReason)
{
    EXPECT_TRUE(failureOf(QStringLiteral("update t set a = 'open"))
                    .contains(QStringLiteral("a text literal is not closed at character 18")));
    EXPECT_TRUE(failureOf(QStringLiteral("select (a from t"))
                    .contains(QStringLiteral("a parenthesis is not closed")));
    EXPECT_TRUE(failureOf(QStringLiteral("select a) from t"))
                    .contains(QStringLiteral("closing parenthesis has no opening one")));
    EXPECT_TRUE(failureOf(QStringLiteral("select [a from t"))
                    .contains(QStringLiteral("quoted name is not closed")));
    EXPECT_TRUE(failureOf(QStringLiteral("select @x"))
                    .contains(QStringLiteral("the variable @x is not declared")));
    EXPECT_TRUE(
        failureOf(QStringLiteral("begin select 1")).contains(QStringLiteral("BEGIN without END")));
    EXPECT_TRUE(
        failureOf(QStringLiteral("select 1 end")).contains(QStringLiteral("END without BEGIN")));
    EXPECT_TRUE(failureOf(QStringLiteral("while 1=1 select 1"))
                    .contains(QStringLiteral("WHILE is not supported")));
    EXPECT_TRUE(failureOf(QStringLiteral("select left(a, 1, 2) from t"))
                    .contains(QStringLiteral("LEFT takes 2 arguments, not 3")));
    EXPECT_TRUE(failureOf(QStringLiteral("select top 10 percent a from t"))
                    .contains(QStringLiteral("PERCENT is not supported")));
    EXPECT_TRUE(failureOf(QStringLiteral("select datediff(quarter, a, b) from t"))
                    .contains(QStringLiteral("quarter")));
    EXPECT_TRUE(
        failureOf(QStringLiteral("if 1=1")).contains(QStringLiteral("IF without a statement")));
    const QString noAssignment = QStringLiteral("UPDATE without assignments after SET");
    EXPECT_TRUE(failureOf(QStringLiteral("update Customer set")).contains(noAssignment));
    EXPECT_TRUE(failureOf(QStringLiteral("update t set where a = 1")).contains(noAssignment));
    EXPECT_TRUE(failureOf(QStringLiteral("update t set from t join u on u.k = t.k"))
                    .contains(noAssignment));
    EXPECT_TRUE(
        failureOf(QStringLiteral("if 1 > 2 begin update Customer set end")).contains(noAssignment));
    EXPECT_EQ(failureOf(QStringLiteral("  -- nothing\n")),
              QStringLiteral("The SQL text is empty."));
}

TEST_F(TsqlTranslatorTest, TranslationsAreCachedByText)
{
    const QString text = QStringLiteral("select cCusCode + cCusName from Customer");
    auto first = batchOf(text);
    EXPECT_EQ(batchOf(text), first);
    translator.setTextColumnLookup([](QStringView, QStringView) { return true; });
    auto second = batchOf(text);
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->steps.front().sql,
              QStringLiteral("select cCusCode || cCusName from Customer"));
}

// A restricted user's filter reaches the translator: a dotted name whose parts run out must be
// refused before any part is looked up.
TEST_F(TsqlTranslatorTest, NameWithAnEmptyPartIsRefused)
{
    const QString reason = QStringLiteral("a dotted name has an empty part");
    EXPECT_TRUE(failureOf(QStringLiteral("select x.., y from t")).contains(reason));
    EXPECT_TRUE(failureOf(QStringLiteral("select * from KvMeta_001..")).contains(reason));
    EXPECT_TRUE(failureOf(QStringLiteral("select c......col from t")).contains(reason));
    EXPECT_TRUE(failureOf(QStringLiteral("select 1 from t where (cCusName.. = 1)"))
                    .contains(QStringLiteral("empty part at character 33")));
    EXPECT_TRUE(failureOf(QStringLiteral("select ..a from t")).contains(reason));
    EXPECT_EQ(sqlOf(QStringLiteral("select cUser_Id from kvsystem..ua_user")),
              QStringLiteral("select cUser_Id from kvsystem.ua_user"));
}

TEST_F(TsqlTranslatorTest, NestingDeeperThanTheLimitIsRefused)
{
    const auto nested = [](const QString &open, const QString &inner, const QString &close,
                           int depth) {
        return open.repeated(depth) + inner + close.repeated(depth);
    };
    EXPECT_TRUE(failureOf(nested(QStringLiteral("if 1=1 begin "), QStringLiteral("select 1"),
                                 QStringLiteral(" end"), 15000))
                    .contains(QStringLiteral("IF and BEGIN are nested more than 128 deep")));
    EXPECT_TRUE(failureOf(QStringLiteral("select ")
                          + nested(QStringLiteral("isnull((select "), QStringLiteral("1"),
                                   QStringLiteral("),0)"), 15000))
                    .contains(QStringLiteral("parentheses are nested more than 128 deep")));
    EXPECT_TRUE(batchOf(nested(QStringLiteral("if 1=1 begin "), QStringLiteral("select 1"),
                               QStringLiteral(" end"), 64)));
    const QString deepest =
        QStringLiteral("select ") + QString(128, u'(') + u'1' + QString(128, u')');
    EXPECT_EQ(sqlOf(deepest), deepest);
}

TEST_F(TsqlTranslatorTest, LongPlusChainIsReadAsOneChain)
{
    QStringList terms;
    for (int i = 0; i < 2000; ++i)
        terms.append(i == 1000 ? QStringLiteral("'-'") : QStringLiteral("%1").arg(i));
    const QString chain = terms.join(u'+');
    EXPECT_EQ(sqlOf(QStringLiteral("select ") + chain + QStringLiteral(", 1+2")),
              QStringLiteral("select ") + terms.join(QStringLiteral("||"))
                  + QStringLiteral(", 1+2"));
}

TEST_F(TsqlTranslatorTest, LikeWithEscapeKeepsItsEscape)
{
    EXPECT_EQ(sqlOf(QStringLiteral("select cCusCode from Customer where cCusName like "
                                   "N'100!%%' escape '!'")),
              QStringLiteral("select cCusCode from Customer where cCusName like '100!%%' escape "
                             "'!'"));
}

// The writer copies unchanged stretches of the source in one piece; the spacing rules must
// hold at every seam all the same: one blank for any run of whitespace or a comment, none
// after '(', quotes only where the backend needs them.
TEST_F(TsqlTranslatorTest, SourceCopiedInRunsKeepsTheSpacingRules)
{
    EXPECT_EQ(sqlOf(QStringLiteral("select  a,\tb\n,c /* note */ from   t  where ( x = 1 )")),
              QStringLiteral("select a, b ,c from t where (x = 1 )"));
    EXPECT_EQ(sqlOf(QStringLiteral("select t.a, t . b, t.[c d], t.limit from dbo.t")),
              QStringLiteral("select t.a, t.b, t.\"c d\", t.\"limit\" from t"));
    EXPECT_EQ(sqlOf(QStringLiteral("select -- the code\ncCusCode,N'名称' n from Customer")),
              QStringLiteral("select cCusCode,'名称' n from Customer"));
    EXPECT_EQ(sqlOf(QStringLiteral("select top 2 isnull(a,0)+1 as n,客户.名称 from 客户")),
              QStringLiteral("select ifnull(a, 0)+1 as n,客户.名称 from 客户 LIMIT 2"));
    EXPECT_EQ(sqlOf(QStringLiteral("select Num = count(*) from t with (nolock) where a=1")),
              QStringLiteral("select count(*) AS Num from t where a=1"));
}

TEST_F(TsqlTranslatorTest, ReservedAndDigitLedNamesAreQuotedWhateverTheirCase)
{
    EXPECT_EQ(sqlOf(QStringLiteral("select Using, GLOB, isnulls, a$b, 1abc from t")),
              QStringLiteral("select \"Using\", \"GLOB\", isnulls, \"a$b\", \"1abc\" from t"));
}
