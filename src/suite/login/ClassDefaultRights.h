#pragma once

#include <QString>

namespace suite {

class IClsCommon;

// The data rights a record starts with because of its class, district or trade: rights
// dimensions (AA_ClassDefaultAuth) and its rights class (AA_ClassAuthGroup). Both are given on
// a node of the tree and hold for its sub-classes too, unless a nearer node has its own.
class ClassDefaultRights
{
public:
    explicit ClassDefaultRights(IClsCommon &service);

    // The defaults of the class code of tree kind ("class", "district", "trade") as
    // "<TarnRowAuth><Data><cClassID>…</cClassID><cClassCode>…</cClassCode></Data>…</TarnRowAuth>";
    // false with an empty text when it has none.
    bool defaultsXml(const QString &busObId, const QString &kind, const QString &code,
                     QString &sXml);

    // The statement whose first column is the rights class of a record of code's class.
    static QString rightsClassSql(const QString &busObId, const QString &code);

private:
    IClsCommon &m_service;
};

} // namespace suite
