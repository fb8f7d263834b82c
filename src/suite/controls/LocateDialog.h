#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace suite {

class ResourceTable;

// The locate dialog: a column (when there are columns to choose) and a text; "Find next"
// asks the owner to move to the next match and says so when there is none. It stays open for
// further searches until it is closed.
class LocateDialog : public QDialog
{
    Q_OBJECT

public:
    // Answers whether a match was found and made current.
    using Finder = std::function<bool(int column, const QString &text)>;

    LocateDialog(const QStringList &columns, Finder finder, const ResourceTable &texts,
                 QWidget *parent = nullptr);

    void setColumn(int index);
    void setText(const QString &text);
    bool findNext();
    QString messageText() const;

private:
    Finder m_finder;
    const ResourceTable &m_texts;
    QComboBox *m_column = nullptr;
    QLineEdit *m_text = nullptr;
    QLabel *m_message = nullptr;
};

} // namespace suite
