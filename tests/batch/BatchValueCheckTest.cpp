#include "batch/BatchValueCheck.h"
#include "BatchSession.h"
#include "catalogue/DataAuth.h"

using customer::checkBatchValue;

namespace {

struct CheckRow
{
    const char *field;
    const char *value;
    // Empty when the value passes.
    QString message;
    // Appended to the condition "(1=1)" when the value passes.
    QString restriction;
};

QString formatted(const char *key, const QStringList &args)
{
    QString text =
        suite::ResourceTable::builtIn(QStringLiteral("en-us")).text(QLatin1StringView(key));
    for (int i = 0; i < args.size(); ++i)
        text.replace(QStringLiteral("%%1").arg(i + 1), args.at(i));
    return text;
}

} // namespace

class BatchValueCheckTest : public BatchSession
{
protected:
    void expectRows(const QList<CheckRow> &rows)
    {
        for (const CheckRow &row : rows) {
            answerWith({});
            QString value = QString::fromUtf8(row.value);
            QString condition = QStringLiteral("(1=1)");
            const bool passed = checkBatchValue(QString::fromLatin1(row.field),
                                                QStringLiteral("Caption"), value, condition);
            const QString where = QStringLiteral("%1 = '%2'").arg(row.field, row.value);
            EXPECT_EQ(passed, row.message.isEmpty()) << qPrintable(where);
            EXPECT_EQ(shownTexts(),
                      row.message.isEmpty() ? QStringList() : QStringList{ row.message })
                << qPrintable(where);
            EXPECT_EQ(condition, passed ? "(1=1)" + row.restriction : QStringLiteral("(1=1)"))
                << qPrintable(where);
        }
    }
};

TEST_F(BatchValueCheckTest, ReferenceCodesMustExistWithinTheRights)
{
    expectRows({
        { "cCCCode", "0101", {}, {} },
        { "Customer.cCCCode", "01", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.219_1"), {} },
        { "cCCCode", "", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.219_1"), {} },
        { "Customer.cDCCode", "0101", {}, {} },
        { "cDCCode", "", {}, {} },
        { "cDCCode", "99", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.227_1"), {} },
        { "cCusHeadCode", "", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.234_1"), {} },
        { "cCusHeadCode", "NONE", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.234_1"), {} },
        { "cCusOType", "01", {}, {} },
        { "cCusOType", "99", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.242_1"), {} },
        { "cCusWhCode", "01", {}, {} },
        { "cCusWhCode", "99", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.250_1"), {} },
        { "cCusMngTypeCode", "02", {}, {} },
        { "cCusMngTypeCode", "05", text("Tarn.AA.ARCHIVE.FIELD.ref_mngtypenullorstop"), {} },
        { "cCusPayCond", "02", {}, {} },
        { "cCusPayCond", "99", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.258_1"), {} },
        { "cCusDepart", "0201", {}, {} },
        { "cCusDepart", "02", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.266_1"), {} },
        { "cCusDepart", "", {}, {} },
        { "cCusPPerson", "001", {}, {} },
        { "cCusPPerson", "999", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.274_1"), {} },
        { "cCusPPerson", "0' or '1'='1", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.274_1"), {} },
    });
}

TEST_F(BatchValueCheckTest, DatesAreCheckedAndKeepTheirPartnerDateInOrder)
{
    expectRows({
        { "dCusDevDate", "2024-01-01", {}, "and ((dEndDate is null )or(dEndDate>='2024-01-01'))" },
        { "Customer.dEndDate", "2024-01-01", {}, "and (dCusDevDate<='2024-01-01')" },
        { "Customer.dLicenceSDate",
          "2024-01-01",
          {},
          "and ((dLicenceEDate is null )or(dLicenceEDate>='2024-01-01'))" },
        { "customer.dLicenceEDate",
          "2024-01-01",
          {},
          "and (dLicenceSDate is null or (dLicenceSDate<='2024-01-01'))" },
        { "Customer.dBusinessSDate",
          "2024-01-01",
          {},
          "and ((dBusinessEDate is null )or(dBusinessEDate>='2024-01-01'))" },
        { "Customer.dBusinessEDate",
          "2024-01-01",
          {},
          "and (dBusinessSDate is null or (dBusinessSDate<='2024-01-01'))" },
        { "Customer.dProxySDate",
          "2024-01-01",
          {},
          "and ((dProxyEDate is null )or(dProxyEDate>='2024-01-01'))" },
        { "Customer.dProxyEDate",
          "2024-01-01",
          {},
          "and (dProxySDate is null or (dProxySDate<='2024-01-01'))" },
        { "Customer.dEndDate", "", {}, {} },
    });
    QString value = QStringLiteral("2024-02-30");
    QString condition = QStringLiteral("(1=1)");
    EXPECT_FALSE(checkBatchValue("Customer.dEndDate", "Caption", value, condition));
    EXPECT_EQ(condition, "(1=1)");
}

TEST_F(BatchValueCheckTest, FlagsNarrowTheCustomersTheyApplyTo)
{
    expectRows({
        { "cBranchAddr", "x", {}, " and bHomeBranch=1" },
        { "cBranchPhone", "", {}, " and bHomeBranch=1" },
        { "cBranchPerson", "x", {}, " and bHomeBranch=1" },
        { "bCreditByHead", "1", {}, " and bCredit=1 " },
        { "customer.bCreditByHead", "0", {}, {} },
        { "bCusDomestic", "0", {}, " and bCusDomestic=1" },
        { "bCusDomestic", "1", {}, {} },
        { "bCusOverseas", "0", {}, " and bcusoverseas=1" },
        { "bShop", "0", {}, " and bOnGPinStore=0" },
        { "bShop", "1", {}, " and isnull(cCusDepart,'')<>'' and isnull(cCusWhCode,'')<>''" },
    });
}

TEST_F(BatchValueCheckTest, RatesAndCreditDaysStayInTheirRange)
{
    const QStringList under100{ "Caption", "100" };
    expectRows({
        { "fCommisionRate", "99.5", {}, {} },
        { "fCommisionRate",
          "100",
          formatted("Tarn.AA.ARCHIVE.COMMON.no_bigger_equal", under100),
          {} },
        { "fInsueRate",
          "-1",
          formatted("Tarn.AA.ARCHIVE.COMMON.no_smaller", { "Caption", "0" }),
          {} },
        { "fInsueRate", "abc", {}, {} },
        { "iCusTaxRate", "13", {}, {} },
        { "iCusTaxRate", "100", formatted("Tarn.AA.ARCHIVE.COMMON.nobiger", under100), {} },
        { "iCusTaxRate", "", {}, {} },
        { "iCusCreDate", "30", {}, {} },
        { "iCusCreDate", "", {}, {} },
        { "iCusCreDate", "thirty", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.340_1"), {} },
        { "iCusCreDate", "-5", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.344_1"), {} },
    });
}

TEST_F(BatchValueCheckTest, ArchiveCodesMustExistUnderTheirCondition)
{
    const auto missing = [](const char *value) {
        return formatted("Tarn.AA.PUB.CHECK.notexists", { "Caption", value });
    };
    expectRows({
        { "cCusSSCode", "201", {}, {} },
        { "Customer.cCusSSCode", "2", missing("2"), {} },
        { "cCusTradeCCode", "0101", {}, {} },
        { "cCusTradeCCode", "99", missing("99"), {} },
        { "cCusTradeCCode", "", {}, {} },
    });
}

// On the staging list the session's clauses name the staging table; a head office is still a
// customer of the archive that the user may write.
TEST_F(BatchValueCheckTest, TheHeadOfficeIsAnArchiveCustomerTheUserMayWriteOnTheStagingListToo)
{
    enter(QStringLiteral("sales1"));
    const QString archiveRights = customer::ArchiveCustomerWriteRights();
    ASSERT_NE(archiveRights, QStringLiteral("1=1")) << "sales1 writes only some customers";
    const auto firstCode = [](const QString &where) {
        const suite::RecordSet rows =
            customer::g_oSrv->OpenX(QStringLiteral("select top 1 cCusCode from Customer where ")
                                    + where + QStringLiteral(" order by cCusCode"));
        return rows.RecordCount() > 0 ? rows.valueAt(0, 0).toString() : QString();
    };
    const QString writable = firstCode(archiveRights);
    const QString notWritable = firstCode(QStringLiteral("not (") + archiveRights + u')');
    ASSERT_FALSE(writable.isEmpty());
    ASSERT_FALSE(notWritable.isEmpty());

    customer::InitDataAuthImport();
    ASSERT_TRUE(customer::g_cAuthCustomerW.contains(QStringLiteral("Customer_import"),
                                                    Qt::CaseInsensitive));
    EXPECT_EQ(customer::ArchiveCustomerWriteRights(), archiveRights);
    const QByteArray mine = writable.toUtf8();
    const QByteArray others = notWritable.toUtf8();
    expectRows({
        { "cCusHeadCode", mine.constData(), {}, {} },
        { "cCusHeadCode", others.constData(), text("Tarn.AA.CUSTOMER.FRMMULMODIFY.234_1"), {} },
        { "cCusHeadCode", "NONE", text("Tarn.AA.CUSTOMER.FRMMULMODIFY.234_1"), {} },
    });
}
