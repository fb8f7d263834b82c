#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace suite {

// How a reference edit narrows and returns its reference, from its reference-set XML
// (<Ref><RefSet cRefFilterSql="bDCEnd=1 " cRetFld='cdeliveradd' cShowFld='cdeliveradd'
// iRetStyle='3'/></Ref>). Attribute names compare without regard to case.
struct ReferenceSettings
{
    enum ReturnStyle {
        // The text shows the returned column, the code keeps it.
        ReturnCode = 0,
        // The text shows the name (or cShowFld), the code keeps the returned column.
        ReturnName = 1,
        // The text is the shown column's text and is the value itself: nothing else is kept.
        ReturnText = 3
    };

    QString filterSql;
    QString returnField;
    QString showField;
    int returnStyle = ReturnCode;

    // An empty XML gives the defaults. False with sMsg when the XML does not read or
    // iRetStyle is not a number; settings then stay as they were.
    static bool read(const QString &refSetXml, ReferenceSettings &settings, QString &sMsg);
};

// The @ parameters of a condition XML (<RefConditions><Condition paramName='@cCusCode'
// paramValue='0001' /></RefConditions>), in document order, each name starting with "@".
using ReferenceParameters = QList<std::pair<QString, QString>>;

// An empty XML gives no parameters. False with sMsg when the XML does not read or a condition
// has no name.
bool readReferenceConditions(const QString &conditionXml, ReferenceParameters &parameters,
                             QString &sMsg);

} // namespace suite
