#include "card/ControlLicences.h"
#include "card/PlugInNotices.h"
#include "card/PlugInTalkData.h"
#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"

#include <gtest/gtest.h>

using namespace customer;
using namespace Qt::StringLiterals;

TEST(PlugInTalkData, SixFieldsInTheirOrderWithValuesEscaped)
{
    PlugInTalkFields fields;
    fields.code = u"C001"_s;
    fields.name = u"R&D <Lab> \"One\""_s;
    fields.classCode = u"0101"_s;
    fields.sendWarehouse = u"01"_s;
    fields.creditGrade = u"AA"_s;
    fields.creditLine = u"20,000.00"_s;
    EXPECT_EQ(plugInTalkXml(u"Q\"1&2"_s, fields),
              u"<PlugInTalkData RequestID=\"Q&quot;1&amp;2\" From=\"DRP\">"
              "<TalkData FieldName=\"cCusCode\">C001</TalkData>"
              "<TalkData FieldName=\"cCusName\">R&amp;D &lt;Lab&gt; \"One\"</TalkData>"
              "<TalkData FieldName=\"cCusCCode\">0101</TalkData>"
              "<TalkData FieldName=\"cSendWh\">01</TalkData>"
              "<TalkData FieldName=\"cCusCreGrade\">AA</TalkData>"
              "<TalkData FieldName=\"iCusCreLine\">20,000.00</TalkData>"
              "</PlugInTalkData>"_s);
}

TEST(PlugInNotices, EventNamesCompareInAnyCase)
{
    EXPECT_EQ(plugInNoticeKind(u"button_save"_s), PlugInNoticeKind::Save);
    EXPECT_EQ(plugInNoticeKind(u"CCUSCREGRADE"_s), PlugInNoticeKind::CreditGrade);
    EXPECT_EQ(plugInNoticeKind(u"iCusCreLine"_s), PlugInNoticeKind::CreditLine);
    EXPECT_EQ(plugInNoticeKind(u"Licenses"_s), PlugInNoticeKind::Licenses);
    EXPECT_EQ(plugInNoticeKind(u"LicensesForClient"_s), PlugInNoticeKind::LicensesForClient);
    EXPECT_EQ(plugInNoticeKind(u"Licenses "_s), PlugInNoticeKind::Unknown);
    EXPECT_EQ(plugInNoticeKind(QString()), PlugInNoticeKind::Unknown);
}

TEST(PlugInNotices, ACreditLineMustBeANumber)
{
    EXPECT_EQ(plugInCreditLine(12000.5), u"12000.5"_s);
    EXPECT_EQ(plugInCreditLine(u" 300 "_s), u"300"_s);
    EXPECT_EQ(plugInCreditLine(u"-1e3"_s), u"-1e3"_s);
    EXPECT_FALSE(plugInCreditLine(u"20,000"_s));
    EXPECT_FALSE(plugInCreditLine(u"lots"_s));
    EXPECT_FALSE(plugInCreditLine(QVariant()));
}

TEST(ControlLicences, SuiteClassesGetTheirKeyAndClientKeysKeepTheFirst)
{
    suite::registerSuiteServices();
    ControlLicences licences;
    const QString key = licences.addLicence(u"tarnpub.ipub"_s);
    EXPECT_EQ(key, suite::ObjectFactory::instance().runtimeLicenceKey(u"TarnPub.IPub"_s));
    EXPECT_EQ(key.size(), 32);
    EXPECT_NE(key,
              suite::ObjectFactory::instance().runtimeLicenceKey(u"TarnSrvTrans.IClsCommon"_s));
    EXPECT_EQ(licences.key(u"TARNPUB.IPUB"_s), key);
    EXPECT_EQ(licences.addLicence(u"No.Such.Class"_s), QString());
    EXPECT_EQ(licences.count(), 1);

    EXPECT_TRUE(licences.addClientLicence(u"Vendor.Grid"_s, u"K1"_s));
    EXPECT_FALSE(licences.addClientLicence(u"vendor.grid"_s, u"K2"_s));
    EXPECT_FALSE(licences.addClientLicence(u"TarnPub.IPub"_s, u"K3"_s));
    EXPECT_FALSE(licences.addClientLicence(QString(), u"K4"_s));
    EXPECT_EQ(licences.key(u"Vendor.Grid"_s), u"K1"_s);
    EXPECT_EQ(licences.key(u"tarnpub.ipub"_s), key);
    EXPECT_EQ(licences.count(), 2);
}
