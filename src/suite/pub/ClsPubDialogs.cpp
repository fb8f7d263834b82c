// The dialog members of the public service that the list windows' commands use: filter, filter
// settings, locate, delete confirmation and result list, view options, help and the trade
// query report.
#include "suite/controls/ConditionDialog.h"
#include "suite/controls/FilterSettingsDialog.h"
#include "suite/controls/HelpWindow.h"
#include "suite/controls/LocateDialog.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/QueryReportWindow.h"
#include "suite/controls/ResultListDialog.h"
#include "suite/controls/RowLocator.h"
#include "suite/controls/TradeQuery.h"
#include "suite/core/ErrorLog.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"
#include "suite/pub/ResourceTable.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QTreeWidget>

namespace suite {

namespace {

constexpr const char *kWhere = "TarnPub.IPub.dialogs";
constexpr const char *kColInfoProperty = "colInfoXml";
constexpr const char *kFilterRowsProperty = "suiteFilterRows";
constexpr const char *kFilterConditionProperty = "suiteFilterCondition";
constexpr const char *kHelpContextProperty = "helpContext";
constexpr const char *kHelpCommandProperty = "helpCommand";
constexpr const char *kPrintNoProperty = "printNo";
constexpr int kYesNoQuestionDefaultNo = 4 + 32 + 256;

const QString kShowStatusBar = QStringLiteral("ShowStatusBar");
const QString kToolbarText = QStringLiteral("ToolbarText");
const QString kPrintNo = QStringLiteral("PrintNo");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

void checkAction(QWidget *form, const QString &name, bool checked)
{
    if (auto *action = form->findChild<QAction *>(name)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

// The view options: each reads and sets one switch of the form; null when the form lacks it.
void setStatusBarShown(QWidget *form, bool shown)
{
    if (auto *bar = form->findChild<QWidget *>(QStringLiteral("Stb"))) {
        bar->setVisible(shown);
        checkAction(form, QStringLiteral("mStb"), shown);
    }
}

void setToolbarText(QWidget *form, bool shown)
{
    if (auto *toolbar = form->findChild<QToolBar *>(QStringLiteral("TLB2"))) {
        toolbar->setToolButtonStyle(shown ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
        checkAction(form, QStringLiteral("mText"), shown);
    }
}

void setPrintNo(QWidget *form, bool on)
{
    form->setProperty(kPrintNoProperty, on);
    checkAction(form, QStringLiteral("mPrintNo"), on);
}

// The result list lives in its record set only; nothing is written anywhere.
class ResultLines : public RowWriter
{
public:
    bool insertRow(const QString &, const QList<Field> &, const QVariantList &, QString &) override
    {
        return true;
    }
};

QList<QTreeWidgetItem *> itemsInOrder(const QTreeWidget &tree)
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it)
        items.append(*it);
    return items;
}

void makeCurrent(QTreeWidget &tree, QTreeWidgetItem *item)
{
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tree.setCurrentItem(item);
    tree.scrollToItem(item);
}

} // namespace

bool ClsPub::Find(const LoginRecord &login, const QString &cObjectName, QWidget *form,
                  QString &cCondition)
{
    if (!form)
        return false;
    const QList<FilterField> fields =
        filterFieldsFromColInfo(form->property(kColInfoProperty).toString());
    if (fields.isEmpty()) {
        inform(GetResString(QStringLiteral("Tarn.AA.PUB.FILTER.nofields")));
        return false;
    }
    const FilterSettings settings(fields,
                                  GetRegEdit(cObjectName,
                                             QLatin1String(FilterSettings::kSettingKey), QString(),
                                             false, login.cUserId));
    ConditionDialog dialog(fields, settings, resources(), form);
    const bool sameCondition =
        !cCondition.isEmpty() && form->property(kFilterConditionProperty).toString() == cCondition;
    if (sameCondition)
        dialog.setRows(conditionRowsFromVariant(form->property(kFilterRowsProperty)));
    if (dialog.rows().isEmpty())
        dialog.addRow();
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return false;
    cCondition = dialog.condition();
    form->setProperty(kFilterRowsProperty, conditionRowsToVariant(dialog.rows()));
    form->setProperty(kFilterConditionProperty, cCondition);
    return true;
}

void ClsPub::FindSet(const LoginRecord &login, const QString &cObjectName, QWidget *form)
{
    if (!form)
        return;
    const QList<FilterField> fields =
        filterFieldsFromColInfo(form->property(kColInfoProperty).toString());
    if (fields.isEmpty()) {
        inform(GetResString(QStringLiteral("Tarn.AA.PUB.FILTER.nofields")));
        return;
    }
    const QString key = QLatin1String(FilterSettings::kSettingKey);
    FilterSettings settings(fields, GetRegEdit(cObjectName, key, QString(), false, login.cUserId));
    FilterSettingsDialog dialog(fields, settings, resources(), form);
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    settings.setSettings(dialog.settings());
    if (!SaveRegEdit(cObjectName, key, settings.toText(), false, login.cUserId))
        inform(GetResString(QStringLiteral("Tarn.AA.PUB.FILTERSET.savefail")));
}

void ClsPub::FindPos2(QWidget *form, QTreeWidget *tree)
{
    if (!tree)
        return;
    LocateDialog dialog(
        {},
        [tree](int, const QString &text) {
            const QList<QTreeWidgetItem *> items = itemsInOrder(*tree);
            const int row =
                findNextRow(int(items.size()), 0, int(items.indexOf(tree->currentItem())), text,
                            [&items](int r) { return items.at(r)->text(0); });
            if (row >= 0)
                makeCurrent(*tree, items.at(row));
            return row >= 0;
        },
        resources(), form);
    showModal(&dialog);
}

int ClsPub::ShowTipMsgEx(const std::shared_ptr<IClsCommon> &, const std::shared_ptr<ILogin> &,
                         Grid *, const QString &cName, const QString &cCode)
{
    const QString question =
        GetResFormatString(QStringLiteral("Tarn.AA.PUB.DELETE.askone"), { cCode, cName });
    return MsgBox(question, kYesNoQuestionDefaultNo,
                  GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")))
            == MessageStyle::kYes
        ? 1
        : 0;
}

void ClsPub::DeleteStart()
{
    if (m_listDialogs.deleteDepth++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void ClsPub::DeleteEnded()
{
    if (m_listDialogs.deleteDepth > 0 && --m_listDialogs.deleteDepth == 0)
        QApplication::restoreOverrideCursor();
}

void ClsPub::ModifyInitMsg(RecordSet &rsResult, const QString &cTitle, const QString &cColumns)
{
    QList<Field> fields;
    for (const QString &column : cColumns.split(u',', Qt::SkipEmptyParts)) {
        if (!column.trimmed().isEmpty())
            fields.append(Field{ column.trimmed(), adVarWChar, 0 });
    }
    rsResult = RecordSet::writable(fields, std::make_shared<ResultLines>(), QString());
    m_listDialogs.resultHeading = cTitle;
}

void ClsPub::ModifyAddMsg(RecordSet &rsResult, const QStringList &values)
{
    QString sMsg;
    if (!rsResult.IsOpen() || !rsResult.AddNew(sMsg)) {
        ErrorLog::instance().error(
            kWhere, sMsg.isEmpty() ? QStringLiteral("the result list is not open") : sMsg);
        return;
    }
    for (int field = 0; field < rsResult.FieldCount(); ++field)
        rsResult.SetValue(field, values.value(field));
    if (!rsResult.Update(sMsg))
        ErrorLog::instance().error(kWhere, sMsg);
}

void ClsPub::ModifyShowMsg(RecordSet &rsResult, const QString &cTitle)
{
    if (!rsResult.IsOpen() || rsResult.RecordCount() == 0)
        return;
    const ResourceTable &texts = resources();
    QStringList headers;
    for (const Field &field : rsResult.Fields()) {
        const QString key = QStringLiteral("Tarn.AA.ARCHIVE.FIELD.") + field.name.toLower();
        headers.append(texts.contains(key) ? texts.text(key) : field.name);
    }
    QList<QStringList> lines;
    for (int row = 0; row < rsResult.RecordCount(); ++row) {
        QStringList line;
        for (int field = 0; field < rsResult.FieldCount(); ++field)
            line.append(rsResult.valueAt(row, field).toString());
        lines.append(line);
    }
    const QString title = texts.contains(cTitle) ? texts.text(cTitle) : cTitle;
    ResultListDialog dialog(title, m_listDialogs.resultHeading, headers, lines, texts);
    showModal(&dialog);
}

void ClsPub::FrmOpt(QWidget *form, const QString &cKey, const LoginRecord &login,
                    const QString &cOption)
{
    if (!form)
        return;
    const QString option = cOption.toLower();
    QString key;
    bool on = false;
    if (option == u"mstb") {
        const auto *bar = form->findChild<QWidget *>(QStringLiteral("Stb"));
        on = bar && bar->isHidden();
        setStatusBarShown(form, on);
        key = kShowStatusBar;
    } else if (option == u"mtext") {
        const auto *toolbar = form->findChild<QToolBar *>(QStringLiteral("TLB2"));
        on = toolbar && toolbar->toolButtonStyle() == Qt::ToolButtonIconOnly;
        setToolbarText(form, on);
        key = kToolbarText;
    } else if (option == u"mprintno") {
        on = !form->property(kPrintNoProperty).toBool();
        setPrintNo(form, on);
        key = kPrintNo;
    } else {
        return;
    }
    SaveRegEdit(cKey.toLower(), key, flag(on), false, login.cUserId);
}

void ClsPub::FrmOptInit(QWidget *form, const QString &cKey, const LoginRecord &login)
{
    if (!form)
        return;
    const QString object = cKey.toLower();
    const std::pair<QString, void (*)(QWidget *, bool)> options[] = {
        { kShowStatusBar, setStatusBarShown },
        { kToolbarText, setToolbarText },
        { kPrintNo, setPrintNo },
    };
    for (const auto &[key, apply] : options) {
        const QString stored = GetRegEdit(object, key, QString(), false, login.cUserId);
        if (!stored.isEmpty())
            apply(form, stored == u"1");
    }
}

void ClsPub::HelpX(QWidget *form, bool, const QString &cContext)
{
    if (form)
        form->setProperty(kHelpContextProperty, cContext);
}

void ClsPub::HelpShow(const QString &cMenuId, QWidget *form, bool)
{
    if (form)
        form->setProperty(kHelpCommandProperty, cMenuId);
}

void ClsPub::ShowHelp(QWidget *form, bool bWeb)
{
    if (bWeb)
        return;
    const QString context = form ? form->property(kHelpContextProperty).toString() : QString();
    showHelp(form, context, m_LocaleID());
}

bool ClsPub::OpenQuery(const LoginRecord &login, const std::shared_ptr<IClsCommon> &,
                       const QString &cObjectId, const QString &,
                       QMap<QString, QString> &conditions)
{
    QString sMsg;
    if (!TradeQuery::conditionItems(cObjectId, resources(), conditions, sMsg)) {
        inform(sMsg);
        return false;
    }
    for (auto item = conditions.begin(); item != conditions.end(); ++item)
        *item = GetRegEdit(cObjectId.toUpper(), item.key(), *item, false, login.cUserId);
    return true;
}

bool ClsPub::ShowQueryReport(const LoginRecord &, const std::shared_ptr<IClsCommon> &oSrv,
                             const QString &cObjectId, const QString &cReportId, const QString &,
                             const QMap<QString, QString> &conditions)
{
    const ResourceTable &texts = resources();
    QString sql;
    QString sMsg;
    if (!TradeQuery::statement(cObjectId, conditions, texts, sql, sMsg)
        || !TradeQuery::checkReport(cReportId, texts, sMsg)) {
        inform(sMsg);
        return false;
    }
    const RecordSet rows = oSrv ? oSrv->OpenX(sql) : RecordSet();
    if (!rows.IsOpen()) {
        inform(GetResFormatString(QStringLiteral("Tarn.AA.PUB.TRADE.readfail"),
                                  { oSrv ? oSrv->LastError() : QString() }));
        return false;
    }
    QStringList captions;
    for (const QString &key : TradeQuery::captionKeys(conditions))
        captions.append(texts.text(key));
    QueryReportWindow window(texts.text(QStringLiteral("Tarn.AA.PUB.TRADE.title")), rows, captions,
                             texts);
    showModal(&window);
    return true;
}

} // namespace suite
