#pragma once

#include "suite/core/SuiteObject.h"
#include "suite/data/RecordSet.h"

#include <QString>

namespace suite {

// The suite's column-set service "TarnColumnSetSvr.clsColsetsvr": which columns a list shows,
// their captions, widths, order and sort, kept per user and key ("Customer",
// "Customer_import", "Ref" + table). A key the user never saved shows its default set, taken
// from the key's field catalogue.
//
// The column-set XML keeps the style of the field catalogue: a root named after the table,
// with ckey (the key), icols (visible columns) and ifixcols (fixed columns), then one element
// per column named after its field ("Customer.cCusCode", "CustomerClass.cCCName") carrying
// showfldname (caption), cOrgCaption (the catalogue's caption), bshow, iwidth, iorder,
// csort ("", "asc" or "desc"), bmustinput and bfixed, followed, where the mode says so, by the
// catalogue's own attributes (reftype, cRefID, cRetFld, bmulmodify, ...).
class IColumnSet : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnColumnSetSvr.clsColsetsvr";

    // Return modes of getColInfo and getColSet.
    enum ReturnMode {
        // Every catalogue column with the user's settings applied; columns the user's set lacks
        // follow it hidden. With the catalogue attributes.
        FullInfo = 0,
        // The user's column set as stored (or the default), without catalogue attributes: what
        // GetSqlString and GetOrderString read.
        UserSet = 1,
        // The visible columns of the user's set only, with the catalogue attributes.
        VisibleOnly = 2,
        // The key's default set, ignoring what the user saved, with the catalogue attributes.
        Defaults = 15
    };

    // False when the company database cannot be opened; the other members then answer empty.
    virtual bool Init(const QString &cDBName, const QString &cUserId) = 0;

    // Registers the field catalogue XML the default set of cKey comes from; keys without one
    // fall back to the metadata dictionary aa_columndic. False with sMsg when it does not parse.
    virtual bool setCatalogue(const QString &cKey, const QString &sXML, QString &sMsg) = 0;

    // The comma-separated fields (qualified or not) are withdrawn from every column set: from
    // the sets stored for any user and key, and from whatever this service returns from now on.
    virtual void MustCancelColumns(const QString &cList) = 0;

    // Unknown modes answer as FullInfo. Empty when the service was not initialised.
    virtual QString getColInfo(const QString &cKey, int iReturnMode = FullInfo) = 0;
    // One row per column of getColInfo's set: cFieldName, cCaption, cOrgCaption, bShow, iWidth,
    // iOrder, cSort, bMustInput, bFixed.
    virtual RecordSet getColSet(const QString &cKey, int iReturnMode = FullInfo) = 0;

    // The select list of the visible columns, in order; empty for XML that does not read.
    virtual QString GetSqlString(const QString &sXML) = 0;
    // The order-by list of the visible sorted columns, in column order; empty without any.
    virtual QString GetOrderString(const QString &sXML) = 0;

    // Stores the set for the Init user under the XML's ckey (or, without one, its root name).
    // False with the reason written into sXML; nothing stored then.
    virtual bool Save(QString &sXML) = 0;

    // Visible and fixed columns of the set getColInfo or getColSet returned last.
    virtual int iCols() = 0;
    virtual int GetFixedCols() = 0;
};

} // namespace suite
