#include "suite/ref/ReferenceFilter.h"

#include "suite/core/SqlQuote.h"
#include "suite/ref/ReferenceCatalogue.h"

#include <QRegularExpression>

namespace suite {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The literal starting at from, up to and including its closing quote ('' stays inside).
qsizetype literalEnd(const QString &text, qsizetype from)
{
    qsizetype at = from + 1;
    while (at < text.size()) {
        if (text.at(at) != u'\'')
            ++at;
        else if (at + 1 < text.size() && text.at(at + 1) == u'\'')
            at += 2;
        else
            return at + 1;
    }
    return at;
}

class FilterExpander
{
public:
    FilterExpander(const QString &filter, const ReferenceDefinition &reference,
                   const ReferenceParameters &parameters)
        : m_filter(filter)
        , m_reference(reference)
        , m_parameters(parameters)
    { }

    bool run(QString &condition, QString &sMsg)
    {
        static const QString columnMarker = QStringLiteral("#FN[");
        while (m_at < m_filter.size()) {
            const QChar c = m_filter.at(m_at);
            bool ok = true;
            if (c == u'\'')
                copyLiteral();
            else if (m_filter.mid(m_at, columnMarker.size())
                         .compare(columnMarker, Qt::CaseInsensitive)
                     == 0)
                ok = expandColumn(columnMarker.size(), sMsg);
            else if (c == u'@')
                ok = expandParameter(sMsg);
            else
                m_out.append(m_filter.at(m_at++));
            if (!ok)
                return false;
        }
        condition = m_out;
        return true;
    }

private:
    void copyLiteral()
    {
        const qsizetype end = literalEnd(m_filter, m_at);
        m_out.append(QStringView(m_filter).mid(m_at, end - m_at));
        m_at = end;
    }

    bool expandColumn(qsizetype markerSize, QString &sMsg)
    {
        static const QRegularExpression plainName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
        const qsizetype close = m_filter.indexOf(u']', m_at);
        const QString column =
            close < 0 ? QString() : m_filter.mid(m_at + markerSize, close - m_at - markerSize);
        if (!plainName.match(column.trimmed()).hasMatch()) {
            sMsg = QStringLiteral("The reference filter names no plain column at \"%1\".")
                       .arg(m_filter.mid(m_at));
            return false;
        }
        m_out.append(m_reference.qualified(column.trimmed()));
        m_at = close + 1;
        return true;
    }

    bool expandParameter(QString &sMsg)
    {
        qsizetype end = m_at + 1;
        while (end < m_filter.size() && isNameChar(m_filter.at(end)))
            ++end;
        const QString name = m_filter.mid(m_at, end - m_at);
        for (const auto &[parameter, value] : m_parameters) {
            if (parameter.compare(name, Qt::CaseInsensitive) == 0) {
                m_out.append(sqlUnicode(value));
                m_at = end;
                return true;
            }
        }
        sMsg = QStringLiteral("The reference filter uses %1, which its conditions do not give.")
                   .arg(name);
        return false;
    }

    const QString &m_filter;
    const ReferenceDefinition &m_reference;
    const ReferenceParameters &m_parameters;
    qsizetype m_at = 0;
    QString m_out;
};

} // namespace

bool expandReferenceFilter(const QString &filter, const ReferenceDefinition &reference,
                           const ReferenceParameters &parameters, QString &condition, QString &sMsg)
{
    return FilterExpander(filter, reference, parameters).run(condition, sMsg);
}

} // namespace suite
