#include "app/CustomerCodeCheck.h"

#include "suite/data/ConnectionText.h"
#include "suite/data/DataBackend.h"
#include "suite/data/RecordSet.h"

namespace host {

std::optional<bool> customerExists(const QString &connectionText, const QString &code,
                                   QString &sMsg)
{
    const std::optional<suite::ConnectionText> text =
        suite::ConnectionText::parse(connectionText, sMsg);
    const std::unique_ptr<suite::DataBackend> company =
        text ? suite::openBackend(*text, sMsg) : nullptr;
    if (!company)
        return std::nullopt;
    // The column's own collation compares codes without regard to case.
    const suite::RecordSet found = company->connection().queryStatement(
        QStringLiteral("select count(*) from Customer where cCusCode = ?"), { code }, sMsg);
    if (!found.IsOpen() || found.RecordCount() != 1)
        return std::nullopt;
    return found.valueAt(0, 0).toInt() > 0;
}

} // namespace host
