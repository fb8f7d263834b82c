#include "suite/login/DeleteLog.h"

namespace suite {

DeleteLog::DeleteLog(std::shared_ptr<ILogin> login)
    : m_login(std::move(login))
{ }

std::shared_ptr<ILogin> DeleteLog::Login() const
{
    return m_login;
}

RecordSet DeleteLog::GetRecordset(const QString &cName) const
{
    return m_recordsets.value(cName.toLower());
}

void DeleteLog::keepRecordset(const QString &name, const RecordSet &rows)
{
    m_recordsets.insert(name.toLower(), rows);
}

} // namespace suite
