#pragma once

#include <QString>

#include <optional>

namespace customer {

// The merge of two customers as the merge window and the command line run it, on the session's
// services: the checks of the input, the rights, the vendor question's look-up and the request
// to the data service. The first customer is folded into the second.
class CustomerUnite
{
public:
    enum class Input { Ready, Empty, Same };

    // Empty when either text is blank; Same when the texts are equal as typed.
    static Input checkInput(const QString &code1, const QString &code2);

    // "<Customer Operating ='Unite'><Code1>…</Code1><Code2>…</Code2></Customer>", the codes
    // with & < > escaped.
    static QString requestXml(const QString &code1, const QString &code2);

    // "select top 1 cVenCode,cRelCustomer from vendor where cRelCustomer='…'".
    static QString vendorLinkStatement(const QString &code1);

    // The vendor whose related customer is code1 (the first when several are); nothing when
    // none is. A null vendor code is an empty one.
    static std::optional<QString> linkedVendor(const QString &code1);

    // Whether the customer exists and the session's user may not change it: merging takes one
    // customer away and changes the other, so both must be within the user's rights to write.
    // A code that names no customer is left to the data service, which says so.
    static bool outsideRights(const QString &code);

    // Sends the request to the data service and writes the archive log in the same
    // transaction. False with the service's reason in sMsg.
    static bool run(const QString &code1, const QString &code2, QString &sMsg);
};

} // namespace customer
