#include "CardFixture.h"

#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/data/RecordSet.h"
#include "suite/files/IFileManagerClient.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUrl>

using namespace suite;

namespace {

class CardControlsTest : public CardTest
{
protected:
    void SetUp() override
    {
        CardTest::SetUp();
        m_code = column(QStringLiteral("select cCusCode from Customer order by cCusCode")).value(0);
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    static QByteArray png(int size)
    {
        QImage image(size, size, QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (y * 53) % 256));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    QString m_code;
    QTemporaryDir m_files;
};

} // namespace

TEST_F(CardControlsTest, UserDefinedFieldsAreTheCaptionedItemsOwnFirstAndRoundTripARecord)
{
    UserDefineControl control;
    const XmlElement record = control.Init(QStringLiteral("客户"), QStringLiteral("cCusDefine"),
                                           false, QString(), m_login, m_srv);
    EXPECT_EQ(control.FieldNames(),
              QStringLiteral("cCusDefine1 cCusDefine2 cCusDefine3 cCusDefine5 cCusDefine11 "
                             "cCusDefine13 cCusDefine14 cCusDefine15 cCDefine1 cCDefine2 cCDefine3 "
                             "cCDefine4 cCDefine5 cCDefine6 cCDefine7")
                  .split(u' '));
    run(QStringLiteral(
            "update Customer set cCusDefine1=NULL,cCusDefine2='R&D <1>',cCusDefine3=NULL,"
            "cCusDefine5='\"boss\"',cCusDefine11=7,cCusDefine13=NULL,cCusDefine14=NULL,"
            "cCusDefine15='2026-03-01 00:00:00' where cCusCode='%1'")
            .arg(m_code));
    run(QStringLiteral("update Customer_extradefine set cCDefine1=NULL,cCDefine2=NULL,cCDefine3="
                       "NULL,cCDefine4=NULL,cCDefine5=NULL,cCDefine6=NULL,cCDefine7='O''Neil' "
                       "where cCusCode='%1'")
            .arg(m_code));
    const RecordSet customer = m_srv->OpenX(
        QStringLiteral("select a.*,b.cCDefine1,b.cCDefine2,b.cCDefine3,b.cCDefine4,b.cCDefine5,"
                       "b.cCDefine6,b.cCDefine7 from Customer a left join Customer_extradefine b "
                       "on a.cCusCode=b.cCusCode where a.cCusCode='%1'")
            .arg(m_code));
    control.LoadFromRecord(customer);

    EXPECT_EQ(control.findChild<QLineEdit *>(QStringLiteral("cCusDefine15"))->text(),
              QStringLiteral("2026-03-01"));
    control.findChild<QLineEdit *>(QStringLiteral("cCusDefine13"))->setText(QStringLiteral("3.25"));
    EXPECT_EQ(record.firstChildElement(QStringLiteral("cCusDefine13")).text(),
              QStringLiteral("3.25"));
    EXPECT_EQ(control.GetRecordXml(),
              QStringLiteral("<cCusDefine1></cCusDefine1><cCusDefine2>R&amp;D &lt;1&gt;"
                             "</cCusDefine2><cCusDefine3></cCusDefine3><cCusDefine5>\"boss\""
                             "</cCusDefine5><cCusDefine11>7</cCusDefine11><cCusDefine13>3.25"
                             "</cCusDefine13><cCusDefine14></cCusDefine14><cCusDefine15>"
                             "2026-03-01</cCusDefine15><cCDefine1></cCDefine1><cCDefine2>"
                             "</cCDefine2><cCDefine3></cCDefine3><cCDefine4></cCDefine4>"
                             "<cCDefine5></cCDefine5><cCDefine6></cCDefine6><cCDefine7>O'Neil"
                             "</cCDefine7>"));
    QString sMsg;
    EXPECT_TRUE(control.CheckValid(sMsg)) << qPrintable(sMsg);

    control.Clear();
    EXPECT_EQ(control.FieldValue(QStringLiteral("cCusDefine2")), QString());
    EXPECT_EQ(control.findChild<QLineEdit *>(QStringLiteral("cCDefine7"))->text(), QString());
}

TEST_F(CardControlsTest, UserDefinedValuesThatDoNotFitTheirTypeAreNamed)
{
    UserDefineControl control;
    control.Init(QStringLiteral("客户"), QStringLiteral("cCusDefine"), false, QString(), m_login,
                 m_srv);
    struct Case
    {
        const char *field;
        const char *value;
        const char *message;
    };
    for (const Case &bad :
         { Case{ "cCusDefine11", "7.5", "\"合作年限\"的值\"7.5\"不是整数。" },
           Case{ "cCusDefine14", "1.25", "\"信用评分\"的值\"1.25\"不是数字或小数位超过1位。" },
           Case{ "cCusDefine15", "2026-02-30",
                 "\"签约日期\"的值\"2026-02-30\"不是有效日期（yyyy-MM-dd）。" } }) {
        control.Clear();
        ASSERT_TRUE(control.SetFieldValue(QLatin1String(bad.field), QString::fromUtf8(bad.value)));
        QString sMsg;
        EXPECT_FALSE(control.CheckValid(sMsg)) << bad.field;
        EXPECT_EQ(sMsg, QString::fromUtf8(bad.message));
    }
    EXPECT_FALSE(control.SetFieldValue(QStringLiteral("cCusDefine4"), QStringLiteral("x")));

    control.SetRightLevel(1);
    EXPECT_FALSE(control.findChild<QLineEdit *>(QStringLiteral("cCusDefine11"))->isEnabled());
}

TEST_F(CardControlsTest, APictureTooLargeOrNoPictureAtAllIsRefusedWithAMessage)
{
    PictureControl control;
    control.Init(QStringLiteral("1"), m_pub);
    const QByteArray large = png(64);
    ASSERT_GT(large.size(), 1024);
    const QString tooLarge = writeFile(QStringLiteral("large.png"), large);
    const QString text = writeFile(QStringLiteral("note.png"), "not a picture");

    EXPECT_FALSE(control.LoadFromFile(tooLarge));
    EXPECT_FALSE(control.LoadFromFile(text));
    EXPECT_FALSE(control.HasPicture());
    EXPECT_EQ(shownTexts(),
              (QStringList{ QStringLiteral("图片文件\"%1\"超过1KB，不能使用。").arg(tooLarge),
                            QStringLiteral("文件\"%1\"不是可识别的图片。").arg(text) }));

    control.Init(QStringLiteral("1024"), m_pub);
    ASSERT_TRUE(control.LoadFromFile(tooLarge));
    QString sData;
    QString cType;
    EXPECT_TRUE(control.WritePicture(RecordSet(), false, sData, cType));
    EXPECT_EQ(QByteArray::fromBase64(sData.toLatin1()), large);
    EXPECT_EQ(cType, QStringLiteral("png"));
}

TEST_F(CardControlsTest, AStoredPictureIsWrittenOnlyWhenChanged)
{
    const QByteArray small = png(2);
    const RecordSet stored(
        { Field(QStringLiteral("Picture")), Field(QStringLiteral("cpicturetype")) },
        { { small, QStringLiteral("png") } });
    PictureControl control;
    control.Init(QStringLiteral("1024"), m_pub);
    control.LoadFromRecordSet(stored);
    EXPECT_TRUE(control.HasPicture());
    QString sData = QStringLiteral("untouched");
    QString cType;
    EXPECT_FALSE(control.WritePicture(stored, false, sData, cType));
    EXPECT_EQ(sData, QStringLiteral("untouched"));

    control.findChild<QPushButton *>(QStringLiteral("clear"))->click();
    EXPECT_TRUE(control.WritePicture(stored, false, sData, cType));
    EXPECT_EQ(sData, QString());
    EXPECT_FALSE(control.WritePicture(RecordSet(), false, sData, cType));

    control.SetRightLevel(1);
    EXPECT_FALSE(control.LoadFromFile(writeFile(QStringLiteral("s.png"), small)));
}

TEST_F(CardControlsTest, AttachmentsOfANewCustomerMoveToItsCodeAndCanBeOpenedAndRemoved)
{
    auto files = createObject<IFileManagerClient>(QLatin1String(IFileManagerClient::kProgId));
    ASSERT_TRUE(files);
    files->SetLoginObject(m_login);
    AttachmentControl control;
    control.Init(files, m_srv);
    ASSERT_TRUE(control.LoadFiles(QStringLiteral("customer"), QString()));
    EXPECT_EQ(control.GetRecordXml(QStringLiteral("customer")),
              QStringLiteral("<bIsCusAttachFile>0</bIsCusAttachFile>"));
    QString sMsg;
    ASSERT_TRUE(control.AddFile(writeFile(QStringLiteral("合同 A&B.pdf"), "contract"), sMsg))
        << qPrintable(sMsg);
    ASSERT_TRUE(control.AddFile(writeFile(QStringLiteral("licence.txt"), "licence"), sMsg));
    EXPECT_EQ(control.GetRecordXml(QStringLiteral("customer")),
              QStringLiteral("<bIsCusAttachFile>1</bIsCusAttachFile>"));
    ASSERT_TRUE(control.SaveFiles(QStringLiteral("NEW01"), sMsg)) << qPrintable(sMsg);

    AttachmentControl reloaded;
    reloaded.Init(files, m_srv);
    ASSERT_TRUE(reloaded.LoadFiles(QStringLiteral("customer"), QStringLiteral("NEW01")));
    ASSERT_EQ(reloaded.FileCount(), 2);
    EXPECT_EQ(reloaded.FileName(0), QStringLiteral("合同 A&B.pdf"));
    QUrl opened;
    reloaded.SetOpener([&opened](const QUrl &url) {
        opened = url;
        return true;
    });
    ASSERT_TRUE(reloaded.OpenFile(0, sMsg)) << qPrintable(sMsg);
    QFile shown(opened.toLocalFile());
    ASSERT_TRUE(shown.open(QIODevice::ReadOnly));
    EXPECT_EQ(shown.readAll(), QByteArray("contract"));

    reloaded.SetRightLevel(1);
    EXPECT_FALSE(reloaded.RemoveFile(0, sMsg));
    EXPECT_FALSE(reloaded.AddFile(writeFile(QStringLiteral("x.txt"), "x"), sMsg));
    reloaded.SetRightLevel(2);
    ASSERT_TRUE(reloaded.RemoveFile(0, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(reloaded.FileCount(), 1);
    EXPECT_EQ(column(QStringLiteral("select cFileName from AA_AttachFile where cRecordId='NEW01'")),
              QStringList{ QStringLiteral("licence.txt") });
}
