#pragma once

#include <QStringView>

#include <span>

namespace customer {

// Fields that only exist while their module is started.
enum class FieldGroup { Always, Gsp, Export };

// The value a field's attribute text takes at its "%1" when the catalogue is built.
enum class FieldValue { None, TaxRateDigits, PriceGrades, RetailKinds };

// One field of the customer as the column-information XML describes it. The attribute text is
// what follows the caption (after its closing quote and two blanks) up to the closing "/>",
// kept verbatim because the windows that read it depend on its exact spacing.
struct CustomerField
{
    QStringView element;
    // Empty: the last part of the element name.
    QStringView captionKey;
    QStringView attributes;
    FieldGroup group = FieldGroup::Always;
    FieldValue value = FieldValue::None;
};

// The customer's own fields in the order the catalogue writes them.
std::span<const CustomerField> customerFields();

// The key under which aa_columndic holds the field's caption.
QStringView captionKeyOf(const CustomerField &field);

} // namespace customer
