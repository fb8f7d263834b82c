#include "suite/print/PrintStyle.h"

#include <QHash>
#include <QMarginsF>
#include <QSizeF>
#include <QStringList>

namespace suite {

namespace {

QString millimetres(qreal value)
{
    return QString::number(value, 'g', 6);
}

std::optional<QList<qreal>> numbers(const QString &text, QChar separator, int count)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != count)
        return std::nullopt;
    QList<qreal> values;
    for (const QString &part : parts) {
        bool ok = false;
        const qreal value = part.trimmed().toDouble(&ok);
        if (!ok || value < 0)
            return std::nullopt;
        values.append(value);
    }
    return values;
}

} // namespace

QPageLayout PrintStyle::defaultLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QString PrintStyle::keyText() const
{
    return QStringLiteral("key=%1;").arg(key);
}

QString PrintStyle::layoutText() const
{
    const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    return QStringLiteral("size=%1x%2;orientation=%3;margins=%4,%5,%6,%7")
        .arg(millimetres(size.width()), millimetres(size.height()),
             layout.orientation() == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                            : QStringLiteral("portrait"),
             millimetres(margins.left()), millimetres(margins.top()), millimetres(margins.right()),
             millimetres(margins.bottom()));
}

std::optional<PrintStyle> PrintStyle::fromText(const QString &text)
{
    QHash<QString, QString> parts;
    for (const QString &part : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals < 0)
            return std::nullopt;
        parts.insert(part.left(equals).trimmed().toLower(), part.mid(equals + 1).trimmed());
    }
    const auto size = numbers(parts.value(QStringLiteral("size")), u'x', 2);
    const auto margins = numbers(parts.value(QStringLiteral("margins")), u',', 4);
    const QString orientation = parts.value(QStringLiteral("orientation")).toLower();
    if (parts.value(QStringLiteral("key")).isEmpty() || !size || !margins || size->at(0) <= 0
        || size->at(1) <= 0 || (orientation != u"portrait" && orientation != u"landscape"))
        return std::nullopt;
    PrintStyle style;
    style.key = parts.value(QStringLiteral("key")).toLower();
    style.layout =
        QPageLayout(QPageSize(QSizeF(size->at(0), size->at(1)), QPageSize::Millimeter),
                    orientation == u"landscape" ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(margins->at(0), margins->at(1), margins->at(2), margins->at(3)),
                    QPageLayout::Millimeter);
    return style;
}

} // namespace suite
