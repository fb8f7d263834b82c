#pragma once

#include "DemoCompanyCopy.h"
#include "TestPlugInProbe.h"

#include <QPluginLoader>

// The test plug-in library's probe: the root object the manager loads, asked for the probe
// interface. Null when the library cannot be loaded.
inline ITestPlugInProbe *testPlugInProbe()
{
    QPluginLoader loader(QStringLiteral(TEST_ARCHIVE_PLUGIN_PATH));
    return qobject_cast<ITestPlugInProbe *>(loader.instance());
}

// Configures a customer-archive plug-in for the demo account, as an administrator does.
template<int Customers>
void configureArchivePlugIn(const DemoCompanyCopy<Customers> &company, const QString &name,
                            const QString &file, int order = 1)
{
    company.run(DemoCompanyCopy<Customers>::System,
                QStringLiteral("insert into AA_ArchivePlugIn (cAcc_Id, cArchive, cPlugInName,"
                               " cPlugInFile, bEnabled, iOrder) values ('001', 'Customer', '%1',"
                               " '%2', 1, %3)")
                    .arg(name, file)
                    .arg(order));
}
