#include "entry/ClsCustomer.h"

#include "catalogue/DataAuth.h"
#include "import/FrmCus_import.h"
#include "list/FrmCus.h"
#include "suite/core/ObjectFactory.h"

namespace customer {

namespace {

EntryProfile customerProfile()
{
    return { QStringLiteral("Customer"),
             QStringLiteral("Customer.FrmCus"),
             QStringLiteral("FrmCus_key"),
             QStringLiteral("customer"),
             [] { return static_cast<ArchiveListWindow *>(new FrmCus); },
             [] {
                 InitDataAuth();
             } };
}

EntryProfile importProfile()
{
    return { QStringLiteral("Customer_import"),
             QStringLiteral("Customer_import.FrmCus"),
             QStringLiteral("FrmCus_key"),
             QStringLiteral("Customer_import"),
             [] { return static_cast<ArchiveListWindow *>(new FrmCus_import); },
             [] {
                 InitDataAuthImport();
             } };
}

// The factory hands out suite objects; the entry reaches it through its host interface.
template<class Entry> suite::SuiteObjectPtr asSuiteObject(std::shared_ptr<Entry> entry)
{
    return std::static_pointer_cast<suite::SuiteObject>(
        std::static_pointer_cast<suite::IClsCommon>(std::move(entry)));
}

} // namespace

ClsCustomer::ClsCustomer()
    : ArchiveEntry(customerProfile())
{ }

std::shared_ptr<ClsCustomer> ClsCustomer::create()
{
    return std::shared_ptr<ClsCustomer>(new ClsCustomer);
}

ClsCustomer_import::ClsCustomer_import()
    : ArchiveEntry(importProfile())
{ }

std::shared_ptr<ClsCustomer_import> ClsCustomer_import::create()
{
    return std::shared_ptr<ClsCustomer_import>(new ClsCustomer_import);
}

void registerCustomerComponent()
{
    auto &factory = suite::ObjectFactory::instance();
    factory.registerClass(QString::fromLatin1(ClsCustomer::kProgId),
                          [] { return asSuiteObject(ClsCustomer::create()); });
    factory.registerClass(QString::fromLatin1(ClsCustomer_import::kProgId),
                          [] { return asSuiteObject(ClsCustomer_import::create()); });
}

} // namespace customer
