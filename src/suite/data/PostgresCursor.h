#pragma once

#include "suite/data/PostgresColumns.h"
#include "suite/data/PostgresConnection.h"
#include "suite/data/SqlCursor.h"

#include <memory>
#include <vector>

namespace suite {

// The rows of one PostgreSQL statement, received one at a time (libpq's single-row mode), so
// that a reader of a million rows holds one of them. The statement runs on a connection of the
// cursor's own: single-row mode keeps a connection busy until the last row, and the company's
// connection must go on answering the windows meanwhile. That connection sees what is
// committed, not the temporary tables or the open transaction of the company's connection.
class PostgresCursor : public SqlCursor
{
public:
    // Null with the reason when the connection cannot be made or the statement fails at once.
    static std::unique_ptr<PostgresCursor> open(const PostgresConnection &company,
                                                const QString &sql, const QVariantList &params,
                                                const PostgresConnection::ShownField &shown,
                                                QString &sMsg);
    ~PostgresCursor() override;
    PostgresCursor(const PostgresCursor &) = delete;
    PostgresCursor &operator=(const PostgresCursor &) = delete;

    const QList<Field> &fields() const override { return m_fields; }
    bool next(QString &sMsg) override;
    CellStorage storage(int column) const override;
    qint64 integer(int column) const override;
    double real(int column) const override;
    QByteArrayView utf8(int column) const override;
    QVariant value(int column) const override;

private:
    PostgresCursor() = default;
    // Reads the next result of the statement into m_row; false with sMsg set on failure, and
    // false with sMsg empty after the last row.
    bool receive(QString &sMsg);
    void finish();

    PGconn *m_connection = nullptr;
    PGresult *m_row = nullptr;
    bool m_described = false;
    bool m_done = false;
    bool m_firstRowRead = false;
    QList<Field> m_fields;
    std::vector<postgres_columns::Reader> m_readers;
    PostgresConnection::ShownField m_shown;
};

} // namespace suite
