#pragma once

#include "suite/data/Field.h"
#include "suite/data/RowWriter.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

namespace suite {

enum ObjectStateEnum { adStateClosed = 0, adStateOpen = 1 };
enum PositionEnum { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };
enum EditModeEnum { adEditNone = 0, adEditAdd = 2 };

// The tabular result of a query, with the ADO members the component calls by name.
//
// The rows live in one block shared by every copy and clone, as all references to an ADO
// record set reach the same rows: a value changed through one is seen through the others.
// The cursor, the filter and a row being added belong to each copy; a filter picks its rows
// when it is set. A null value is a null QVariant; asking for a field that does not exist
// gives a null value, never a crash.
//
// A writable record set (one opened for insert) sends each row added with AddNew to its
// RowWriter when Update is called; a failed insert leaves the row pending so that it can be
// corrected and sent again. Other record sets change only in memory.
class RecordSet
{
public:
    // A closed record set: no fields, no rows.
    RecordSet();
    // An open record set; a row shorter than the fields is completed with nulls.
    RecordSet(const QList<Field> &fields, const QList<QVariantList> &rows);
    // The cells row after row, the cheapest way to hand over a large result.
    static RecordSet fromCells(const QList<Field> &fields, std::vector<QVariant> cells);
    // An open record set without rows whose added rows are inserted into table through writer.
    static RecordSet writable(const QList<Field> &fields, std::shared_ptr<RowWriter> writer,
                              const QString &table);

    bool IsOpen() const { return m_data != nullptr; }
    int State() const { return IsOpen() ? adStateOpen : adStateClosed; }
    // Closes this reference only; copies and clones keep their rows. A pending row is dropped.
    void Close();

    QList<Field> Fields() const;
    int FieldCount() const;
    // Position of the field, whatever the case of name; -1 when there is no such field.
    int FieldIndex(const QString &name) const;
    bool HasField(const QString &name) const { return FieldIndex(name) >= 0; }

    // Values of the current row (or of the row being added).
    QVariant Value(int index) const;
    QVariant Value(const QString &name) const;
    QVariant Value(const QString &name, bool &found) const;
    // False when there is no such field or no current row, when the value cannot be converted
    // to the field's type, or when a writable record set could not store the change.
    bool SetValue(int index, const QVariant &value);
    bool SetValue(const QString &name, const QVariant &value);

    // Named so because EOF is a macro of the C library.
    bool Eof() const;
    bool Bof() const;
    // Moving away from an added row updates it first, as ADO does; when that fails the cursor
    // stays on the row and the error goes to the error log.
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    // 1-based position among the visible rows, or one of PositionEnum.
    int AbsolutePosition() const;
    bool SetAbsolutePosition(int position);
    // The rows visible under the current filter.
    int RecordCount() const;

    QString Filter() const { return m_filterText; }
    // An empty text shows all rows again. On failure the previous filter stays in force.
    bool SetFilter(const QString &text, QString &sMsg);

    // Another reference to the same rows with its own cursor, on the first row, and no filter.
    RecordSet Clone() const;

    // Starts a new row of nulls, which becomes the current row until Update or CancelUpdate.
    bool AddNew();
    bool AddNew(QString &sMsg);
    // Sends the added row through the writer; nothing to send is a success.
    bool Update(QString &sMsg);
    // Drops the added row and returns to the row that was current before AddNew.
    void CancelUpdate();
    int EditMode() const { return m_pending ? adEditAdd : adEditNone; }

    // A value of the visible row (0-based) without moving the cursor; a null value when either
    // index is out of range. The reference stays valid until rows are added.
    const QVariant &valueAt(int row, int field) const;

private:
    struct Data;

    explicit RecordSet(std::shared_ptr<Data> data);

    int rowIndex(int position) const;
    int currentRow() const;
    bool leavePendingRow();
    void moveTo(int position);

    std::shared_ptr<Data> m_data;
    QString m_filterText;
    bool m_filtered = false;
    QList<int> m_visible;
    int m_position = 0;
    std::optional<QVariantList> m_pending;
    int m_positionBeforeAdd = 0;
};

// Date text as databases and saved record sets hold it (2026-12-06, 2026-12-06 10:30:00,
// 2026-12-06T10:30:00.123) read as local time, or any other ISO 8601 form; invalid otherwise.
QDateTime dateTimeFromText(QStringView text);

} // namespace suite
