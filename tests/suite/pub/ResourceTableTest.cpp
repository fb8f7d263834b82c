#include "suite/pub/ResourceTable.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using suite::ResourceTable;

namespace {

const ResourceTable &chinese()
{
    return ResourceTable::builtIn(QStringLiteral("zh-cn"));
}

const ResourceTable &english()
{
    return ResourceTable::builtIn(QStringLiteral("en-us"));
}

int placeholderCount(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    int highest = 0;
    for (const auto &match : placeholder.globalMatch(text))
        highest = std::max(highest, match.captured(1).toInt());
    return highest;
}

// Every resource key written as a literal in the product's sources.
QSet<QString> keysUsedBySources()
{
    static const QRegularExpression literal(
        QStringLiteral("\"(Tarn\\.[A-Za-z0-9_]+(?:\\.[A-Za-z0-9_]+)+)\""));
    QSet<QString> keys;
    QDirIterator it(QStringLiteral(CUSTOMER_SOURCE_DIR "/src"),
                    { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (const auto &match : literal.globalMatch(source))
            keys.insert(match.captured(1));
    }
    return keys;
}

} // namespace

TEST(ResourceTables, EveryKeyTheSourcesUseHasAChineseAndAnEnglishText)
{
    const QSet<QString> used = keysUsedBySources();
    ASSERT_FALSE(used.isEmpty()) << "the source scan found no keys: wrong source directory?";
    for (const QString &key : used) {
        EXPECT_TRUE(chinese().contains(key)) << "zh-CN lacks " << key.toStdString();
        EXPECT_TRUE(english().contains(key)) << "en-US lacks " << key.toStdString();
    }
}

TEST(ResourceTables, BothLanguagesHoldTheSameKeysWithMatchingPlaceholders)
{
    ASSERT_GT(chinese().keys().size(), 100);
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    QSet<QString> chineseKeys;
    for (const QString &key : chinese().keys())
        chineseKeys.insert(key.toLower());
    QSet<QString> englishKeys;
    for (const QString &key : english().keys())
        englishKeys.insert(key.toLower());
    EXPECT_EQ(chineseKeys, englishKeys);

    for (const QString &key : chinese().keys()) {
        const QString zh = chinese().text(key);
        const QString en = english().text(key);
        EXPECT_FALSE(zh.trimmed().isEmpty()) << key.toStdString();
        EXPECT_FALSE(en.trimmed().isEmpty()) << key.toStdString();
        EXPECT_FALSE(en.contains(han)) << "Chinese in the English text of " << key.toStdString();
        EXPECT_EQ(placeholderCount(zh), placeholderCount(en)) << key.toStdString();
    }
}

TEST(ResourceTables, LanguageRegionChoosesTheTable)
{
    EXPECT_EQ(ResourceTable::tableLanguage(QStringLiteral("en-us")), QStringLiteral("en-US"));
    EXPECT_EQ(ResourceTable::tableLanguage(QStringLiteral("EN-US")), QStringLiteral("en-US"));
    EXPECT_EQ(ResourceTable::tableLanguage(QStringLiteral("zh-cn")), QStringLiteral("zh-CN"));
    EXPECT_EQ(ResourceTable::tableLanguage(QString()), QStringLiteral("zh-CN"));
    const QString key = QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information");
    EXPECT_NE(chinese().text(key), english().text(key));
    EXPECT_EQ(chinese().text(key), chinese().text(key.toUpper())) << "keys ignore case";
}

TEST(ResourceTable, ParsesEscapesCommentsAndReportsBadLines)
{
    ResourceTable table;
    QString sMsg;
    ASSERT_TRUE(table.loadTsv(QStringLiteral("# texts\r\n"
                                             "A.b\t第一行\\n第二行\r\n"
                                             "\n"
                                             "A.c\tpath C:\\\\temp\\tend\n"),
                              sMsg))
        << sMsg.toStdString();
    EXPECT_EQ(table.keys(), QStringList({ QStringLiteral("A.b"), QStringLiteral("A.c") }));
    EXPECT_EQ(table.text(QStringLiteral("a.B")), QStringLiteral("第一行\n第二行"));
    EXPECT_EQ(table.text(QStringLiteral("A.c")), QStringLiteral("path C:\\temp\tend"));

    EXPECT_FALSE(table.loadTsv(QStringLiteral("A.b\tone\nno tab here\n"), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("line 2: expected key<TAB>text"));
    EXPECT_FALSE(table.loadTsv(QStringLiteral("A.b\tone\na.B\ttwo\n"), sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("twice")));
    EXPECT_TRUE(table.contains(QStringLiteral("A.c"))) << "a failed load keeps the old table";
}

TEST(ResourceTable, MissingKeyShowsTheKeyItself)
{
    EXPECT_EQ(chinese().text(QStringLiteral("Tarn.AA.NOSUCH.key")),
              QStringLiteral("Tarn.AA.NOSUCH.key"));
}

TEST(ResourceTable, PlaceholdersAreFilledInOrderAndArgumentsAreNotReread)
{
    const QStringList args{ QStringLiteral("12"), QStringLiteral("100%1") };
    EXPECT_EQ(ResourceTable::fillPlaceholders(QStringLiteral("共%1页"), args),
              QStringLiteral("共12页"));
    EXPECT_EQ(ResourceTable::fillPlaceholders(QStringLiteral("%2 of %1"), args),
              QStringLiteral("100%1 of 12"));
    EXPECT_EQ(ResourceTable::fillPlaceholders(QStringLiteral("%3 stays, 50% stays"), args),
              QStringLiteral("%3 stays, 50% stays"));
    EXPECT_EQ(ResourceTable::fillPlaceholders(QStringLiteral("%1%"), {}), QStringLiteral("%1%"));
}
