#include "suite/data/PostgresCursor.h"

namespace suite {

std::unique_ptr<PostgresCursor> PostgresCursor::open(const PostgresConnection &company,
                                                     const QString &sql, const QVariantList &params,
                                                     const PostgresConnection::ShownField &shown,
                                                     QString &sMsg)
{
    std::unique_ptr<PostgresCursor> cursor(new PostgresCursor);
    cursor->m_shown = shown;
    cursor->m_connection = PQconnectdb(company.connectionString().toUtf8().constData());
    ignoreNotices(cursor->m_connection);
    if (PQstatus(cursor->m_connection) != CONNECTION_OK) {
        sMsg = QStringLiteral("Cannot connect to the PostgreSQL server: %1")
                   .arg(QString::fromUtf8(PQerrorMessage(cursor->m_connection)).trimmed());
        return nullptr;
    }
    for (const QString &statement : company.sessionSetup()) {
        PGresult *result = PQexec(cursor->m_connection, statement.toUtf8().constData());
        const bool ok =
            PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
        PQclear(result);
        if (!ok) {
            sMsg = QString::fromUtf8(PQerrorMessage(cursor->m_connection)).trimmed();
            return nullptr;
        }
    }
    std::vector<QByteArray> values;
    std::vector<const char *> pointers;
    std::vector<int> lengths;
    std::vector<int> formats;
    for (const QVariant &param : params) {
        bool isNull = false;
        bool binary = false;
        values.push_back(postgres_columns::parameterText(param, isNull, binary));
        pointers.push_back(isNull ? nullptr : values.back().constData());
        lengths.push_back(int(values.back().size()));
        formats.push_back(binary ? 1 : 0);
    }
    // values may move while growing: the pointers are taken again once all are in place.
    for (size_t i = 0; i < values.size(); ++i) {
        if (pointers[i])
            pointers[i] = values[i].constData();
    }
    if (!PQsendQueryParams(cursor->m_connection, sql.toUtf8().constData(), int(values.size()),
                           nullptr, pointers.data(), lengths.data(), formats.data(), 0)
        || !PQsetSingleRowMode(cursor->m_connection)) {
        sMsg = QString::fromUtf8(PQerrorMessage(cursor->m_connection)).trimmed();
        return nullptr;
    }
    // The first result describes the columns, or says why the statement failed.
    QString failure;
    if (!cursor->receive(failure) && !failure.isEmpty()) {
        sMsg = failure;
        return nullptr;
    }
    return cursor;
}

PostgresCursor::~PostgresCursor()
{
    finish();
}

void PostgresCursor::finish()
{
    if (m_row)
        PQclear(m_row);
    m_row = nullptr;
    if (m_connection)
        PQfinish(m_connection);
    m_connection = nullptr;
    m_done = true;
}

bool PostgresCursor::receive(QString &sMsg)
{
    if (m_row)
        PQclear(m_row);
    m_row = PQgetResult(m_connection);
    const ExecStatusType status = PQresultStatus(m_row);
    if (!m_described && m_row) {
        m_fields = PostgresConnection::fieldsOf(m_row, m_shown);
        for (const Field &field : std::as_const(m_fields))
            m_readers.push_back(cellReaderOf(field.type));
        m_described = status == PGRES_SINGLE_TUPLE || status == PGRES_TUPLES_OK;
    }
    if (status == PGRES_SINGLE_TUPLE)
        return true;
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        sMsg = QString::fromUtf8(PQerrorMessage(m_connection)).trimmed();
    // The last result (or the failure) is followed by a null one; the connection is done.
    finish();
    return false;
}

bool PostgresCursor::next(QString &sMsg)
{
    if (m_done)
        return false;
    // The row that described the columns is the first one; it is read now.
    if (m_row && PQresultStatus(m_row) == PGRES_SINGLE_TUPLE && !m_firstRowRead) {
        m_firstRowRead = true;
        return true;
    }
    return receive(sMsg);
}

CellStorage PostgresCursor::storage(int column) const
{
    if (!m_row || PQgetisnull(m_row, 0, column))
        return CellStorage::Null;
    switch (typeFamily(m_fields.at(column).type)) {
    case TypeFamily::Integer:
    case TypeFamily::Boolean:
        return CellStorage::Integer;
    case TypeFamily::Real:
        return CellStorage::Real;
    case TypeFamily::Binary:
        return CellStorage::Blob;
    default:
        return CellStorage::Text;
    }
}

qint64 PostgresCursor::integer(int column) const
{
    const QByteArrayView text = utf8(column);
    if (m_readers[size_t(column)] == postgres_columns::Reader::Boolean)
        return postgres_columns::isSet(text) ? 1 : 0;
    return text.toLongLong();
}

double PostgresCursor::real(int column) const
{
    return utf8(column).toDouble();
}

QByteArrayView PostgresCursor::utf8(int column) const
{
    if (!m_row)
        return QByteArrayView();
    return QByteArrayView(PQgetvalue(m_row, 0, column), PQgetlength(m_row, 0, column));
}

QVariant PostgresCursor::value(int column) const
{
    if (!m_row)
        return QVariant();
    return postgres_columns::value(utf8(column), PQgetisnull(m_row, 0, column) != 0,
                                   m_readers[size_t(column)]);
}

} // namespace suite
