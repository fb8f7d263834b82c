// The reference members of the public service for cards: user-defined values that follow the
// record a reference field names.
#include "suite/pub/ClsPub.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"

#include <QDateTime>
#include <QLineEdit>

namespace suite {

namespace {

// Where an item's value came from, and the value it took: an item the user changed since no
// longer follows the archive.
const QString kSourceTable = QStringLiteral("cRefTable");
const QString kSourceValue = QStringLiteral("cRefValue");

QString itemValue(const QVariant &value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime moment = value.toDateTime();
        return moment.time() == QTime(0, 0)
            ? moment.date().toString(Qt::ISODate)
            : moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return value.toString();
}

void takeFromRow(XmlElement &item, const QString &cTable, const RecordSet &row)
{
    const int field = row.FieldIndex(item.name());
    if (field < 0)
        return;
    const QString value = itemValue(row.Value(field));
    item.setText(value);
    item.setAttribute(kSourceTable, cTable);
    item.setAttribute(kSourceValue, value);
}

void forgetSource(XmlElement &item, const QString &cTable)
{
    if (item.attribute(kSourceTable).compare(cTable, Qt::CaseInsensitive) != 0)
        return;
    if (item.text() == item.attribute(kSourceValue))
        item.setText(QString());
    item.removeAttribute(kSourceTable);
    item.removeAttribute(kSourceValue);
}

} // namespace

void ClsPub::SetUserDefValNew(QWidget *, XmlElement &oUserDefXml, const QString &cTable,
                              RecordSet *row)
{
    if (cTable.isEmpty() || oUserDefXml.isNull())
        return;
    const bool chosen = row && row->IsOpen() && !row->Eof() && !row->Bof();
    for (XmlElement &item : oUserDefXml.childElements()) {
        if (chosen)
            takeFromRow(item, cTable, *row);
        else
            forgetSource(item, cTable);
    }
}

void ClsPub::SetRefEdt(QWidget *, QLineEdit *edit)
{
    if (edit)
        edit->setToolTip(edit->text());
}

} // namespace suite
