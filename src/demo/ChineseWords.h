#pragma once

#include "demo/DemoRandom.h"

#include <QList>
#include <QString>

namespace demo {

// A line of business a company name can end with, and where it is classed.
struct Industry
{
    QString name; // 电子科技
    QString tradeClassCode; // an end class of TradeClass
    QString english; // Electronic Technology
};

// The words plausible Chinese company names, people and street addresses are made of.
namespace ChineseWords {

// Two-character trade names (字号) such as 华信, 宏达.
const QList<QString> &tradeNames();
const QList<Industry> &industries();
// 有限公司 most of the time, now and then 股份有限公司 or 有限责任公司.
QString companySuffix(DemoRandom &random);
// A surname and a one- or two-character given name.
QString personName(DemoRandom &random);
// A road and a house number, sometimes a building and a floor: 人民路128号科技大厦5楼.
QString streetAddress(DemoRandom &random);
// A city, county or district name without its kind: 苏州市 -> 苏州, 吴中区 -> 吴中.
QString shortPlaceName(const QString &name);
// The English ending of a company name: Co., Ltd. and its kin.
QString englishSuffix(DemoRandom &random);
// A remark a salesperson would leave on a customer.
QString memo(DemoRandom &random);

} // namespace ChineseWords

} // namespace demo
