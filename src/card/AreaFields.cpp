#include "card/AreaFields.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

namespace customer {

namespace {

const QString kProvince = QStringLiteral("EdtcProvince");
const QString kCity = QStringLiteral("EdtcCity");
const QString kCounty = QStringLiteral("EdtcCounty");

} // namespace

AreaFields::AreaFields(suite::IClsCommon &service)
    : m_service(service)
{ }

bool AreaFields::isAreaField(const QString &control)
{
    return control == kProvince || control == kCity || control == kCounty;
}

QString AreaFields::parentOf(const QString &control)
{
    if (control == kCity)
        return kProvince;
    if (control == kCounty)
        return kCity;
    return QString();
}

QStringList AreaFields::dependentsOf(const QString &control)
{
    if (control == kProvince)
        return { kCity, kCounty };
    if (control == kCity)
        return { kCounty };
    return {};
}

QString AreaFields::shortNameStatement(const QString &areaCode)
{
    return QStringLiteral("select  top 1 vsimpleName from HR_CT007  where ccodeID ='")
        + suite::sqlQuote(areaCode) + u'\'';
}

std::optional<QString> AreaFields::shortName(const QString &areaCode)
{
    const suite::RecordSet area = m_service.OpenX(shortNameStatement(areaCode));
    if (!area.IsOpen() || area.RecordCount() == 0)
        return std::nullopt;
    return area.Value(QStringLiteral("vsimpleName")).toString();
}

void AreaFields::takeChosenArea(CardFields &card, const QString &control)
{
    const QString code = card.text(control);
    card.setTag(control, -1, code);
    if (const std::optional<QString> name = shortName(code))
        card.setText(control, -1, *name);
}

} // namespace customer
