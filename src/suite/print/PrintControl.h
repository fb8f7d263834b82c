#pragma once

#include "suite/print/PrintData.h"
#include "suite/print/PrintStyle.h"

#include <QPointer>
#include <QWidget>

class QPrinter;

namespace suite {

// The suite's print control ("Prn" on the list windows): it receives a table and a page style,
// then prints it, previews it, lets the user set the page up or exports it to a file. Every
// dialog it opens goes through showModal, so that tests answer them in place of a user.
class PrintControl : public QWidget
{
    Q_OBJECT

public:
    explicit PrintControl(QWidget *parent = nullptr);

    // The language of the control's own texts (progress, its button).
    void setLanguage(const QString &languageRegion);

    // Takes the table and the page style; cStyleName names the style among a report's
    // styles, of which a list has only the one. 0 when taken, non-zero when there is nothing
    // to print (no columns).
    int SetDataStyleXML(const PrintData &data, bool bData, const PrintStyle &style, bool bStyle,
                        const QString &cStyleName);
    // The page set-up dialog; non-zero when the user confirmed it, the style then holds the
    // new page.
    int PageSetup();
    // Event 0 tells the owner about the present style (styleEvent).
    void TriggerEvent(int iEvent);
    // The print dialog, then the pages on the chosen printer; non-zero when printed.
    int DoPrint();
    // The window the preview belongs to.
    void SetOwner(QWidget *owner);
    void PrintPreview();
    // Writes the table to cFile (asked for with a file dialog when empty); its suffix chooses
    // the format. A long export shows its progress with a button to stop it. The rows
    // written, or -1 when nothing was written: lastError tells why, and is empty when the user
    // cancelled the file dialog or stopped the export (no file is left then).
    int ExportToFile(const QString &cFile = QString());
    QString lastError() const { return m_lastError; }

    const PrintStyle &style() const { return m_style; }

signals:
    // The style as two parts: the key part and the page part (see PrintStyle).
    void styleEvent(const QString &keyPart, const QString &layoutPart);
    // A long print or export has come this far (rows done of rows in all).
    void progressed(qint64 done, qint64 total);

private:
    QWidget *dialogParent() const;
    QString askFileName();
    void paintOn(QPrinter *printer);
    template<class Work> auto withProgress(const QString &labelKey, Work work);

    PrintData m_data;
    PrintStyle m_style;
    QPointer<QWidget> m_owner;
    QString m_lastError;
    QString m_language;
};

} // namespace suite
