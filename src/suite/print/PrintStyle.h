#pragma once

#include <QPageLayout>
#include <QString>

#include <optional>

namespace suite {

// The page a list is printed on, kept per object and print key. Its text form, which the
// print-style table stores, reads "key=setup;size=210x297;orientation=portrait;margins=10,10,10,10"
// (sizes and margins in millimetres), so that a stored style survives Qt versions that number
// their paper sizes differently.
struct PrintStyle
{
    QString key; // lower-cased
    QPageLayout layout = defaultLayout();

    // A4 landscape with 10 mm margins: a list reads best across the page.
    static QPageLayout defaultLayout();

    // The key part ("key=setup;") and the page part; together they are the text form.
    QString keyText() const;
    QString layoutText() const;
    QString toText() const { return keyText() + layoutText(); }
    // nullopt when the text names no key or a part does not read.
    static std::optional<PrintStyle> fromText(const QString &text);
};

} // namespace suite
