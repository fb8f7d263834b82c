#pragma once

#include "card/CardFields.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace suite {
class IClsCommon;
} // namespace suite

namespace customer {

// The province, city and county fields of the card: each shows the short name of an area of
// HR_CT007 and keeps the area's code as its tag. A city belongs to its province, a county to
// its city.
class AreaFields
{
public:
    explicit AreaFields(suite::IClsCommon &service);

    static bool isAreaField(const QString &control);
    // The field whose area narrows the control's reference: the province for the city, the
    // city for the county; empty for the province.
    static QString parentOf(const QString &control);
    // The fields that lose their value when the control's area changes.
    static QStringList dependentsOf(const QString &control);

    static QString shortNameStatement(const QString &areaCode);
    // The area's short name; nothing when the area is unknown.
    std::optional<QString> shortName(const QString &areaCode);

    // After an area was chosen: the reference wrote the area's code as the text; the code
    // becomes the tag and the text the area's short name, when the area is known.
    void takeChosenArea(CardFields &card, const QString &control);

private:
    suite::IClsCommon &m_service;
};

} // namespace customer
