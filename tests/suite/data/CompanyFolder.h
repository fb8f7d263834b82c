#pragma once

#include "suite/data/RecordSet.h"
#include "suite/data/SqliteConnection.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The values of the first column, row after row.
inline QStringList firstColumn(const suite::RecordSet &rows)
{
    QStringList values;
    for (int row = 0; row < rows.RecordCount(); ++row)
        values.append(rows.valueAt(row, 0).toString());
    return values;
}

// A folder holding a small company of account 001, year 2026, in SQLite files made by the
// test itself: just the tables a test needs, in the backend's own SQL.
class CompanyFolder
{
public:
    static constexpr const char *kCompanyFile = "KVDATA_001_2026.db";

    QString path(const QString &file) const { return m_dir.filePath(file); }
    QString companyFile() const { return path(QLatin1String(kCompanyFile)); }
    QString connectionText() const
    {
        return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_001_2026")
            .arg(companyFile());
    }

    // Runs the statements on the file, creating it when needed.
    void run(const QString &file, const QString &sql) const
    {
        suite::SqliteConnection db;
        QString sMsg;
        ASSERT_TRUE(db.open(path(file), sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(db.execute(sql, sMsg)) << qPrintable(sMsg);
    }
    void runOnCompany(const QString &sql) const { run(QLatin1String(kCompanyFile), sql); }

    // Rows read past the data service, on a connection of their own.
    suite::RecordSet query(const QString &sql, const QVariantList &params = {}) const
    {
        suite::SqliteConnection db;
        QString sMsg;
        EXPECT_TRUE(db.open(companyFile(), sMsg, suite::SqliteConnection::OpenMode::ReadOnly))
            << qPrintable(sMsg);
        suite::RecordSet rows = db.query(sql, params, sMsg);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
        return rows;
    }

    // The values of one column, row after row.
    QStringList column(const QString &sql, const QVariantList &params = {}) const
    {
        return firstColumn(query(sql, params));
    }

private:
    QTemporaryDir m_dir;
};

// Each row as its values joined by '|', for comparing whole results.
inline QStringList rowTexts(const suite::RecordSet &rows)
{
    QStringList texts;
    for (int row = 0; row < rows.RecordCount(); ++row) {
        QStringList values;
        for (int field = 0; field < rows.FieldCount(); ++field)
            values.append(rows.valueAt(row, field).toString());
        texts.append(values.join(u'|'));
    }
    return texts;
}

// The customer tables as the company database declares them, trimmed to the columns the tests
// use.
inline const QString kCustomerTables =
    QStringLiteral("create table Customer ("
                   " cCusCode nvarchar(20) collate nocase not null primary key,"
                   " cCusName nvarchar(98) collate nocase not null,"
                   " cCusAbbName nvarchar(60) collate nocase,"
                   " cCusCreditCompany nvarchar(20) collate nocase,"
                   " iCusCreLine money,"
                   " iARMoney money,"
                   " dLastDate datetime,"
                   " iLastMoney money,"
                   " dLRDate datetime,"
                   " iLRMoney money,"
                   " bCusState bit,"
                   " dCusDevDate datetime,"
                   " iCusCreDate int);"
                   "create table Customer_extradefine ("
                   " cCusCode nvarchar(20) collate nocase not null primary key,"
                   " cCDefine1 nvarchar(120) collate nocase,"
                   " cCDefine3 decimal(18, 2) check (cCDefine3 >= 0),"
                   " cCDefine4 datetime);");
