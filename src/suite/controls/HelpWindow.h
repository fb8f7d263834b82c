#pragma once

#include <QDialog>

class QTextBrowser;

namespace suite {

// The offline help: the HTML page of a help context in the language of a language region,
// compiled into the program. A context without a page of its own shows the customer list's
// page, which covers the whole archive.
QString helpPageResource(const QString &cContext, const QString &languageRegion);

class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    HelpWindow(const QString &cContext, const QString &languageRegion, QWidget *parent = nullptr);

    QString pageResource() const { return m_resource; }
    QString plainText() const;

private:
    QString m_resource;
    QTextBrowser *m_browser = nullptr;
};

// Shows the help window of cContext modal over parent.
void showHelp(QWidget *parent, const QString &cContext, const QString &languageRegion);

} // namespace suite
