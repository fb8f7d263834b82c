#include "suite/card/UserDefineControl.h"

#include "suite/card/UserDefineFields.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"
#include "suite/login/ILogin.h"
#include "suite/pub/ResourceTable.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace suite {

namespace {

const QString kRoot = QStringLiteral("UserDef");

} // namespace

struct UserDefineControl::Private
{
    UserDefineFields fields;
    QList<QWidget *> editors;
    XmlDocument document;
    XmlElement root;
    std::shared_ptr<ILogin> login;
    std::shared_ptr<IClsCommon> srv;
    QString contextXml;
    QString language;
    int rightLevel = 2;
    bool filling = false;
};

UserDefineControl::UserDefineControl(QWidget *parent)
    : QWidget(parent)
    , d(new Private)
{
    d->root = d->document.createDocumentElement(kRoot);
    new QFormLayout(this);
}

UserDefineControl::~UserDefineControl() = default;

XmlElement UserDefineControl::Init(const QString &cObjectCaption, const QString &cFieldPrefix, bool,
                                   const QString &, const std::shared_ptr<ILogin> &oLogin,
                                   const std::shared_ptr<IClsCommon> &oSrv)
{
    d->login = oLogin;
    d->srv = oSrv;
    d->language = oLogin ? oLogin->LanguageRegion() : QString();
    d->root = d->document.createDocumentElement(kRoot);
    d->root.setAttribute(QStringLiteral("cClass"), cObjectCaption);
    QString sMsg;
    if (!oSrv || !d->fields.read(*oSrv, cObjectCaption, cFieldPrefix, sMsg))
        d->fields = UserDefineFields();
    auto *form = static_cast<QFormLayout *>(layout());
    while (form->rowCount() > 0)
        form->removeRow(0);
    d->editors.clear();
    for (const UserDefineField &field : d->fields.fields()) {
        d->root.appendElement(field.name)
            .setAttribute(QStringLiteral("showfldname"), field.caption);
        QWidget *editor = nullptr;
        if (!field.choices.isEmpty()) {
            auto *combo = new QComboBox(this);
            combo->setEditable(true);
            combo->addItems(field.choices);
            combo->setCurrentIndex(-1);
            connect(combo, &QComboBox::currentTextChanged, this,
                    [this, name = field.name](const QString &text) { takeEdit(name, text); });
            editor = combo;
        } else {
            auto *edit = new QLineEdit(this);
            if (field.type == UserDefineField::Type::Text && field.length > 0)
                edit->setMaxLength(field.length);
            connect(edit, &QLineEdit::textChanged, this,
                    [this, name = field.name](const QString &text) { takeEdit(name, text); });
            editor = edit;
        }
        editor->setObjectName(field.name);
        form->addRow(field.caption, editor);
        d->editors.append(editor);
    }
    SetRightLevel(d->rightLevel);
    return d->root;
}

void UserDefineControl::SetContext(const std::shared_ptr<ILogin> &oLogin,
                                   const std::shared_ptr<IClsCommon> &oSrv,
                                   const QString &cContextXml)
{
    d->login = oLogin;
    d->srv = oSrv;
    d->contextXml = cContextXml;
}

XmlElement UserDefineControl::RecordElement() const
{
    return d->root;
}

QString UserDefineControl::GetRecordXml() const
{
    QString xml;
    for (const UserDefineField &field : d->fields.fields())
        xml += u'<' + field.name + u'>' + escapeXmlText(FieldValue(field.name))
            + QStringLiteral("</") + field.name + u'>';
    return xml;
}

void UserDefineControl::LoadFromRecord(const RecordSet &record)
{
    for (const UserDefineField &field : d->fields.fields())
        d->root.firstChildElement(field.name)
            .setText(UserDefineFields::displayValue(field, record.Value(field.name)));
    RefreshFromElement();
}

void UserDefineControl::RefreshFromElement()
{
    d->filling = true;
    const QList<UserDefineField> &fields = d->fields.fields();
    for (int i = 0; i < fields.size(); ++i) {
        const QString value = d->root.firstChildElement(fields.at(i).name).text();
        if (auto *combo = qobject_cast<QComboBox *>(d->editors.at(i)))
            combo->setCurrentText(value);
        else if (auto *edit = qobject_cast<QLineEdit *>(d->editors.at(i)))
            edit->setText(value);
    }
    d->filling = false;
}

void UserDefineControl::Clear()
{
    for (const UserDefineField &field : d->fields.fields())
        d->root.firstChildElement(field.name).setText(QString());
    RefreshFromElement();
}

void UserDefineControl::SetRightLevel(int iLevel)
{
    d->rightLevel = iLevel;
    for (QWidget *editor : std::as_const(d->editors)) {
        editor->setVisible(iLevel > 0);
        editor->setEnabled(iLevel >= 2);
    }
}

int UserDefineControl::RightLevel() const
{
    return d->rightLevel;
}

bool UserDefineControl::CheckValid(QString &sMsg) const
{
    const ResourceTable &texts = ResourceTable::builtIn(d->language);
    for (const UserDefineField &field : d->fields.fields()) {
        sMsg = UserDefineFields::problem(field, FieldValue(field.name), texts);
        if (!sMsg.isEmpty())
            return false;
    }
    return true;
}

void UserDefineControl::Release()
{
    d->srv.reset();
    d->login.reset();
}

QStringList UserDefineControl::FieldNames() const
{
    QStringList names;
    for (const UserDefineField &field : d->fields.fields())
        names.append(field.name);
    return names;
}

QString UserDefineControl::FieldValue(const QString &cFieldName) const
{
    return d->root.firstChildElement(cFieldName).text();
}

bool UserDefineControl::SetFieldValue(const QString &cFieldName, const QString &value)
{
    XmlElement element = d->root.firstChildElement(cFieldName);
    if (element.isNull())
        return false;
    if (element.text() == value)
        return true;
    element.setText(value);
    RefreshFromElement();
    emit valueChanged(cFieldName);
    return true;
}

void UserDefineControl::takeEdit(const QString &cFieldName, const QString &value)
{
    if (d->filling)
        return;
    d->root.firstChildElement(cFieldName).setText(value);
    emit valueChanged(cFieldName);
}

} // namespace suite
