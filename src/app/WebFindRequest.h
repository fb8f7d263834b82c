#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace host {

// A condition query a web client sends to its host as one XML element:
//
//     <find table='Customer' fields='Customer.cCusCode,cCusName,CustomerClass.cCCName'
//           where="Customer.cCCCode like '01%'" order='Customer.cCusCode desc'>
//         <join table='CustomerClass' on='Customer.cCCCode=CustomerClass.cCCCode'/>
//     </find>
//
// The rows are those of the table (the find table) that meet the condition; the joined tables
// only add columns to show. Names go into the statement as they are, so they must be plain
// identifiers; the conditions are SQL the client writes, as it writes the texts of OpenX.
struct WebFindRequest
{
    struct Join
    {
        QString table;
        QString on;
    };

    QString table;
    QStringList fields; // empty: every column of the find table
    QString where; // empty: every row
    QString order;
    QList<Join> joins;

    // The request the XML describes, or nullopt with sMsg telling what is wrong with it.
    static std::optional<WebFindRequest> parse(const QString &sXML, QString &sMsg);

    QStringList findTables() const;
    QStringList showTables() const;
    // The T-SQL select of the request; rightsCondition narrows the find table's rows to those
    // the user may read.
    QString statement(const QString &rightsCondition) const;
};

} // namespace host
