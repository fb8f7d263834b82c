#include "CardLogicSession.h"

#include "card/SubRecordParameters.h"

using namespace customer;

namespace {

TEST(SubRecordParametersTest, EachDialogGetsItsOwnParameterXml)
{
    SubRecordParameters p{ QStringLiteral("C01"),
                           QStringLiteral("R&D <East>"),
                           1,
                           QStringLiteral("cCCCode<>'02'"),
                           QStringLiteral("iId<>3"),
                           QStringLiteral("http://h/r?refid=") };
    EXPECT_EQ(subRecordParameterXml(SubRecordDialog::Invoice, p),
              QStringLiteral("<cusinvoicecorp> <ccuscode>C01</ccuscode><RW>1</RW><RowAuthCusR>"
                             "cCCCode!='02'</RowAuthCusR><RowAuthCusW>iId!=3</RowAuthCusW>"
                             "<url>http://h/r?refid=</url></cusinvoicecorp>"));
    p.url.clear();
    p.right = 2;
    EXPECT_EQ(
        subRecordParameterXml(SubRecordDialog::Person, p),
        QStringLiteral("<cusstuff> <ccuscode>C01</ccuscode><RW>2</RW><url></url></cusstuff>"));
    EXPECT_EQ(subRecordParameterXml(SubRecordDialog::Privilege, p),
              QStringLiteral("<cusprivilege> <ccuscode>C01</ccuscode><RW>2</RW><url></url>"
                             "</cusprivilege>"));
    EXPECT_EQ(subRecordParameterXml(SubRecordDialog::Address, p),
              QStringLiteral("<addr><ccuscode>C01</ccuscode><rw>2</rw><url></url></addr>"));
    EXPECT_EQ(subRecordDialogOfKey(QStringLiteral("CUSBANK")), SubRecordDialog::Bank);
    EXPECT_EQ(subRecordParameterXml(SubRecordDialog::Bank, p),
              QStringLiteral("<Bank><cCusCode>C01</cCusCode><cCusName>R&amp;D &lt;East&gt;"
                             "</cCusName><RW>2</RW><url></url></Bank>"));
}

} // namespace
