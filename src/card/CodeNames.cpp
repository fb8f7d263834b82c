#include "card/CodeNames.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"

#include <QStringList>

namespace customer {

namespace {

struct CodeName
{
    const char *codeControl;
    int codeIndex;
    const char *nameControl;
    int nameIndex;
    const char *table;
    const char *codeColumn;
    const char *nameColumn;
};

constexpr CodeName kCodeNames[] = {
    { "Edt", 3, "Text1", 0, "CustomerClass", "cCCCode", "cCCName" },
    { "Edt", 4, "Text1", 1, "DistrictClass", "cDCCode", "cDCName" },
    { "Edt", 5, "Text1", 2, "Customer", "cCusCode", "cCusName" },
    { "EdtVenCode", -1, "EdtVenAbbName", -1, "Vendor", "cVenCode", "cVenAbbName" },
};

const CodeName *codeNameOf(const QString &control, int index)
{
    for (const CodeName &name : kCodeNames) {
        if (control.compare(QLatin1StringView(name.codeControl), Qt::CaseInsensitive) == 0
            && index == name.codeIndex)
            return &name;
    }
    return nullptr;
}

QString lookUp(const CodeName &name, const QString &code)
{
    return QStringLiteral("(select %1 from %2 where %3='%4') as %1")
        .arg(QLatin1StringView(name.nameColumn), QLatin1StringView(name.table),
             QLatin1StringView(name.codeColumn), suite::sqlQuote(code));
}

} // namespace

CodeNames::CodeNames(CardFields &fields)
    : m_fields(fields)
{ }

QString CodeNames::statement() const
{
    QStringList columns;
    for (const CodeName &name : kCodeNames) {
        const QString code =
            m_fields.text(QLatin1StringView(name.codeControl), name.codeIndex).trimmed();
        if (!code.isEmpty())
            columns.append(lookUp(name, code));
    }
    return columns.isEmpty() ? QString() : QStringLiteral("select ") + columns.join(u',');
}

void CodeNames::showStored(suite::IClsCommon &service)
{
    const QString sql = statement();
    const suite::RecordSet names = sql.isEmpty() ? suite::RecordSet() : service.OpenX(sql);
    const bool read = names.IsOpen() && names.RecordCount() > 0;
    for (const CodeName &name : kCodeNames) {
        const QString shown =
            read ? names.Value(QLatin1StringView(name.nameColumn)).toString() : QString();
        m_fields.setText(QLatin1StringView(name.nameControl), name.nameIndex, shown);
    }
}

void CodeNames::showChosen(suite::IClsCommon &service, const QString &control, int index,
                           const suite::RecordSet *row)
{
    const CodeName *name = codeNameOf(control, index);
    if (!name)
        return;
    const QString column = QLatin1StringView(name->nameColumn);
    QString shown = row ? row->Value(column).toString() : QString();
    const QString code = m_fields.text(control, index).trimmed();
    if (shown.isEmpty() && !code.isEmpty()) {
        const suite::RecordSet read =
            service.OpenX(QStringLiteral("select ") + lookUp(*name, code));
        if (read.IsOpen() && read.RecordCount() > 0)
            shown = read.Value(column).toString();
    }
    m_fields.setText(QLatin1StringView(name->nameControl), name->nameIndex, shown);
}

std::pair<QString, int> CodeNames::nameFieldOf(const QString &control, int index)
{
    const CodeName *name = codeNameOf(control, index);
    return name ? std::pair{ QString::fromLatin1(name->nameControl), name->nameIndex }
                : std::pair{ QString(), -1 };
}

} // namespace customer
