#pragma once

#include <QWidget>

class QLabel;

namespace customer {

// The card's key-information strip ("ShowKeyInfo1"): the code and the name of the customer on
// the card, shown above the pages whichever page is open.
class KeyInfoStrip : public QWidget
{
    Q_OBJECT

public:
    explicit KeyInfoStrip(QWidget *parent = nullptr);

    void setCaptions(const QString &codeCaption, const QString &nameCaption);
    void ShowKeyInfo(const QString &code, const QString &name);
    QString code() const;
    QString name() const;

private:
    QLabel *m_codeCaption;
    QLabel *m_code;
    QLabel *m_nameCaption;
    QLabel *m_name;
};

} // namespace customer
