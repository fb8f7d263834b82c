#include "import/ClassSettingCatalogue.h"

namespace customer {

QString classSettingCatalogue(const QString &colInfoXml)
{
    // The root is the first element: skip a declaration or comment in front of it.
    qsizetype open = colInfoXml.indexOf(u'<');
    while (open >= 0 && open + 1 < colInfoXml.size()
           && (colInfoXml.at(open + 1) == u'?' || colInfoXml.at(open + 1) == u'!'))
        open = colInfoXml.indexOf(u'<', open + 1);
    if (open < 0)
        return colInfoXml;
    qsizetype nameEnd = open + 1;
    while (nameEnd < colInfoXml.size() && !colInfoXml.at(nameEnd).isSpace()
           && colInfoXml.at(nameEnd) != u'>' && colInfoXml.at(nameEnd) != u'/')
        ++nameEnd;
    if (nameEnd == open + 1 || nameEnd >= colInfoXml.size())
        return colInfoXml;
    QString marked = colInfoXml;
    marked.insert(nameEnd, QStringLiteral(" fixfld='0'"));
    return marked;
}

} // namespace customer
