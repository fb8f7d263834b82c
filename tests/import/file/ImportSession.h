#pragma once

#include "EntryFixture.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "import/StagingFileImport.h"

#include <QTemporaryDir>

// The import staging list's session entered without its window, for a user on a demo company
// of its own, with a folder for the files to import.
class ImportSession : public EntryTest
{
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        m_login = login(QStringLiteral("demo"));
        m_entry = customer::ClsCustomer_import::create();
        m_entry->Init(m_login);
        ASSERT_TRUE(
            m_entry->CreateObj(0, m_login->cUserId(), m_login->cUserName(), m_login->KvDbName()))
            << qPrintable(shownTexts().join(u'\n'));
    }

    void TearDown() override
    {
        if (m_entry)
            m_entry->LogOff();
        m_entry.reset();
        EntryTest::TearDown();
    }

    QString path(const QString &name) const { return m_files.filePath(name); }

    customer::StagingImportReport importFile(const QString &file)
    {
        customer::StagingFileImport run(*customer::g_oSrv, *customer::g_oPub);
        return run.run(path(file));
    }

    // The staging rows of a file, in the order they landed, each as its columns joined with
    // '|' (NULL as "-"), read past the services.
    QStringList staged(const QString &file, const QString &columns) const
    {
        const QString tag = customer::StagingFileImport::sourceIdOf(file, 0).chopped(1);
        QStringList lines;
        for (const QVariantList &row : m_company.cells(
                 DemoCompanyCopy<>::Company,
                 QStringLiteral("select %1 from customer_import where iSourceType=1 and "
                                "iSourceId like '%2%' order by AutoID")
                     .arg(columns, tag))) {
            QStringList values;
            for (const QVariant &value : row)
                values.append(written(value));
            lines.append(values.join(u'|'));
        }
        return lines;
    }

    // A staged value as a company file holds it: a time as its text, a number of the float
    // columns with its fraction, a flag as 1 or 0; a null is "-".
    static QString written(const QVariant &value)
    {
        if (value.isNull())
            return QStringLiteral("-");
        switch (value.typeId()) {
        case QMetaType::QDateTime:
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case QMetaType::Double: {
            const QString number = QString::number(value.toDouble(), 'g', 17);
            return number.contains(u'.') ? number : number + QStringLiteral(".0");
        }
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        default:
            return value.toString();
        }
    }

    QString value(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql).value(0);
    }

    QTemporaryDir m_files;
    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<customer::ClsCustomer_import> m_entry;
};
