#pragma once

#include "suite/data/RecordSet.h"
#include "suite/ref/ReferenceCatalogue.h"
#include "suite/ref/ReferenceSettings.h"

#include <QString>

namespace suite {

class IClsCommon;

// One page of a reference's rows. The page numbers are what the data service read: a page
// asked for beyond the last comes back as the last.
struct ReferencePage
{
    static constexpr int kDefaultSize = 50;

    int size = kDefaultSize;
    int page = 1;
    int pageCount = 0;
    RecordSet rows;
};

// The rows a reference window offers: the reference's table narrowed by its reference-set
// filter (cRefFilterSql), by the filter and condition parameters its edit was handed, and by
// what the user searches for, in the reference's order. Statements are T-SQL for the data
// service; every value in them is a quoted literal.
class ReferenceQuery
{
public:
    enum class Match { Contains, StartsWith };

    explicit ReferenceQuery(ReferenceDefinition reference,
                            ReferenceSettings settings = ReferenceSettings());

    const ReferenceDefinition &reference() const { return m_reference; }
    const ReferenceSettings &settings() const { return m_settings; }

    // The filter may use #FN[column] and the @ parameters of conditionXml. False with sMsg,
    // and nothing changed, when the condition XML does not read.
    bool setConditions(const QString &conditionXml, const QString &filter, QString &sMsg);

    // Rows whose code or name holds (or starts with) the text, without regard to case; an
    // empty or blank text searches nothing.
    void setSearch(const QString &text, Match match = Match::Contains);
    QString search() const { return m_search; }

    bool statement(QString &sql, QString &sMsg) const;
    // The offered rows whose returned column equals value; two at most, as a second one is
    // all it takes to know the value is ambiguous.
    bool exactStatement(const QString &value, QString &sql, QString &sMsg) const;

    // page.size and page.page ask; the rest is written. False with sMsg when the statement
    // cannot be built or the data service refuses it.
    bool readPage(IClsCommon &service, ReferencePage &page, QString &sMsg) const;
    // The offered rows whose returned column equals value (up to two).
    bool readExact(IClsCommon &service, const QString &value, RecordSet &rows, QString &sMsg) const;

private:
    bool whereClause(QStringList &conditions, QString &sMsg) const;
    QString searchCondition() const;

    ReferenceDefinition m_reference;
    ReferenceSettings m_settings;
    ReferenceParameters m_parameters;
    QString m_filter;
    QString m_search;
    Match m_match = Match::Contains;
};

} // namespace suite
