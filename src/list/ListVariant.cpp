#include "list/ListVariant.h"

#include "suite/controls/CustomerListButtons.h"

namespace customer {

bool ListVariant::isCustomerList() const
{
    return mainTable == u"Customer";
}

bool ListVariant::offers(const QString &command) const
{
    return !absentCommands.contains(command, Qt::CaseInsensitive);
}

const ListVariant &customerListVariant()
{
    static const ListVariant variant{
        QStringLiteral("Customer"),
        QStringLiteral("cCusCode"),
        QStringLiteral("customer"),
        QStringLiteral("Tarn.AA.ARCHIVE.customerarch"),
        suite::customerListButtons(),
        { QStringLiteral("Sync"), QStringLiteral("SetCusClass"), QStringLiteral("Download") },
        true,
    };
    return variant;
}

const ListVariant &importListVariant()
{
    static const ListVariant variant{
        QStringLiteral("Customer_import"),
        QStringLiteral("AutoID"),
        QStringLiteral("Customer_import"),
        QStringLiteral("Tarn.AA.ARCHIVE.importlist"),
        suite::importListButtons(),
        { QStringLiteral("Add"), QStringLiteral("Modify"), QStringLiteral("Delete"),
          QStringLiteral("Unite"), QStringLiteral("Duplicates"), QStringLiteral("Credit"),
          QStringLiteral("Cus_district"), QStringLiteral("Import"), QStringLiteral("Cus_Trade"),
          QStringLiteral("OptionSet") },
        false,
    };
    return variant;
}

} // namespace customer
