#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "TsqlTestSupport.h"

#include <gtest/gtest.h>

using namespace suite::tsql;

namespace {

// One line per step, nested steps indented: the shape of a batch at a glance.
void outline(const std::vector<Step> &steps, const QString &indent, QStringList &lines)
{
    for (const Step &step : steps) {
        switch (step.kind) {
        case Step::Kind::Statement:
            lines.append(indent + step.sql);
            break;
        case Step::Kind::Declare:
            lines.append(indent + QStringLiteral("declare ") + step.variables.join(u','));
            break;
        case Step::Kind::Assign:
        case Step::Kind::SelectAssign:
            lines.append(indent + step.variables.join(u',') + QStringLiteral(" <- ") + step.sql
                         + QStringLiteral(" [") + step.parameters.join(u',') + u']');
            break;
        case Step::Kind::If:
            lines.append(indent + QStringLiteral("if ") + step.sql);
            outline(step.thenSteps, indent + QStringLiteral("  "), lines);
            if (!step.elseSteps.empty()) {
                lines.append(indent + QStringLiteral("else"));
                outline(step.elseSteps, indent + QStringLiteral("  "), lines);
            }
            break;
        case Step::Kind::Call:
            lines.append(indent + QStringLiteral("call ") + step.procedure + u' '
                         + step.arguments.join(u'|'));
            break;
        }
    }
}

QString outlineOf(const QString &tsql)
{
    TsqlTranslator translator(std::make_shared<SqliteDialect>());
    QString sMsg;
    auto batch = translator.translate(tsql, sMsg);
    if (!batch)
        return QStringLiteral("error: ") + sMsg;
    QStringList lines;
    outline(batch->steps, QString(), lines);
    return lines.join(u'\n');
}

} // namespace

// The script is assembled line by line with CR LF, without semicolons, as the batch-modify
// window sends it.
TEST(BatchSplit, SalespersonScriptNestsItsBlocks)
{
    const QStringList lines = {
        "declare @oldPsnNum nvarchar(40)",
        "declare @userId nvarchar(40)",
        "declare @cusCode nvarchar(40)",
        "declare @contact_Id nvarchar(60)",
        "set @oldPsnNum=N'P01'",
        "set @cusCode=N'C001'",
        "if exists(select 1 from UserHRPersonContro where cPsn_Num=@oldPsnNum) begin",
        "select @userId=cUser_Id from UserHRPersonContro where cPsn_Num=@oldPsnNum",
        "if len(@cusCode)>0 begin",
        "select @contact_Id =cContactCode from Crm_Contact where OID=@cusCode",
        "and cCusCode=@cusCode",
        "delete from crm_contact_User where Contact_Id=@contact_Id and User_ID=@userId end",
        "if not exists(select 1 from customer_user where Account_ID=@cusCode and User_ID=@userId)",
        "insert into customer_user(account_id,user_id,is_self)values(@cusCode,@userId,1)",
        "update Crm_Contact set cPrincipal=@oldPsnNum where cContactCode=@contact_Id end",
    };
    EXPECT_EQ(
        outlineOf(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")),
        QStringLiteral("declare oldpsnnum\ndeclare userid\ndeclare cuscode\ndeclare contact_id\n"
                       "oldpsnnum <- select 'P01' []\ncuscode <- select 'C001' []\n"
                       "if select exists(select 1 from UserHRPersonContro where cPsn_Num=?1)\n"
                       "  userid <- select cUser_Id from UserHRPersonContro where cPsn_Num=?1 "
                       "[oldpsnnum]\n"
                       "  if select length(rtrim(?1, ' '))>0\n"
                       "    contact_id <- select cContactCode from Crm_Contact where OID=?1 and "
                       "cCusCode=?1 [cuscode]\n"
                       "    delete from crm_contact_User where Contact_Id=?1 and User_ID=?2\n"
                       "  if select not exists(select 1 from customer_user where Account_ID=?1 and "
                       "User_ID=?2)\n"
                       "    insert into customer_user(account_id,user_id,is_self)values(?1,?2,1)\n"
                       "  update Crm_Contact set cPrincipal=?1 where cContactCode=?2"));
}

TEST(BatchSplit, KeywordsThatBelongToTheirStatementDoNotSplitIt)
{
    EXPECT_EQ(outlineOf(QStringLiteral(
                  "update customer_import\r\nset cSelCol=''\r\nupdate customer_import set "
                  "cSelCol='Y' where autoid in (3,5,-1)\r\n"
                  "insert into t(a) select case when b > 1 then 'x' else 'y' end from u union all "
                  "select 'z'\r\nselect a from t; select b from u")),
              QStringLiteral("update customer_import set cSelCol=''\n"
                             "update customer_import set cSelCol='Y' where autoid in (3,5,-1)\n"
                             "insert into t(a) select case when b > 1 then 'x' else 'y' end from u "
                             "union all select 'z'\n"
                             "select a from t\nselect b from u"));
}

TEST(BatchSplit, IfElseWithBlocksAndObjectChecks)
{
    EXPECT_EQ(outlineOf(QStringLiteral(
                  "if OBJECT_ID(N'tempdb..#t') is not null\r\ntruncate table #t\r\nElse\r\n"
                  "CREATE TABLE #t([a] [nvarchar](10) NULL)\r\n"
                  "if 1=0 begin select 1 end else begin select 2 select 3 end")),
              QStringLiteral("if select (select 1 from sqlite_temp_master where type in ('table', "
                             "'view') and name = '#t' collate nocase) is not null\n"
                             "  DELETE FROM temp.\"#t\"\nelse\n"
                             "  CREATE TABLE temp.\"#t\"(\"a\" nvarchar(10) NULL COLLATE NOCASE)\n"
                             "if select 1=0\n  select 1\nelse\n  select 2\n  select 3"));
}

TEST(BatchSplit, ProcedureCallsAndSessionOptions)
{
    EXPECT_EQ(outlineOf(QStringLiteral("SA_UpdateCusCreditSum 'C001'")),
              QStringLiteral("call SA_UpdateCusCreditSum 'C001'"));
    EXPECT_EQ(
        outlineOf(
            QStringLiteral("SET NOCOUNT ON\r\nGO\r\ndeclare @c nvarchar(20) = N'C''1', @n int\r\n"
                           "exec dbo.TCPro_UpCustomerArBalance @c, -2, NULL\r\nexecute P @x = 1\r\n"
                           "[My Proc] N'a'")),
        QStringLiteral("declare c,n\nc <- select 'C''1' []\n"
                       "call TCPro_UpCustomerArBalance @c|-2|NULL\ncall P 1\ncall My Proc 'a'"));
    EXPECT_EQ(outlineOf(QStringLiteral("exec P @undeclared")),
              QStringLiteral("error: The SQL text cannot be translated: the variable @undeclared "
                             "is not declared in: exec P @undeclared"));
}

// Where one statement of a batch without semicolons ends and the next begins. Each batch is a
// statement followed on the next line by the one that must start there.
struct StatementStart
{
    const char *batch;
    const char *steps;
};

class BatchStatementStart : public ::testing::TestWithParam<StatementStart>
{ };

TEST_P(BatchStatementStart, NextStatementStartsAfterACompleteOne)
{
    EXPECT_EQ(outlineOf(QString::fromUtf8(GetParam().batch)), QString::fromUtf8(GetParam().steps));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchStatementStart,
    ::testing::Values(
        StatementStart{ "insert into t (c) values('7')\r\nselect count(*) from t",
                        "insert into t (c) values('7')\nselect count(*) from t" },
        StatementStart{ "insert into t (c) values('7'), ('8')\r\nselect c from t",
                        "insert into t (c) values('7'), ('8')\nselect c from t" },
        StatementStart{ "insert into t (c) values((select max(c) from u))\r\nselect c from t",
                        "insert into t (c) values((select max(c) from u))\nselect c from t" },
        StatementStart{ "insert into t (c) select c from u\r\nselect c from t",
                        "insert into t (c) select c from u\nselect c from t" },
        StatementStart{ "declare @n int\r\nset @n = 1\r\nselect @n",
                        "declare n\nn <- select 1 []\nselect ?1" },
        StatementStart{ "exec P 'a', 2\r\nselect 1", "call P 'a'|2\nselect 1" },
        StatementStart{ "delete from t where c='1'\r\nselect c from t",
                        "delete from t where c='1'\nselect c from t" },
        StatementStart{ "delete t\r\ninsert into t (c) values('1')",
                        "delete from t\ninsert into t (c) values('1')" },
        StatementStart{ "update t set c='1'\r\nselect c from t",
                        "update t set c='1'\nselect c from t" },
        StatementStart{ "declare @n int\r\nupdate t set c='1' where c='2'\r\nset @n = 2",
                        "declare n\nupdate t set c='1' where c='2'\nn <- select 2 []" },
        StatementStart{ "if 1=1 insert into t (c) values('1')\r\nselect c from t",
                        "if select 1=1\n  insert into t (c) values('1')\nselect c from t" },
        StatementStart{ "if 1=1 update t set c='1' else delete from t\r\nselect c from t",
                        "if select 1=1\n  update t set c='1'\nelse\n  delete from t\n"
                        "select c from t" },
        StatementStart{ "alter table t drop column c\r\nselect 1",
                        "ALTER TABLE t DROP COLUMN c\nselect 1" },
        StatementStart{ "alter table t add d int\r\ndrop table u",
                        "ALTER TABLE t ADD COLUMN d int\nDROP TABLE u" }));
