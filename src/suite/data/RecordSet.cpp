#include "suite/data/RecordSet.h"

#include "suite/core/ErrorLog.h"
#include "suite/data/RecordSetFilter.h"

#include <QDateTime>
#include <QHash>

#include <cmath>
#include <limits>

namespace suite {

struct RecordSet::Data
{
    QList<Field> fields;
    // Exact names first, so that the usual lookup needs no case folding.
    QHash<QString, int> exactIndex;
    QHash<QString, int> foldedIndex;
    std::vector<QVariant> cells;
    int rowCount = 0;
    std::shared_ptr<RowWriter> writer;
    QString table;

    explicit Data(const QList<Field> &fieldList)
        : fields(fieldList)
    {
        // Of two fields with the same name the first one answers, as in ADO.
        for (int i = fields.size() - 1; i >= 0; --i) {
            exactIndex[fields.at(i).name] = i;
            foldedIndex[fields.at(i).name.toCaseFolded()] = i;
        }
    }

    qsizetype width() const { return fields.size(); }
    QVariant &cell(int row, int field) { return cells[size_t(row) * width() + field]; }
    const QVariant *row(int row) const { return cells.data() + size_t(row) * width(); }
};

namespace {

const QString kWhere = QStringLiteral("RecordSet");

bool integerInRange(qlonglong value, int type)
{
    switch (type) {
    case adSmallInt:
        return value >= std::numeric_limits<qint16>::min()
            && value <= std::numeric_limits<qint16>::max();
    case adInteger:
        return value >= std::numeric_limits<qint32>::min()
            && value <= std::numeric_limits<qint32>::max();
    case adTinyInt:
        return value >= -128 && value <= 127;
    case adUnsignedTinyInt:
        return value >= 0 && value <= 255;
    default:
        return true;
    }
}

bool toInteger(const QVariant &value, int type, QVariant &converted)
{
    bool ok = false;
    qlonglong number = 0;
    const int source = value.typeId();
    if (source == QMetaType::Double || source == QMetaType::Float) {
        const double real = value.toDouble();
        ok = std::isfinite(real) && std::trunc(real) == real && std::abs(real) < 9.2e18;
        number = qlonglong(real);
    } else if (source == QMetaType::QString) {
        number = value.toString().trimmed().toLongLong(&ok);
    } else {
        number = value.toLongLong(&ok);
    }
    if (!ok || !integerInRange(number, type))
        return false;
    converted = type == adBigInt ? QVariant(number) : QVariant(int(number));
    return true;
}

bool toReal(const QVariant &value, QVariant &converted)
{
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString
        ? value.toString().trimmed().toDouble(&ok)
        : value.toDouble(&ok);
    if (ok)
        converted = number;
    return ok;
}

bool toBoolean(const QVariant &value, QVariant &converted)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(u"true", Qt::CaseInsensitive) == 0
            || text.compare(u"false", Qt::CaseInsensitive) == 0) {
            converted = text.compare(u"true", Qt::CaseInsensitive) == 0;
            return true;
        }
    }
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString
        ? value.toString().trimmed().toDouble(&ok)
        : value.toDouble(&ok);
    if (ok)
        converted = number != 0;
    return ok;
}

bool toDateTime(const QVariant &value, QVariant &converted)
{
    QDateTime date;
    if (value.typeId() == QMetaType::QDate)
        date = value.toDate().startOfDay();
    else if (value.typeId() == QMetaType::QString)
        date = dateTimeFromText(value.toString());
    else
        date = value.toDateTime();
    if (date.isValid())
        converted = date;
    return date.isValid();
}

// The value in the form the field's type keeps, as ADO converts what is assigned to a field.
bool convertForField(const QVariant &value, int type, QVariant &converted)
{
    if (value.isNull()) {
        converted = QVariant();
        return true;
    }
    switch (typeFamily(type)) {
    case TypeFamily::Text:
        if (!value.canConvert<QString>())
            return false;
        converted = value.toString();
        return true;
    case TypeFamily::Integer:
        return toInteger(value, type, converted);
    case TypeFamily::Real:
        return toReal(value, converted);
    case TypeFamily::Boolean:
        return toBoolean(value, converted);
    case TypeFamily::DateTime:
        return toDateTime(value, converted);
    case TypeFamily::Binary:
        converted = value;
        return value.typeId() == QMetaType::QByteArray;
    default:
        converted = value;
        return true;
    }
}

const QVariant &nullValue()
{
    static const QVariant null;
    return null;
}

} // namespace

namespace {

QChar charAt(QStringView text, qsizetype at)
{
    return at < text.size() ? text[at] : QChar();
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads count digits at position at; false when any of them is no digit.
bool readDigits(QStringView text, qsizetype at, int count, int &value)
{
    value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (!isAsciiDigit(charAt(text, i)))
            return false;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return true;
}

// The time after the date: HH:mm[:ss[.fraction]], where the fraction is cut to milliseconds.
bool readTime(QStringView text, QTime &time)
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    if (!readDigits(text, 0, 2, hour) || charAt(text, 2) != u':' || !readDigits(text, 3, 2, minute))
        return false;
    qsizetype at = 5;
    if (charAt(text, at) == u':') {
        if (!readDigits(text, at + 1, 2, second))
            return false;
        at += 3;
        if (charAt(text, at) == u'.') {
            const qsizetype digitsStart = ++at;
            for (; isAsciiDigit(charAt(text, at)); ++at) {
                if (at - digitsStart < 3)
                    msec = msec * 10 + (text[at].unicode() - u'0');
            }
            if (at == digitsStart)
                return false;
            for (qsizetype kept = std::min<qsizetype>(at - digitsStart, 3); kept < 3; ++kept)
                msec *= 10;
        }
    }
    time = QTime(hour, minute, second, msec);
    return at == text.size() && time.isValid();
}

} // namespace

QDateTime dateTimeFromText(QStringView text)
{
    text = text.trimmed();
    int year = 0;
    int month = 0;
    int day = 0;
    // The forms SQLite and saved record sets hold are read by hand: Qt's general parser costs
    // more than the rest of reading a row.
    if (readDigits(text, 0, 4, year) && charAt(text, 4) == u'-' && readDigits(text, 5, 2, month)
        && charAt(text, 7) == u'-' && readDigits(text, 8, 2, day)) {
        const QDate date(year, month, day);
        QTime time(0, 0);
        const bool plainForm = text.size() == 10
            || ((text[10] == u' ' || text[10] == u'T') && readTime(text.mid(11), time));
        if (plainForm && date.isValid())
            return QDateTime(date, time);
    }
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
}

RecordSet::RecordSet() = default;

RecordSet::RecordSet(std::shared_ptr<Data> data)
    : m_data(std::move(data))
{ }

RecordSet::RecordSet(const QList<Field> &fields, const QList<QVariantList> &rows)
    : m_data(std::make_shared<Data>(fields))
{
    m_data->cells.reserve(size_t(rows.size()) * fields.size());
    for (const QVariantList &row : rows) {
        if (row.size() > fields.size()) {
            ErrorLog::instance().warning(kWhere,
                                         QStringLiteral("Row %1 has %2 values for %3 fields; the "
                                                        "values beyond the last field are dropped.")
                                             .arg(m_data->rowCount + 1)
                                             .arg(row.size())
                                             .arg(fields.size()));
        }
        for (qsizetype i = 0; i < fields.size(); ++i)
            m_data->cells.push_back(i < row.size() ? row.at(i) : QVariant());
        ++m_data->rowCount;
    }
}

RecordSet RecordSet::fromCells(const QList<Field> &fields, std::vector<QVariant> cells)
{
    auto data = std::make_shared<Data>(fields);
    const size_t width = fields.size();
    if (width == 0 ? !cells.empty() : cells.size() % width != 0) {
        ErrorLog::instance().warning(kWhere,
                                     QStringLiteral("%1 values do not fill rows of %2 fields; the "
                                                    "last row is completed with nulls.")
                                         .arg(cells.size())
                                         .arg(width));
        cells.resize(width == 0 ? 0 : (cells.size() + width - 1) / width * width);
    }
    data->cells = std::move(cells);
    data->rowCount = width == 0 ? 0 : int(data->cells.size() / width);
    return RecordSet(std::move(data));
}

RecordSet RecordSet::writable(const QList<Field> &fields, std::shared_ptr<RowWriter> writer,
                              const QString &table)
{
    auto data = std::make_shared<Data>(fields);
    data->writer = std::move(writer);
    data->table = table;
    return RecordSet(std::move(data));
}

void RecordSet::Close()
{
    *this = RecordSet();
}

QList<Field> RecordSet::Fields() const
{
    return m_data ? m_data->fields : QList<Field>();
}

int RecordSet::FieldCount() const
{
    return m_data ? int(m_data->fields.size()) : 0;
}

int RecordSet::FieldIndex(const QString &name) const
{
    if (!m_data)
        return -1;
    const auto exact = m_data->exactIndex.constFind(name);
    if (exact != m_data->exactIndex.cend())
        return exact.value();
    return m_data->foldedIndex.value(name.toCaseFolded(), -1);
}

int RecordSet::rowIndex(int position) const
{
    return m_filtered ? m_visible.at(position) : position;
}

int RecordSet::currentRow() const
{
    if (Eof() || Bof())
        return -1;
    return rowIndex(m_position);
}

QVariant RecordSet::Value(int index) const
{
    if (index < 0 || index >= FieldCount())
        return QVariant();
    if (m_pending)
        return m_pending->at(index);
    const int row = currentRow();
    return row < 0 ? QVariant() : m_data->row(row)[index];
}

QVariant RecordSet::Value(const QString &name) const
{
    return Value(FieldIndex(name));
}

QVariant RecordSet::Value(const QString &name, bool &found) const
{
    const int index = FieldIndex(name);
    found = index >= 0;
    return Value(index);
}

bool RecordSet::SetValue(int index, const QVariant &value)
{
    if (index < 0 || index >= FieldCount())
        return false;
    QVariant converted;
    if (!convertForField(value, m_data->fields.at(index).type, converted))
        return false;
    if (m_pending) {
        (*m_pending)[index] = converted;
        return true;
    }
    // A change to a stored row of a writable set could not reach its table.
    const int row = currentRow();
    if (row < 0 || m_data->writer)
        return false;
    m_data->cell(row, index) = converted;
    return true;
}

bool RecordSet::SetValue(const QString &name, const QVariant &value)
{
    return SetValue(FieldIndex(name), value);
}

bool RecordSet::Eof() const
{
    return !m_pending && (m_position >= RecordCount() || RecordCount() == 0);
}

bool RecordSet::Bof() const
{
    return !m_pending && (m_position < 0 || RecordCount() == 0);
}

int RecordSet::RecordCount() const
{
    if (!m_data)
        return 0;
    return m_filtered ? int(m_visible.size()) : m_data->rowCount;
}

bool RecordSet::leavePendingRow()
{
    if (!m_pending)
        return true;
    QString sMsg;
    if (Update(sMsg))
        return true;
    ErrorLog::instance().error(kWhere, sMsg);
    return false;
}

void RecordSet::moveTo(int position)
{
    if (leavePendingRow())
        m_position = std::clamp(position, -1, RecordCount());
}

void RecordSet::MoveFirst()
{
    moveTo(0);
}

void RecordSet::MoveNext()
{
    moveTo(std::min(m_position, RecordCount()) + 1);
}

void RecordSet::MovePrevious()
{
    moveTo(std::min(m_position, RecordCount()) - 1);
}

void RecordSet::MoveLast()
{
    moveTo(RecordCount() == 0 ? 0 : RecordCount() - 1);
}

int RecordSet::AbsolutePosition() const
{
    if (RecordCount() == 0 || m_pending)
        return adPosUnknown;
    if (Bof())
        return adPosBOF;
    if (Eof())
        return adPosEOF;
    return m_position + 1;
}

bool RecordSet::SetAbsolutePosition(int position)
{
    if (position < 1 || position > RecordCount() || !leavePendingRow())
        return false;
    m_position = position - 1;
    return true;
}

bool RecordSet::SetFilter(const QString &text, QString &sMsg)
{
    if (!m_data) {
        sMsg = QStringLiteral("The record set is closed; it cannot be filtered.");
        return false;
    }
    if (m_pending) {
        sMsg = QStringLiteral("A row is being added; update or cancel it before filtering.");
        return false;
    }
    if (text.trimmed().isEmpty()) {
        m_filterText.clear();
        m_filtered = false;
        m_visible.clear();
        m_position = 0;
        return true;
    }
    RecordSetFilter filter;
    if (!RecordSetFilter::compile(text, m_data->fields, filter, sMsg))
        return false;
    QList<int> visible;
    for (int row = 0; row < m_data->rowCount; ++row) {
        if (filter.matches(m_data->row(row)))
            visible.append(row);
    }
    m_filterText = text;
    m_filtered = true;
    m_visible = std::move(visible);
    m_position = 0;
    return true;
}

RecordSet RecordSet::Clone() const
{
    return RecordSet(m_data);
}

bool RecordSet::AddNew()
{
    QString sMsg;
    if (AddNew(sMsg))
        return true;
    ErrorLog::instance().error(kWhere, sMsg);
    return false;
}

bool RecordSet::AddNew(QString &sMsg)
{
    if (!m_data) {
        sMsg = QStringLiteral("The record set is closed; no row can be added.");
        return false;
    }
    if (!m_data->writer) {
        sMsg = QStringLiteral("The record set is read-only; open it for insert to add rows.");
        return false;
    }
    if (m_pending && !Update(sMsg))
        return false;
    m_positionBeforeAdd = m_position;
    m_pending = QVariantList(m_data->fields.size());
    return true;
}

bool RecordSet::Update(QString &sMsg)
{
    if (!m_data || !m_data->writer) {
        sMsg = m_data ? QStringLiteral("The record set is read-only; it has nothing to update.")
                      : QStringLiteral("The record set is closed; nothing can be updated.");
        return false;
    }
    if (!m_pending)
        return true;
    QList<Field> fields;
    QVariantList values;
    for (qsizetype i = 0; i < m_pending->size(); ++i) {
        if (!m_pending->at(i).isNull()) {
            fields.append(m_data->fields.at(i));
            values.append(m_pending->at(i));
        }
    }
    if (!m_data->writer->insertRow(m_data->table, fields, values, sMsg))
        return false;
    m_data->cells.insert(m_data->cells.end(), m_pending->cbegin(), m_pending->cend());
    const int added = m_data->rowCount++;
    // The added row stays in view under a filter it does not match, as in ADO.
    if (m_filtered)
        m_visible.append(added);
    m_position = m_filtered ? int(m_visible.size()) - 1 : added;
    m_pending.reset();
    return true;
}

void RecordSet::CancelUpdate()
{
    if (!m_pending)
        return;
    m_pending.reset();
    m_position = m_positionBeforeAdd;
}

const QVariant &RecordSet::valueAt(int row, int field) const
{
    if (row < 0 || row >= RecordCount() || field < 0 || field >= FieldCount())
        return nullValue();
    return m_data->row(rowIndex(row))[field];
}

} // namespace suite
