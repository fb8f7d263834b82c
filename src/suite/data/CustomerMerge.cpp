#include "suite/data/CustomerMerge.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/AtomicWrite.h"
#include "suite/data/CustomerCredit.h"
#include "suite/data/CustomerReferences.h"
#include "suite/data/DataBackend.h"

namespace suite {

namespace {

// The code as stored, whatever the case it was typed in; empty when there is no such customer.
QString storedCode(SqlConnection &connection, const QString &code, QString &sMsg)
{
    const RecordSet row = connection.queryStatement(
        QStringLiteral("select cCusCode from Customer where cCusCode = ?"), { code }, sMsg);
    return row.RecordCount() > 0 ? row.valueAt(0, 0).toString() : QString();
}

} // namespace

CustomerMerge::CustomerMerge(DataBackend &backend)
    : m_backend(backend)
{ }

bool CustomerMerge::unite(const QString &requestXml, QString &sMsg)
{
    QString from;
    QString to;
    if (!readCodes(requestXml, from, to, sMsg))
        return false;
    AtomicWrite write(m_backend.connection(), QStringLiteral("Customer"));
    return write.begin(sMsg) && checkCodes(from, to, sMsg) && merge(from, to, sMsg)
        && write.commit(sMsg);
}

bool CustomerMerge::readCodes(const QString &requestXml, QString &from, QString &to, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(requestXml)) {
        sMsg = QStringLiteral("The merge request cannot be read: %1").arg(document.parseError());
        return false;
    }
    const XmlElement root = document.documentElement();
    from = root.firstChildElement(QStringLiteral("Code1")).text().trimmed();
    to = root.firstChildElement(QStringLiteral("Code2")).text().trimmed();
    if (from.isEmpty() || to.isEmpty()) {
        sMsg = QStringLiteral("The merge request must name two customers (Code1 and Code2).");
        return false;
    }
    return true;
}

bool CustomerMerge::checkCodes(QString &from, QString &to, QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    for (QString *code : { &from, &to }) {
        QString error;
        const QString stored = storedCode(connection, *code, error);
        if (!error.isEmpty()) {
            sMsg = error;
            return false;
        }
        if (stored.isEmpty()) {
            sMsg = QStringLiteral("There is no customer with the code '%1' to merge.").arg(*code);
            return false;
        }
        *code = stored;
    }
    if (from == to) {
        sMsg = QStringLiteral("A customer cannot be merged into itself ('%1').").arg(from);
        return false;
    }
    return true;
}

bool CustomerMerge::merge(const QString &from, const QString &to, QString &sMsg)
{
    CustomerReferences references(m_backend);
    qint64 customers = 0;
    qint64 changed = 0;
    return references.move(from, to, sMsg) && references.removeOwnRows(from, sMsg)
        && m_backend.connection().executeStatement(
            QStringLiteral("delete from Customer where cCusCode = ?"), { from }, sMsg)
        && CustomerCredit(m_backend).recompute(to, customers, changed, sMsg);
}

} // namespace suite
