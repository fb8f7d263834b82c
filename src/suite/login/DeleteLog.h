#pragma once

#include "suite/login/IDeleteLog.h"

#include <QHash>

namespace suite {

// One deleted record as the log keeps it: the rows of each table it had, by table name.
class DeleteLog : public IDeleteLog
{
public:
    explicit DeleteLog(std::shared_ptr<ILogin> login);

    std::shared_ptr<ILogin> Login() const override;
    RecordSet GetRecordset(const QString &cName) const override;

    // Keeps rows as the record's rows of table name, replacing what was kept for it.
    void keepRecordset(const QString &name, const RecordSet &rows);

private:
    std::shared_ptr<ILogin> m_login;
    QHash<QString, RecordSet> m_recordsets;
};

} // namespace suite
