#pragma once

#include "suite/data/tsql/BatchRunner.h"

#include <QList>
#include <QString>

namespace suite {

struct NamedProcedure
{
    QString name;
    tsql::BatchRunner::Procedure procedure;
};

// The stored procedures of a company database that the component calls, written over the
// connection because an embedded database has none of its own:
// - TCPro_UpCustomerArBalance(customer code) brings the customer's receivable balance
//   (iARMoney) and last receipt (dLastDate, iLastMoney) up to date from Ar_Detail;
// - SA_UpdateCusCreditSum(credit company code, ...) writes the credit line, the receivables of
//   the customers it vouches for and what is left into SA_CusCreditSum, for each code given.
// Each reports the rows it wrote as its result.
QList<NamedProcedure> companyProcedures();

} // namespace suite
