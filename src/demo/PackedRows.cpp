#include "demo/PackedRows.h"

#include <QStringConverter>

#include <cstring>

namespace demo {

template<typename T> void PackedRows::write(T value)
{
    m_data.append(reinterpret_cast<const char *>(&value), sizeof(T));
}

void PackedRows::append(DemoTable table, const QVariantList &row)
{
    write(quint8(table));
    write(quint16(row.size()));
    for (const QVariant &value : row) {
        switch (value.typeId()) {
        case QMetaType::UnknownType:
            write(quint8(PackedValue::Null));
            break;
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
            write(quint8(PackedValue::Integer));
            write(value.toLongLong());
            break;
        case QMetaType::Double:
            write(quint8(PackedValue::Real));
            write(value.toDouble());
            break;
        default: {
            const QString text = value.toString();
            write(quint8(PackedValue::Text));
            const std::size_t lengthAt = m_data.size();
            write(qint32(0));
            QStringEncoder encoder(QStringEncoder::Utf8);
            m_data.resize(m_data.size() + std::size_t(encoder.requiredSpace(text.size())));
            char *start = m_data.data() + lengthAt + sizeof(qint32);
            const char *end = encoder.appendToBuffer(start, text);
            const qint32 length = qint32(end - start);
            std::memcpy(m_data.data() + lengthAt, &length, sizeof(length));
            m_data.resize(lengthAt + sizeof(qint32) + std::size_t(length));
        }
        }
    }
    ++m_rows;
}

PackedRows::Reader::Reader(const PackedRows &rows)
    : m_position(rows.m_data.data())
    , m_end(rows.m_data.data() + rows.m_data.size())
{ }

template<typename T> T PackedRows::Reader::read()
{
    T value;
    std::memcpy(&value, m_position, sizeof(T));
    m_position += sizeof(T);
    return value;
}

DemoTable PackedRows::Reader::nextRow(int &valueCount)
{
    const auto table = DemoTable(read<quint8>());
    valueCount = read<quint16>();
    return table;
}

PackedValue PackedRows::Reader::nextValue()
{
    PackedValue value;
    value.kind = PackedValue::Kind(read<quint8>());
    switch (value.kind) {
    case PackedValue::Null:
        break;
    case PackedValue::Integer:
        value.integer = read<qint64>();
        break;
    case PackedValue::Real:
        value.real = read<double>();
        break;
    case PackedValue::Text:
        value.length = read<qint32>();
        value.text = m_position;
        m_position += value.length;
        break;
    }
    return value;
}

} // namespace demo
