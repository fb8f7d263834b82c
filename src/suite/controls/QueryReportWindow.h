#pragma once

#include <QDialog>
#include <QStringList>

class QTableWidget;

namespace suite {

class RecordSet;
class ResourceTable;

// A query's result as a report: one line per record, captions in the login's language, dates
// as yyyy-MM-dd and amounts with two decimals, and a line of totals under the amount columns
// (those whose names begin with "i") when there is more than one line.
class QueryReportWindow : public QDialog
{
    Q_OBJECT

public:
    QueryReportWindow(const QString &title, const RecordSet &rows, const QStringList &captions,
                      const ResourceTable &texts, QWidget *parent = nullptr);

    int lineCount() const;
    QString cellText(int line, int column) const;
    QString headerText(int column) const;

private:
    void fill(const RecordSet &rows);
    void addTotals(const RecordSet &rows);

    const ResourceTable &m_texts;
    QTableWidget *m_table = nullptr;
};

} // namespace suite
