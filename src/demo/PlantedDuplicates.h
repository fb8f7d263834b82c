#pragma once

#include "demo/CompanyNames.h"

#include <QVariantList>

namespace demo {

// Customers entered twice, as happens in every archive, so that the duplicate finder has
// something to find: a few customers of every hundred repeat the customer before them with
// its tax number, its phone, or its name in another company form (股份有限公司 for 有限公司)
// or with "（中国）" before the form. Branches and group heads are left alone, and so is a
// customer whose twin would have nothing to share (no tax number, a name without a form).
class PlantedDuplicates
{
public:
    enum class Kind { None, TaxNumber, Phone, CompanyForm, Brackets };

    // Which twin the customer of index (0-based) is meant to be.
    static Kind kindOf(int index);

    // Keeps what a twin of the customer just made may copy.
    void remember(const QVariantList &row, const CompanyName &name);

    // Makes the customer a twin of the one remembered; false (nothing changed) when it cannot.
    bool plant(Kind kind, QVariantList &row, CompanyName &name, CompanyNames &names);

private:
    QString m_taxNumber;
    QString m_phone;
    CompanyName m_name;
    bool m_remembered = false;
};

} // namespace demo
