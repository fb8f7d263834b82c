#pragma once

#include <QString>

namespace customer {

// The card data a plug-in may read: code Edt(0), name Edt(1), class Edt(3), shipping warehouse
// Edt(21), credit grade Edt(24) and credit line Edt(25).
struct PlugInTalkFields
{
    QString code;
    QString name;
    QString classCode;
    QString sendWarehouse;
    QString creditGrade;
    QString creditLine;
};

// The card's answer to a plug-in's Talk: root PlugInTalkData with RequestID and From="DRP", one
// TalkData element per field in a fixed order, without white space. Values are escaped as XML
// values, so that "R&D" reaches the plug-in as R&D and not as broken XML.
QString plugInTalkXml(const QString &requestID, const PlugInTalkFields &fields);

} // namespace customer
