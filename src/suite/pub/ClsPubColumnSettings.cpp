// The members through which the column-settings dialog of a list hands its set back.
#include "suite/colset/ColumnSetXml.h"
#include "suite/pub/ClsPub.h"

#include <QLayout>
#include <QWidget>

namespace suite {

namespace {

constexpr int kDialogMargin = 6;

} // namespace

QString ClsPub::GetUnSavedColSet(const QString &sXML)
{
    ColumnSet set;
    QString sMsg;
    if (!readColumnSetXml(sXML, set, sMsg))
        return sXML;
    set.renumber();
    return writeColumnSetXml(set);
}

void ClsPub::ColSetResize(QWidget *form, QWidget *colSet)
{
    if (form && colSet)
        colSet->setGeometry(form->contentsRect());
}

void ClsPub::FormLayout(QWidget *form, const QString &)
{
    if (!form)
        return;
    form->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (QLayout *layout = form->layout())
        layout->setContentsMargins(kDialogMargin, kDialogMargin, kDialogMargin, kDialogMargin);
}

} // namespace suite
