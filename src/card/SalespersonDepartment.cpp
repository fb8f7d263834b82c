#include "card/SalespersonDepartment.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

namespace customer {

SalespersonDepartment::SalespersonDepartment(suite::IClsCommon &service)
    : m_service(service)
{ }

QString SalespersonDepartment::statement(const QString &personCode)
{
    return QStringLiteral("select cDepCode from Person where cPersonCode='")
        + suite::sqlQuote(personCode) + u'\'';
}

QString SalespersonDepartment::GetPersonDept(const QString &personCode)
{
    const suite::RecordSet person = m_service.OpenX(statement(personCode));
    if (!person.IsOpen() || person.RecordCount() == 0)
        return QString();
    return person.Value(QStringLiteral("cDepCode")).toString();
}

} // namespace customer
