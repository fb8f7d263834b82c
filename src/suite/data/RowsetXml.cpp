#include "suite/data/RowsetXml.h"

#include "suite/core/XmlDocument.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QUuid>

#include <algorithm>
#include <charconv>
#include <iterator>

namespace suite::RowsetXml {

namespace {

const QString kSchemaNamespace = QStringLiteral("uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882");
const QString kDataTypeNamespace = QStringLiteral("uuid:C2F41010-65B3-11d1-A29F-00AA00C14882");
const QString kRowsetNamespace = QStringLiteral("urn:schemas-microsoft-com:rowset");
const QString kRowNamespace = QStringLiteral("#RowsetSchema");

// How each ADO type is declared in the schema. Where several types share a dt:type, the one
// listed first is chosen when a schema says no more than that.
struct XmlType
{
    int type;
    const char *dtType;
    const char *dbType;
    int fixedSize; // 0: the field's defined size
    bool fixedLength;
    bool isLong;
};

constexpr XmlType kXmlTypes[] = {
    { adVarWChar, "string", nullptr, 0, false, false },
    { adWChar, "string", nullptr, 0, true, false },
    { adLongVarWChar, "string", nullptr, 0, false, true },
    { adVarChar, "string", "str", 0, false, false },
    { adChar, "string", "str", 0, true, false },
    { adLongVarChar, "string", "str", 0, false, true },
    { adInteger, "int", nullptr, 4, true, false },
    { adSmallInt, "i2", nullptr, 2, true, false },
    { adTinyInt, "i1", nullptr, 1, true, false },
    { adUnsignedTinyInt, "ui1", nullptr, 1, true, false },
    { adBigInt, "i8", nullptr, 8, true, false },
    { adCurrency, "i8", "currency", 8, true, false },
    { adSingle, "r4", nullptr, 4, true, false },
    { adDouble, "float", nullptr, 8, true, false },
    { adNumeric, "number", "numeric", 19, true, false },
    { adDecimal, "number", "decimal", 19, true, false },
    { adBoolean, "boolean", nullptr, 2, true, false },
    { adDBTimeStamp, "dateTime", "timestamp", 16, true, false },
    { adDate, "dateTime", "variantdate", 16, true, false },
    { adGUID, "uuid", nullptr, 16, true, false },
    { adBinary, "bin.hex", nullptr, 0, true, false },
    { adVarBinary, "bin.hex", nullptr, 0, false, false },
    { adLongVarBinary, "bin.hex", nullptr, 0, false, true },
};

const XmlType &xmlTypeOf(int type)
{
    for (const XmlType &xmlType : kXmlTypes) {
        if (xmlType.type == type)
            return xmlType;
    }
    return kXmlTypes[0];
}

bool isXmlName(const QString &name)
{
    if (name.isEmpty() || !(name.at(0).isLetter() || name.at(0) == u'_'))
        return false;
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.';
    });
}

// The attribute name of each field in z:row; a name XML cannot carry, or a second field of
// the same name, is written as c<n> with the real name in rs:name.
QStringList attributeNames(const QList<Field> &fields)
{
    QStringList names;
    QSet<QString> used;
    for (const Field &field : fields) {
        QString name = field.name;
        for (int n = int(names.size()); !isXmlName(name) || used.contains(name); ++n)
            name = QStringLiteral("c%1").arg(n);
        used.insert(name);
        names.append(name);
    }
    return names;
}

void appendAttribute(QString &out, QLatin1StringView name, const QString &value)
{
    out += u' ';
    out += name;
    out += QLatin1StringView("='");
    out += value;
    out += u'\'';
}

void appendEscaped(QString &out, QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c > u'>')
            continue;
        const char *entity = nullptr;
        switch (c) {
        case u'&':
            entity = "&amp;";
            break;
        case u'<':
            entity = "&lt;";
            break;
        case u'>':
            entity = "&gt;";
            break;
        case u'\'':
            entity = "&apos;";
            break;
        case u'"':
            entity = "&quot;";
            break;
        default:
            if (c >= 0x20)
                continue;
        }
        out += text.mid(start, i - start);
        start = i + 1;
        // Line breaks and tabs as references, or the parser would turn them into blanks.
        if (entity) {
            out += QLatin1StringView(entity);
        } else {
            out += QLatin1StringView("&#x");
            out += QString::number(c, 16).toUpper();
            out += u';';
        }
    }
    out += text.mid(start);
}

template<typename T> void appendNumber(QString &out, T number)
{
    char buffer[40];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), number);
    out += QLatin1StringView(buffer, result.ptr);
}

void appendDigits(QString &out, int value, int width)
{
    char16_t digits[4];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = char16_t(u'0' + value % 10);
    out.append(reinterpret_cast<const QChar *>(digits), width);
}

void appendDateTime(QString &out, const QDateTime &dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    if (date.year() < 0 || date.year() > 9999) {
        out += dateTime.toString(Qt::ISODateWithMs);
        return;
    }
    appendDigits(out, date.year(), 4);
    out += u'-';
    appendDigits(out, date.month(), 2);
    out += u'-';
    appendDigits(out, date.day(), 2);
    out += u'T';
    appendDigits(out, time.hour(), 2);
    out += u':';
    appendDigits(out, time.minute(), 2);
    out += u':';
    appendDigits(out, time.second(), 2);
    if (time.msec() != 0) {
        out += u'.';
        appendDigits(out, time.msec(), 3);
    }
}

void appendValue(QString &out, const QVariant &value, const Field &field)
{
    const TypeFamily family = typeFamily(field.type);
    switch (value.typeId()) {
    case QMetaType::QString:
        appendEscaped(out, *static_cast<const QString *>(value.constData()));
        return;
    case QMetaType::Bool:
        out += value.toBool() ? QLatin1StringView("True") : QLatin1StringView("False");
        return;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UInt:
        if (family == TypeFamily::Boolean)
            out += value.toLongLong() != 0 ? QLatin1StringView("True") : QLatin1StringView("False");
        else
            appendNumber(out, value.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        if (field.type == adSingle)
            appendNumber(out, value.toFloat());
        else
            appendNumber(out, value.toDouble());
        return;
    case QMetaType::QDateTime:
        appendDateTime(out, *static_cast<const QDateTime *>(value.constData()));
        return;
    case QMetaType::QDate:
        appendDateTime(out, static_cast<const QDate *>(value.constData())->startOfDay());
        return;
    case QMetaType::QByteArray:
        out += QLatin1StringView(static_cast<const QByteArray *>(value.constData())->toHex());
        return;
    case QMetaType::QUuid:
        out += value.toUuid().toString(QUuid::WithBraces).toUpper();
        return;
    default:
        appendEscaped(out, value.toString());
    }
}

void appendSchema(QString &out, const QList<Field> &fields, const QStringList &names)
{
    out += QLatin1StringView("<s:Schema id='RowsetSchema'>\n"
                             "\t<s:ElementType name='row' content='eltOnly'>\n");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const Field &field = fields.at(i);
        const XmlType &xmlType = xmlTypeOf(field.type);
        out += QLatin1StringView("\t\t<s:AttributeType");
        appendAttribute(out, QLatin1StringView("name"), names.at(i));
        if (names.at(i) != field.name) {
            out += QLatin1StringView(" rs:name='");
            appendEscaped(out, field.name);
            out += u'\'';
        }
        appendAttribute(out, QLatin1StringView("rs:number"), QString::number(i + 1));
        out += QLatin1StringView(">\n\t\t\t<s:datatype");
        appendAttribute(out, QLatin1StringView("dt:type"), QLatin1String(xmlType.dtType));
        if (xmlType.dbType)
            appendAttribute(out, QLatin1StringView("rs:dbtype"), QLatin1String(xmlType.dbType));
        appendAttribute(out, QLatin1StringView("dt:maxLength"),
                        QString::number(xmlType.fixedSize ? xmlType.fixedSize : field.definedSize));
        if (xmlType.isLong)
            out += QLatin1StringView(" rs:long='true'");
        if (xmlType.fixedLength)
            out += QLatin1StringView(" rs:fixedlength='true'");
        out += QLatin1StringView("/>\n\t\t</s:AttributeType>\n");
    }
    out += QLatin1StringView("\t\t<s:extends type='rs:rowbase'/>\n"
                             "\t</s:ElementType>\n"
                             "</s:Schema>\n");
}

void appendRows(QString &out, const RecordSet &rs, const QStringList &names)
{
    const QList<Field> fields = rs.Fields();
    QStringList prefixes;
    for (const QString &name : names)
        prefixes.append(QLatin1Char(' ') + name + QLatin1StringView("='"));
    const int rowCount = rs.RecordCount();
    constexpr int kSampleRows = 64;
    const qsizetype rowsStart = out.size();
    out += QLatin1StringView("<rs:data>\n");
    for (int row = 0; row < rowCount; ++row) {
        // The first rows tell how much the rest will need, so the text grows only once.
        if (row == kSampleRows)
            out.reserve(out.size()
                        + (out.size() - rowsStart) / kSampleRows * (rowCount - row) * 11 / 10);
        out += QLatin1StringView("\t<z:row");
        for (int field = 0; field < fields.size(); ++field) {
            const QVariant &value = rs.valueAt(row, field);
            if (value.isNull())
                continue;
            out += prefixes.at(field);
            appendValue(out, value, fields.at(field));
            out += u'\'';
        }
        out += QLatin1StringView("/>\n");
    }
    out += QLatin1StringView("</rs:data>\n");
}

} // namespace

QString save(const RecordSet &rs)
{
    if (!rs.IsOpen())
        return QString();
    const QList<Field> fields = rs.Fields();
    const QStringList names = attributeNames(fields);
    QString out;
    out.reserve(1024 + fields.size() * 160);
    out += QLatin1StringView("<xml xmlns:s='");
    out += kSchemaNamespace;
    out += QLatin1StringView("' xmlns:dt='");
    out += kDataTypeNamespace;
    out += QLatin1StringView("' xmlns:rs='");
    out += kRowsetNamespace;
    out += QLatin1StringView("' xmlns:z='");
    out += kRowNamespace;
    out += QLatin1StringView("'>\n");
    appendSchema(out, fields, names);
    appendRows(out, rs, names);
    out += QLatin1StringView("</xml>\n");
    return out;
}

namespace {

QString qualified(const QString &prefix, const char *localName)
{
    return prefix + u':' + QLatin1StringView(localName);
}

// The prefixes the document binds to the rowset namespaces; ADO's own ones when it binds none.
struct Prefixes
{
    QString schema = QStringLiteral("s");
    QString dataType = QStringLiteral("dt");
    QString rowset = QStringLiteral("rs");
    QString row = QStringLiteral("z");

    explicit Prefixes(const XmlElement &root)
    {
        const QHash<QString, QString *> byNamespace = { { kSchemaNamespace, &schema },
                                                        { kDataTypeNamespace, &dataType },
                                                        { kRowsetNamespace, &rowset },
                                                        { kRowNamespace, &row } };
        for (const auto &[name, value] : root.attributes()) {
            if (name.startsWith(u"xmlns:") && byNamespace.contains(value))
                *byNamespace.value(value) = name.mid(6);
        }
    }
};

int typeFromSchema(const XmlElement &dataType, const Prefixes &p)
{
    QString dtType = dataType.attribute(qualified(p.dataType, "type"), QStringLiteral("string"));
    if (dtType == u"r8")
        dtType = QStringLiteral("float");
    else if (dtType == u"i4")
        dtType = QStringLiteral("int");
    const QString dbType = dataType.attribute(qualified(p.rowset, "dbtype"));
    const bool fixedLength = dataType.attribute(qualified(p.rowset, "fixedlength")) == u"true";
    const bool isLong = dataType.attribute(qualified(p.rowset, "long")) == u"true";
    int bestType = adVarWChar;
    int bestScore = -1;
    for (const XmlType &xmlType : kXmlTypes) {
        if (dtType != QLatin1String(xmlType.dtType))
            continue;
        const int score = (dbType == QLatin1String(xmlType.dbType) ? 4 : 0)
            + (fixedLength == xmlType.fixedLength ? 2 : 0) + (isLong == xmlType.isLong ? 1 : 0);
        if (score > bestScore) {
            bestScore = score;
            bestType = xmlType.type;
        }
    }
    return bestType;
}

struct Schema
{
    QList<Field> fields;
    QHash<QString, int> columnOfAttribute;
};

Field fieldOf(const XmlElement &attributeType, const QString &name, const Prefixes &p)
{
    const XmlElement dataType = attributeType.firstChildElement(qualified(p.schema, "datatype"));
    // Some writers put the type on the attribute type itself.
    const XmlElement &typeSource = dataType.isNull() ? attributeType : dataType;
    Field field;
    field.name = attributeType.attribute(qualified(p.rowset, "name"), name);
    field.type = typeFromSchema(typeSource, p);
    field.definedSize = typeSource.attribute(qualified(p.dataType, "maxLength")).toInt();
    return field;
}

bool readSchema(const XmlElement &root, const Prefixes &p, Schema &schema, QString &sMsg)
{
    const XmlElement elementType = root.firstChildElement(qualified(p.schema, "Schema"))
                                       .firstChildElement(qualified(p.schema, "ElementType"));
    if (elementType.isNull()) {
        sMsg = QStringLiteral("The XML is not a saved record set: it has no %1:Schema with an "
                              "%1:ElementType.")
                   .arg(p.schema);
        return false;
    }
    QMap<int, std::pair<QString, Field>> byNumber;
    for (const XmlElement &attributeType : elementType.childElements()) {
        if (attributeType.name() != qualified(p.schema, "AttributeType"))
            continue;
        const QString name = attributeType.attribute(QStringLiteral("name"));
        const QString position = QString::number(byNumber.size() + 1);
        const int number = attributeType.attribute(qualified(p.rowset, "number"), position).toInt();
        if (name.isEmpty() || byNumber.contains(number)) {
            sMsg = QStringLiteral("The record set schema has a field without a name or two fields "
                                  "with the number %1.")
                       .arg(number);
            return false;
        }
        byNumber.insert(number, { name, fieldOf(attributeType, name, p) });
    }
    for (const auto &[attributeName, field] : byNumber) {
        schema.columnOfAttribute.insert(attributeName, int(schema.fields.size()));
        schema.fields.append(field);
    }
    return true;
}

bool isHex(const QString &text)
{
    return text.size() % 2 == 0 && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
               return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
           });
}

bool parseValue(const QString &text, int type, QVariant &value)
{
    bool ok = true;
    switch (typeFamily(type)) {
    case TypeFamily::Integer: {
        const qlonglong number = text.toLongLong(&ok);
        value = type == adBigInt ? QVariant(number) : QVariant(int(number));
        return ok && (type == adBigInt || number == int(number));
    }
    case TypeFamily::Real:
        value = text.toDouble(&ok);
        return ok;
    case TypeFamily::Boolean:
        ok = text.compare(u"true", Qt::CaseInsensitive) == 0 || text == u"1" || text == u"-1";
        value = ok;
        return ok || text.compare(u"false", Qt::CaseInsensitive) == 0 || text == u"0";
    case TypeFamily::DateTime:
        value = dateTimeFromText(text);
        return value.toDateTime().isValid();
    case TypeFamily::Binary:
        value = QByteArray::fromHex(text.toLatin1());
        return isHex(text);
    default:
        value = text;
        return true;
    }
}

bool readRow(const XmlElement &row, const Schema &schema, int rowNumber,
             std::vector<QVariant> &cells, QString &sMsg)
{
    const size_t start = cells.size();
    cells.resize(start + schema.fields.size());
    for (const auto &[name, text] : row.attributes()) {
        const int column = schema.columnOfAttribute.value(name, -1);
        if (column < 0) {
            sMsg = QStringLiteral("Row %1 of the record set has the attribute '%2', which the "
                                  "schema does not declare.")
                       .arg(rowNumber)
                       .arg(name);
            return false;
        }
        const Field &field = schema.fields.at(column);
        if (!parseValue(text, field.type, cells[start + column])) {
            sMsg = QStringLiteral("Row %1 of the record set: '%2' is no valid value for the field "
                                  "'%3'.")
                       .arg(rowNumber)
                       .arg(text, field.name);
            return false;
        }
    }
    return true;
}

bool readRows(const XmlElement &root, const Prefixes &p, const Schema &schema,
              std::vector<QVariant> &cells, QString &sMsg)
{
    const QString rowName = qualified(p.row, "row");
    const QString insertName = qualified(p.rowset, "insert");
    int rowNumber = 0;
    // Rows added but not yet sent by the writer are kept under rs:insert.
    for (const XmlElement &element :
         root.firstChildElement(qualified(p.rowset, "data")).childElements()) {
        const QList<XmlElement> rows =
            element.name() == insertName ? element.childElements() : QList<XmlElement>{ element };
        for (const XmlElement &row : rows) {
            if (row.name() == rowName && !readRow(row, schema, ++rowNumber, cells, sMsg))
                return false;
        }
    }
    return true;
}

} // namespace

bool load(const QString &text, RecordSet &rs, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(text)) {
        sMsg = QStringLiteral("The record set XML cannot be read: %1").arg(document.parseError());
        return false;
    }
    const XmlElement root = document.documentElement();
    if (root.name() != u"xml") {
        sMsg = QStringLiteral("The XML is not a saved record set: its root is <%1>, not <xml>.")
                   .arg(root.name());
        return false;
    }
    const Prefixes prefixes(root);
    Schema schema;
    std::vector<QVariant> cells;
    if (!readSchema(root, prefixes, schema, sMsg) || !readRows(root, prefixes, schema, cells, sMsg))
        return false;
    rs = RecordSet::fromCells(schema.fields, std::move(cells));
    return true;
}

} // namespace suite::RowsetXml
