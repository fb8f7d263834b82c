#pragma once

#include "DemoCompanyCopy.h"

#include "suite/data/DataService.h"
#include "suite/ref/ReferenceCatalogue.h"
#include "suite/ref/ReferenceQuery.h"

#include <memory>

// A data service on a demo company of its own, and the reference queries read through it.
class ReferenceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        m_service->Init(m_company.connectionText());
        ASSERT_TRUE(m_service->Status()) << qPrintable(m_service->LastError());
    }

    static const suite::ReferenceDefinition &reference(const char *id)
    {
        const suite::ReferenceDefinition *found = suite::findReference(QString::fromLatin1(id));
        EXPECT_NE(found, nullptr) << id;
        static const suite::ReferenceDefinition none;
        return found ? *found : none;
    }

    static suite::ReferenceQuery query(const char *id, const QString &refSetXml = QString())
    {
        suite::ReferenceSettings settings;
        QString sMsg;
        EXPECT_TRUE(suite::ReferenceSettings::read(refSetXml, settings, sMsg)) << qPrintable(sMsg);
        return suite::ReferenceQuery(reference(id), settings);
    }

    // Every row of the query, page size large enough for one page.
    suite::RecordSet allRows(const suite::ReferenceQuery &query)
    {
        suite::ReferencePage page;
        page.size = 100000;
        QString sMsg;
        EXPECT_TRUE(query.readPage(*m_service, page, sMsg)) << qPrintable(sMsg);
        return page.rows;
    }

    static QStringList columnOf(const suite::RecordSet &rows, const QString &field)
    {
        QStringList values;
        for (int row = 0; row < rows.RecordCount(); ++row)
            values.append(rows.valueAt(row, rows.FieldIndex(field)).toString());
        return values;
    }

    DemoCompanyCopy<> m_company;
    std::shared_ptr<suite::ClsCommon> m_service = std::make_shared<suite::ClsCommon>();
};
