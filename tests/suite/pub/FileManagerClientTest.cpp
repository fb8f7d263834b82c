#include "DemoCompanyCopy.h"

#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"
#include "suite/files/IFileManagerClient.h"
#include "suite/login/ClsLogin.h"

#include <QFile>
#include <QTemporaryDir>

using namespace suite;

namespace {

class FileManagerClientTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerSuiteServices();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        m_client = createObject<IFileManagerClient>(QLatin1String(IFileManagerClient::kProgId));
        ASSERT_TRUE(m_client);
        auto session = std::make_shared<ClsLogin>();
        QString sMsg;
        ASSERT_TRUE(
            session->Login({ QStringLiteral("demo"), QString(), m_company.connectionText(),
                             QStringLiteral("2026-03-15"), QStringLiteral("zh-cn"), QString() },
                           sMsg))
            << qPrintable(sMsg);
        m_login = session;
        m_client->SetLoginObject(m_login);
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QByteArray readBack(const QString &cFileId)
    {
        const QString target = m_files.filePath(QStringLiteral("read-back"));
        QString sMsg;
        EXPECT_TRUE(m_client->ReadFile(cFileId, target, sMsg)) << qPrintable(sMsg);
        QFile file(target);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }

    QStringList namesOf(const QString &cRecordId)
    {
        QList<AttachedFile> files;
        QString sMsg;
        EXPECT_TRUE(m_client->ListFiles(QStringLiteral("customer"), cRecordId, files, sMsg))
            << qPrintable(sMsg);
        QStringList names;
        for (const AttachedFile &file : std::as_const(files))
            names.append(file.cFileName);
        return names;
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_files;
    std::shared_ptr<ILogin> m_login;
    std::shared_ptr<IFileManagerClient> m_client;
};

} // namespace

TEST_F(FileManagerClientTest, AStoredFileIsListedReadBackByteForByteAndRemoved)
{
    static const char kBinary[] = "binary\0data\xff\xfe with a zero byte";
    QByteArray content(kBinary, sizeof kBinary - 1);
    content.append(QByteArray(100000, '\x7f'));
    const QString path = writeFile(QStringLiteral("O'Brien \"合同\".pdf"), content);
    QString cFileId;
    QString sMsg;
    ASSERT_TRUE(m_client->StoreFile(QStringLiteral("customer"), QStringLiteral("C001"), path,
                                    cFileId, sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(cFileId.size(), 36);

    QList<AttachedFile> files;
    ASSERT_TRUE(
        m_client->ListFiles(QStringLiteral("Customer"), QStringLiteral("c001"), files, sMsg));
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files.first().cFileId, cFileId);
    EXPECT_EQ(files.first().cFileName, QStringLiteral("O'Brien \"合同\".pdf"));
    EXPECT_EQ(files.first().iSize, content.size());
    EXPECT_EQ(files.first().cUser, QStringLiteral("demo"));
    EXPECT_LE(qAbs(files.first().dUpload.secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_EQ(readBack(cFileId), content);
    EXPECT_TRUE(namesOf(QStringLiteral("C002")).isEmpty());

    ASSERT_TRUE(m_client->RemoveFile(cFileId, sMsg)) << qPrintable(sMsg);
    EXPECT_TRUE(namesOf(QStringLiteral("C001")).isEmpty());
    EXPECT_FALSE(m_client->RemoveFile(cFileId, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("There is no attached file with the id '%1'.").arg(cFileId));
}

TEST_F(FileManagerClientTest, AnEmptyFileKeepsItsEmptyContent)
{
    QString cFileId;
    QString sMsg;
    ASSERT_TRUE(m_client->StoreFile(QStringLiteral("customer"), QStringLiteral("C001"),
                                    writeFile(QStringLiteral("empty.txt"), QByteArray()), cFileId,
                                    sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(readBack(cFileId), QByteArray());
}

TEST_F(FileManagerClientTest, FilesOfANewRecordMoveToItsCodeInTheirOrder)
{
    QString cFileId;
    QString sMsg;
    for (const QString &name : { QStringLiteral("b.txt"), QStringLiteral("a.txt") }) {
        ASSERT_TRUE(m_client->StoreFile(QStringLiteral("customer"), QStringLiteral("new-1"),
                                        writeFile(name, name.toUtf8()), cFileId, sMsg))
            << qPrintable(sMsg);
    }
    ASSERT_TRUE(m_client->MoveFiles(QStringLiteral("customer"), QStringLiteral("new-1"),
                                    QStringLiteral("C100"), sMsg))
        << qPrintable(sMsg);
    EXPECT_TRUE(namesOf(QStringLiteral("new-1")).isEmpty());
    EXPECT_EQ(namesOf(QStringLiteral("C100")),
              QStringList({ QStringLiteral("b.txt"), QStringLiteral("a.txt") }));
}

TEST_F(FileManagerClientTest, BadInputIsRefusedWithAClearMessageAndStoresNothing)
{
    QString cFileId = QStringLiteral("untouched");
    QString sMsg;
    const QString missing = m_files.filePath(QStringLiteral("missing.doc"));
    EXPECT_FALSE(m_client->StoreFile(QStringLiteral("customer"), QStringLiteral("C001"), missing,
                                     cFileId, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The file '%1' does not exist.").arg(missing));
    EXPECT_EQ(cFileId, QStringLiteral("untouched"));
    EXPECT_FALSE(m_client->StoreFile(QStringLiteral("customer"), QStringLiteral("C001"),
                                     m_files.path(), cFileId, sMsg));
    EXPECT_TRUE(namesOf(QStringLiteral("C001")).isEmpty());

    EXPECT_FALSE(m_client->ReadFile(QStringLiteral("no-such-id"),
                                    m_files.filePath(QStringLiteral("out")), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("There is no attached file with the id 'no-such-id'."));
    EXPECT_FALSE(QFile::exists(m_files.filePath(QStringLiteral("out"))));

    ASSERT_TRUE(m_client->StoreFile(QStringLiteral("customer"), QStringLiteral("C001"),
                                    writeFile(QStringLiteral("x.txt"), "x"), cFileId, sMsg));
    const QString unwritable = m_files.filePath(QStringLiteral("no/such/folder/x.txt"));
    EXPECT_FALSE(m_client->ReadFile(cFileId, unwritable, sMsg));
    EXPECT_TRUE(
        sMsg.startsWith(QStringLiteral("The file '%1' cannot be written: ").arg(unwritable)))
        << qPrintable(sMsg);
}

TEST_F(FileManagerClientTest, WithoutALoginNothingIsReached)
{
    EXPECT_EQ(m_client->LoginObject(), m_login);
    m_client->SetLoginObject(nullptr);
    EXPECT_FALSE(m_client->LoginObject());
    QList<AttachedFile> files;
    QString sMsg;
    EXPECT_FALSE(
        m_client->ListFiles(QStringLiteral("customer"), QStringLiteral("C001"), files, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The file manager has no login object."));
}
