// The customer card: its controls, their layout, the window events and the indexed groups.
#include "card/FrmCusAM.h"

#include "card/CardFieldTable.h"
#include "card/KeyInfoStrip.h"
#include "entry/GuardedProcedure.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/controls/RefEdit.h"
#include "suite/controls/Toolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace customer {

namespace {

// Label and control pairs side by side on a page.
constexpr int kFieldPairs = 3;
constexpr int kEdtCount = 37;
constexpr int kDateCount = 5;
constexpr int kNameDisplays = 3;
constexpr int kKeyInfoPixels = 36;
constexpr int kPictureWidth = 144;
constexpr int kPictureHeight = 168;
constexpr int kControlMinWidth = 128;

QString nameOf(QStringView name, int index)
{
    return index < 0 ? name.toString() : name.toString() + QString::number(index);
}

} // namespace

FrmCusAM::FrmCusAM(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmCusAM"));
    buildControls();
    lockDisplayOnlyFields();
    connectControls();
    runGuarded(QStringLiteral("FrmCusAM.Form_Initialize"), [this] { Form_Initialize(); });
}

FrmCusAM::~FrmCusAM() = default;

QString FrmCusAM::controlKey(const QString &name, int index)
{
    return index < 0 ? name.toLower() : name.toLower() + u'#' + QString::number(index);
}

void FrmCusAM::registerControl(const QString &name, int index, QWidget *control)
{
    control->setObjectName(nameOf(name, index));
    m_controls.insert(controlKey(name, index), control);
}

void FrmCusAM::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    TLB2 = new suite::Toolbar(this);
    TLB2->setObjectName(QStringLiteral("TLB2"));
    layout->addWidget(TLB2);
    ShowKeyInfo1 = new KeyInfoStrip(this);
    ShowKeyInfo1->setObjectName(QStringLiteral("ShowKeyInfo1"));
    ShowKeyInfo1->setFixedHeight(kKeyInfoPixels);
    layout->addWidget(ShowKeyInfo1);

    for (int index = 0; index < kEdtCount; ++index)
        m_edt.append(nullptr);
    for (int index = 0; index < kDateCount; ++index) {
        m_dates.append(nullptr);
        m_dateButtons.append(nullptr);
    }
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    for (int page = 0; page < CardPageCount; ++page)
        SSTab1->addTab(buildPage(page), QString());
    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 6, 8, 8);
    body->addWidget(SSTab1);
    layout->addLayout(body, 1);
}

QWidget *FrmCusAM::buildPage(int page)
{
    auto *pageWidget = new QWidget;
    auto *pageLayout = new QVBoxLayout(pageWidget);
    pageLayout->setContentsMargins(10, 10, 10, 10);
    pageLayout->setSpacing(8);
    if (page == UserDefPage || page == AttachmentPage) {
        QWidget *content = nullptr;
        if (page == UserDefPage) {
            InvUserDef1 = new suite::UserDefineControl;
            registerControl(QStringLiteral("InvUserDef1"), -1, InvUserDef1);
            auto *scroll = new QScrollArea(pageWidget);
            scroll->setWidgetResizable(true);
            scroll->setFrameShape(QFrame::NoFrame);
            scroll->setWidget(InvUserDef1);
            content = scroll;
        } else {
            InvAttachfile1 = new suite::AttachmentControl(pageWidget);
            registerControl(QStringLiteral("InvAttachfile1"), -1, InvAttachfile1);
            content = InvAttachfile1;
        }
        pageLayout->addWidget(content, 1);
        return pageWidget;
    }

    auto *fields = new QWidget(pageWidget);
    auto *grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    for (int pair = 0; pair < kFieldPairs; ++pair)
        grid->setColumnStretch(pair * 2 + 1, 1);
    int row = 0;
    int column = 0;
    QHash<QString, std::pair<QGridLayout *, std::pair<int, int>>> frames;
    QStringList frameOrder;
    for (const CardControl &field : cardControls()) {
        if (field.page != page)
            continue;
        if (field.frameKey.isEmpty()) {
            placeField(field, grid, row, column);
            continue;
        }
        const QString key = field.frameKey.toString();
        if (!frames.contains(key)) {
            auto *frame = new QGroupBox(pageWidget);
            const QString frameName = key == u"Tarn.AA.CUSTOMER.framebranch"
                ? QStringLiteral("FrameBranch")
                : QStringLiteral("Frame") + key.section(u'.', -1).mid(5);
            registerControl(frameName, -1, frame);
            frame->setProperty("captionKey", key);
            if (key == u"Tarn.AA.CUSTOMER.framebranch")
                FrameBranch = frame;
            auto *frameGrid = new QGridLayout(frame);
            frameGrid->setHorizontalSpacing(8);
            frameGrid->setVerticalSpacing(6);
            for (int pair = 0; pair < kFieldPairs; ++pair)
                frameGrid->setColumnStretch(pair * 2 + 1, 1);
            frames.insert(key, { frameGrid, { 0, 0 } });
            frameOrder.append(key);
        }
        auto &[frameGrid, position] = frames[key];
        placeField(field, frameGrid, position.first, position.second);
    }

    if (page == BasePage) {
        Frame2 = fields;
        registerControl(QStringLiteral("Frame2"), -1, Frame2);
        auto *top = new QHBoxLayout;
        top->setSpacing(12);
        top->addWidget(fields, 1);
        Pic = new suite::PictureControl(pageWidget);
        registerControl(QStringLiteral("Pic"), -1, Pic);
        Pic->setFixedSize(kPictureWidth, kPictureHeight);
        top->addWidget(Pic, 0, Qt::AlignTop);
        pageLayout->addLayout(top);
    } else {
        pageLayout->addWidget(fields);
    }
    for (const QString &key : frameOrder)
        pageLayout->addWidget(frames.value(key).first->parentWidget());
    pageLayout->addStretch(1);
    return pageWidget;
}

void FrmCusAM::placeField(const CardControl &field, QGridLayout *grid, int &row, int &column)
{
    QWidget *parent = grid->parentWidget();
    QWidget *control = createControl(field, parent);
    QWidget *cell = companionOf(field, control, parent);
    if (field.wide && column != 0) {
        ++row;
        column = 0;
    }
    if (field.kind != CardControlKind::Check) {
        auto *label = new QLabel(parent);
        const QString labelName = QStringLiteral("Lbl") + field.column.toString();
        registerControl(labelName, -1, label);
        m_labels.insert(field.column.toString().toLower(), label);
        label->setBuddy(control);
        grid->addWidget(label, row, column * 2, Qt::AlignLeft | Qt::AlignVCenter);
    }
    const int span = field.wide ? kFieldPairs * 2 - 1 : 1;
    grid->addWidget(cell, row, column * 2 + 1, 1, span);
    column = field.wide ? kFieldPairs : column + 1;
    if (column >= kFieldPairs) {
        ++row;
        column = 0;
    }
}

QWidget *FrmCusAM::createControl(const CardControl &field, QWidget *parent)
{
    const QString name = field.name.toString();
    QWidget *control = nullptr;
    switch (field.kind) {
    case CardControlKind::Edit: {
        auto *edit = new suite::RefEdit(parent);
        edit->setMinimumWidth(kControlMinWidth);
        if (name == u"Edt")
            m_edt[field.index] = edit;
        control = edit;
        break;
    }
    case CardControlKind::Date: {
        auto *date = new QLineEdit(parent);
        date->setMinimumWidth(kControlMinWidth - 30);
        m_dates[field.index] = date;
        control = date;
        break;
    }
    case CardControlKind::Check: {
        auto *box = new QCheckBox(parent);
        m_labels.insert(field.column.toString().toLower(), nullptr);
        control = box;
        break;
    }
    case CardControlKind::Combo: {
        auto *list = new QComboBox(parent);
        list->setMinimumWidth(kControlMinWidth);
        control = list;
        break;
    }
    }
    registerControl(name, field.index, control);
    return control;
}

QWidget *FrmCusAM::companionOf(const CardControl &field, QWidget *control, QWidget *parent)
{
    QWidget *companion = nullptr;
    if (field.kind == CardControlKind::Date) {
        auto *button = new QToolButton(parent);
        button->setText(QStringLiteral("…"));
        button->setFocusPolicy(Qt::NoFocus);
        m_dateButtons[field.index] = button;
        registerControl(QStringLiteral("Command1"), field.index, button);
        companion = button;
    } else if (field.companion == u"cmdMap") {
        cmdMap = new QPushButton(parent);
        registerControl(QStringLiteral("cmdMap"), -1, cmdMap);
        companion = cmdMap;
    } else if (!field.companion.isEmpty()) {
        auto *display =
            field.companion == u"Text1" ? new QLineEdit(parent) : new suite::RefEdit(parent);
        display->setReadOnly(true);
        display->setFocusPolicy(Qt::NoFocus);
        if (field.companion == u"Text1")
            m_text1.append(display);
        registerControl(field.companion.toString(), field.companionIndex, display);
        companion = display;
    }
    if (!companion)
        return control;
    auto *cell = new QWidget(parent);
    auto *row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    const bool nameBeside = qobject_cast<QLineEdit *>(companion) != nullptr;
    if (nameBeside) {
        control->setMinimumWidth(kControlMinWidth / 2);
        companion->setMinimumWidth(kControlMinWidth / 2);
    }
    row->addWidget(control, 1);
    row->addWidget(companion, nameBeside ? 1 : 0);
    return cell;
}

suite::RefEdit *FrmCusAM::Edt(int index) const
{
    return index >= 0 && index < m_edt.size() ? m_edt.at(index) : nullptr;
}

QLineEdit *FrmCusAM::EdtDTPicker1(int index) const
{
    return index >= 0 && index < m_dates.size() ? m_dates.at(index) : nullptr;
}

QToolButton *FrmCusAM::Command1(int index) const
{
    return index >= 0 && index < m_dateButtons.size() ? m_dateButtons.at(index) : nullptr;
}

QLineEdit *FrmCusAM::Text1(int index) const
{
    return index >= 0 && index < m_text1.size() ? m_text1.at(index) : nullptr;
}

suite::RefEdit *FrmCusAM::refEdit(const QString &name) const
{
    return qobject_cast<suite::RefEdit *>(m_controls.value(controlKey(name, -1)));
}

QCheckBox *FrmCusAM::checkBox(const QString &name) const
{
    return qobject_cast<QCheckBox *>(m_controls.value(controlKey(name, -1)));
}

QComboBox *FrmCusAM::comboBox(const QString &name) const
{
    return qobject_cast<QComboBox *>(m_controls.value(controlKey(name, -1)));
}

QLabel *FrmCusAM::captionLabel(const QString &column) const
{
    return m_labels.value(column.toLower());
}

void FrmCusAM::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_bFirstActivate || m_activationQueued)
        return;
    // The first showing counts as the first activation: inside the portal or on an offscreen
    // screen the window system never activates the card. The set-up adds controls, which Qt does
    // not allow while it is showing them, so it runs once the showing is over.
    m_activationQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            runGuarded(QStringLiteral("FrmCusAM.Form_Activate"), [this] { Form_Activate(); });
        },
        Qt::QueuedConnection);
}

void FrmCusAM::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_bFirstActivate)
        runGuarded(QStringLiteral("FrmCusAM.Form_Resize"), [this] { Form_Resize(); });
}

void FrmCusAM::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    runGuarded(QStringLiteral("FrmCusAM.Form_Resize"), [this] { Form_Resize(); });
}

} // namespace customer
