#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QTableWidget;

namespace suite {

class ResourceTable;

// The result list of a batch of operations: a heading and one line per processed record.
class ResultListDialog : public QDialog
{
    Q_OBJECT

public:
    ResultListDialog(const QString &title, const QString &heading, const QStringList &headers,
                     const QList<QStringList> &lines, const ResourceTable &texts,
                     QWidget *parent = nullptr);

    QString heading() const { return m_heading; }
    int lineCount() const;
    QString cellText(int line, int column) const;
    QString headerText(int column) const;

private:
    QString m_heading;
    QTableWidget *m_table = nullptr;
};

} // namespace suite
