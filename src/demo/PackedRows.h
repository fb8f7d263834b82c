#pragma once

#include "demo/DemoTables.h"

#include <string>

namespace demo {

// A value read back from packed rows; text points into the packed buffer, as UTF-8.
struct PackedValue
{
    enum Kind : char { Null, Integer, Real, Text };

    Kind kind = Null;
    qint64 integer = 0;
    double real = 0;
    const char *text = nullptr;
    int length = 0;
};

// Rows of several tables packed one after the other into one buffer, texts already in UTF-8.
// The generating thread packs, the inserting thread binds straight from the buffer: one
// allocation per batch crosses the threads instead of one per value, and the encoding work
// stays with the generator.
class PackedRows
{
public:
    void append(DemoTable table, const QVariantList &row);
    qsizetype rowCount() const { return m_rows; }

    class Reader
    {
    public:
        explicit Reader(const PackedRows &rows);
        bool atEnd() const { return m_position >= m_end; }
        // Starts the next row: its table and the number of its values.
        DemoTable nextRow(int &valueCount);
        PackedValue nextValue();

    private:
        template<typename T> T read();

        const char *m_position;
        const char *m_end;
    };

private:
    template<typename T> void write(T value);

    // A standard string: appending to a QByteArray goes through its general insert.
    std::string m_data;
    qsizetype m_rows = 0;
};

} // namespace demo
