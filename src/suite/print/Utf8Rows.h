#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace suite {

// A batch of rows as UTF-8 texts laid end to end in one buffer, each row with the same number
// of cells: what a file writer needs of a long list, without a string object per cell. The
// buffer keeps its room when the batch is emptied for the next one.
class Utf8Rows
{
public:
    // Empties the batch for rows of width cells.
    void reset(int width)
    {
        m_width = width;
        m_text.resize(0);
        m_ends.resize(0);
    }
    int width() const { return m_width; }
    qsizetype rowCount() const { return m_width > 0 ? m_ends.size() / m_width : 0; }
    bool isEmpty() const { return m_ends.isEmpty(); }

    QByteArrayView cell(qsizetype row, int column) const
    {
        const qsizetype index = row * m_width + column;
        const qsizetype begin = index > 0 ? m_ends.at(index - 1) : 0;
        return QByteArrayView(m_text).sliced(begin, m_ends.at(index) - begin);
    }

    // A cell is written by appending its text to text() and then closing it with endCell().
    QByteArray &text() { return m_text; }
    void endCell() { m_ends.append(m_text.size()); }
    void appendCell(QByteArrayView text)
    {
        m_text += text;
        endCell();
    }

private:
    int m_width = 0;
    QByteArray m_text;
    QList<qsizetype> m_ends;
};

} // namespace suite
