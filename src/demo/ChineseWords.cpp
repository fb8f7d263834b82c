#include "demo/ChineseWords.h"

#include <QStringList>

namespace demo::ChineseWords {

namespace {

QList<QString> splitWords(const char16_t *text)
{
    return QString::fromUtf16(text).split(u' ', Qt::SkipEmptyParts);
}

QList<QString> characters(const char16_t *text)
{
    QList<QString> result;
    for (const QChar character : QString::fromUtf16(text))
        result.append(QString(character));
    return result;
}

} // namespace

const QList<QString> &tradeNames()
{
    // Every pairing of a first and a second character that does not repeat itself.
    static const QList<QString> names = [] {
        const QList<QString> first =
            characters(u"华宏金恒中天鑫瑞永博嘉新东长远联汇盛富泰安德同海精明星鼎卓启兴福顺润宇广"
                       u"振凯信佳和诚伟通达昌荣鸿正万");
        const QList<QString> second =
            characters(u"信达通源丰盛远和元成泰利创川康业瑞发昌宇华晟辉隆祥鑫诚峰森阳");
        QList<QString> result;
        for (const QString &a : first) {
            for (const QString &b : second) {
                if (a != b)
                    result.append(a + b);
            }
        }
        return result;
    }();
    return names;
}

const QList<Industry> &industries()
{
    static const QList<Industry> list{
        { QStringLiteral("电子"), QStringLiteral("0101"), QStringLiteral("Electronics") },
        { QStringLiteral("电子科技"), QStringLiteral("0101"),
          QStringLiteral("Electronic Technology") },
        { QStringLiteral("光电"), QStringLiteral("0101"), QStringLiteral("Optoelectronics") },
        { QStringLiteral("智能科技"), QStringLiteral("0101"),
          QStringLiteral("Intelligent Technology") },
        { QStringLiteral("机械"), QStringLiteral("0102"), QStringLiteral("Machinery") },
        { QStringLiteral("机电设备"), QStringLiteral("0102"),
          QStringLiteral("Electromechanical Equipment") },
        { QStringLiteral("精密机械"), QStringLiteral("0102"),
          QStringLiteral("Precision Machinery") },
        { QStringLiteral("自动化设备"), QStringLiteral("0102"),
          QStringLiteral("Automation Equipment") },
        { QStringLiteral("汽车配件"), QStringLiteral("0103"), QStringLiteral("Auto Parts") },
        { QStringLiteral("汽车零部件"), QStringLiteral("0103"),
          QStringLiteral("Automotive Components") },
        { QStringLiteral("化工"), QStringLiteral("0104"), QStringLiteral("Chemical") },
        { QStringLiteral("新材料"), QStringLiteral("0104"), QStringLiteral("New Materials") },
        { QStringLiteral("涂料"), QStringLiteral("0104"), QStringLiteral("Coatings") },
        { QStringLiteral("纺织"), QStringLiteral("0105"), QStringLiteral("Textile") },
        { QStringLiteral("服饰"), QStringLiteral("0105"), QStringLiteral("Apparel") },
        { QStringLiteral("制衣"), QStringLiteral("0105"), QStringLiteral("Garment") },
        { QStringLiteral("食品"), QStringLiteral("0106"), QStringLiteral("Food") },
        { QStringLiteral("饮料"), QStringLiteral("0106"), QStringLiteral("Beverage") },
        { QStringLiteral("粮油"), QStringLiteral("0106"), QStringLiteral("Grain and Oil") },
        { QStringLiteral("医药"), QStringLiteral("0107"), QStringLiteral("Pharmaceutical") },
        { QStringLiteral("生物科技"), QStringLiteral("0107"), QStringLiteral("Biotechnology") },
        { QStringLiteral("医疗器械"), QStringLiteral("0107"), QStringLiteral("Medical Devices") },
        { QStringLiteral("建材"), QStringLiteral("0108"), QStringLiteral("Building Materials") },
        { QStringLiteral("家具"), QStringLiteral("0108"), QStringLiteral("Furniture") },
        { QStringLiteral("装饰材料"), QStringLiteral("0108"),
          QStringLiteral("Decoration Materials") },
        { QStringLiteral("商贸"), QStringLiteral("0201"), QStringLiteral("Trading") },
        { QStringLiteral("贸易"), QStringLiteral("0201"), QStringLiteral("Trade") },
        { QStringLiteral("进出口"), QStringLiteral("0201"), QStringLiteral("Import and Export") },
        { QStringLiteral("供应链"), QStringLiteral("0201"), QStringLiteral("Supply Chain") },
        { QStringLiteral("百货"), QStringLiteral("0202"), QStringLiteral("Department Store") },
        { QStringLiteral("连锁超市"), QStringLiteral("0202"), QStringLiteral("Supermarket Chain") },
        { QStringLiteral("商业"), QStringLiteral("0202"), QStringLiteral("Commercial") },
        { QStringLiteral("软件"), QStringLiteral("0301"), QStringLiteral("Software") },
        { QStringLiteral("信息技术"), QStringLiteral("0301"),
          QStringLiteral("Information Technology") },
        { QStringLiteral("数据科技"), QStringLiteral("0301"), QStringLiteral("Data Technology") },
        { QStringLiteral("网络科技"), QStringLiteral("0302"),
          QStringLiteral("Network Technology") },
        { QStringLiteral("电子商务"), QStringLiteral("0302"), QStringLiteral("E-Commerce") },
        { QStringLiteral("建设工程"), QStringLiteral("04"),
          QStringLiteral("Construction Engineering") },
        { QStringLiteral("建筑工程"), QStringLiteral("04"),
          QStringLiteral("Building Engineering") },
        { QStringLiteral("市政工程"), QStringLiteral("04"),
          QStringLiteral("Municipal Engineering") },
        { QStringLiteral("物流"), QStringLiteral("05"), QStringLiteral("Logistics") },
        { QStringLiteral("运输"), QStringLiteral("05"), QStringLiteral("Transportation") },
        { QStringLiteral("仓储"), QStringLiteral("05"), QStringLiteral("Warehousing") },
        { QStringLiteral("能源"), QStringLiteral("06"), QStringLiteral("Energy") },
        { QStringLiteral("新能源"), QStringLiteral("06"), QStringLiteral("New Energy") },
        { QStringLiteral("燃气"), QStringLiteral("06"), QStringLiteral("Gas") },
        { QStringLiteral("农业科技"), QStringLiteral("07"),
          QStringLiteral("Agricultural Technology") },
        { QStringLiteral("生态农业"), QStringLiteral("07"),
          QStringLiteral("Ecological Agriculture") },
    };
    return list;
}

QString companySuffix(DemoRandom &random)
{
    const int roll = random.below(100);
    if (roll < 72)
        return QStringLiteral("有限公司");
    if (roll < 88)
        return QStringLiteral("股份有限公司");
    return QStringLiteral("有限责任公司");
}

QString personName(DemoRandom &random)
{
    static const QList<QString> surnames = characters(
        u"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶"
        u"程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛段雷侯龙史陶黎贺顾毛"
        u"郝龚邵万钱严覃武戴莫孔向汤");
    static const QList<QString> given = characters(
        u"伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚桂英华建国志红玉兵斌波宁晨阳欣怡子轩浩宇"
        u"梓涵雨萱思远佳琪嘉豪晓东海燕文博俊凯鹏飞雪梅晶鑫");
    QString name = random.pick(surnames) + random.pick(given);
    if (random.chance(0.7))
        name += random.pick(given);
    return name;
}

QString streetAddress(DemoRandom &random)
{
    static const QList<QString> roads = splitWords(
        u"人民路 解放路 中山路 建设路 长江路 新华路 和平路 胜利路 工业园路 科技园路 滨江大道 "
        u"世纪大道 迎宾大道 文化路 学府路 环城东路 环城西路 北京路 南京路 黄河路 珠江路 东风路 "
        u"光明路 幸福路 朝阳路 开发区大道 创业路 高新路 金融街 商业街 青年路 团结路 站前路 "
        u"兴业路 长安街 振兴路 富民路 太平路 龙华路 湖滨路");
    static const QList<QString> buildings = splitWords(
        u"科技大厦 国际大厦 商务中心 金融中心 创业园 产业园 写字楼 广场 工业园 孵化基地");
    QString address = random.pick(roads) + QString::number(random.between(1, 999)) + u'号';
    const int roll = random.below(10);
    if (roll < 3)
        address += random.pick(buildings) + QString::number(random.between(1, 28)) + u'楼';
    else if (roll < 5)
        address += QString::number(random.between(1, 12)) + QStringLiteral("栋")
            + QString::number(random.between(101, 1808)) + QStringLiteral("室");
    return address;
}

QString shortPlaceName(const QString &name)
{
    static const QStringList endings{ QStringLiteral("特别行政区"), QStringLiteral("自治区"),
                                      QStringLiteral("新区"),       QStringLiteral("地区"),
                                      QStringLiteral("省"),         QStringLiteral("市"),
                                      QStringLiteral("区"),         QStringLiteral("县"),
                                      QStringLiteral("旗"),         QStringLiteral("盟") };
    for (const QString &ending : endings) {
        if (name.size() > ending.size() + 1 && name.endsWith(ending))
            return name.chopped(ending.size());
    }
    return name;
}

QString englishSuffix(DemoRandom &random)
{
    return random.chance(0.8) ? QStringLiteral("Co., Ltd.") : QStringLiteral("Limited");
}

QString memo(DemoRandom &random)
{
    static const QList<QString> memos =
        splitWords(u"月底前对账 发货前电话确认 需提供质检报告 只收增值税专用发票 节假日不收货 "
                   u"大客户优先排产 账期内回款及时 送货需预约 要求木箱包装 年度框架协议客户");
    return random.pick(memos);
}

} // namespace demo::ChineseWords
