#pragma once

#include "suite/data/IClsCommon.h"

#include <QString>

#include <memory>

namespace host {

// The company database the host works on, opened through the suite's data service.
struct OpenedCompany
{
    std::shared_ptr<suite::IClsCommon> service;
    QString databaseFile; // the company file, for the user to see which one is open
    QString connectionText; // what the data service was opened with
};

// The connection text for a --db value: a company file's path becomes a full connection text
// naming the file and its catalogue, because the component reads the account from the
// catalogue in the text (KVDATA_001_2026); an empty value names the demo company. Connection
// texts, and values that cannot be read, are returned as they are.
QString companyConnectionText(const QString &database);

// Opens the company a --db value names: a connection text or the path of a company file.
// Without one it opens the demo company, making it first when it does not exist yet
// (progress lines go to standard error). False with the reason when it cannot.
bool openCompany(const QString &database, OpenedCompany &company, QString &sMsg);

} // namespace host
