#include "platform/ui/CDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "platform/ui/CWnd.h"

namespace
{
// A static control that a dialog may colour (a swatch).
class nxDialogStatic : public QLabel
{
public:
    nxDialogStatic(const QString& text, QWidget* parent, std::function<std::optional<QColor>()> color)
        : QLabel(text, parent), m_color(std::move(color))
    {
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const std::optional<QColor> color = m_color();
        if (!color)
        {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.fillRect(rect(), *color);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    std::function<std::optional<QColor>()> m_color;
};

// A check box that takes a click anywhere in its rectangle, as dialog check boxes do.
class nxDialogCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

bool TakesFocus(nxControlKind kind)
{
    return kind != nxControlKind::Static && kind != nxControlKind::GroupBox;
}

bool HasMnemonic(const std::string& text)
{
    for (size_t at = text.find('&'); at != std::string::npos && at + 1 < text.size();
         at = text.find('&', at + 2))
        if (text[at + 1] != '&')
            return true;
    return false;
}
} // namespace

CDialog::CDialog(const nxDialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_template(dialogTemplate)
{
    setWindowTitle(QString::fromStdString(m_template.caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    Create(false);
    return exec();
}

void CDialog::Create(bool show)
{
    if (m_built)
        DestroyControls();
    BuildControls();
    DoDataExchange();
    if (OnInitDialog())
        FocusFirstControl();
    if (show)
        this->show();
}

void CDialog::EndDialog(int result)
{
    QDialog::done(result);
}

QRect CDialog::MapDialogRect(const nxDialogRect& rect) const
{
    const QFontMetrics metrics(font());
    // The classic base units: average width of the alphabet, and the line height.
    const int baseX =
        (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
    const int baseY = metrics.height();
    return QRect(rect.x * baseX / 4, rect.y * baseY / 8, rect.width * baseX / 4, rect.height * baseY / 8);
}

QWidget* CDialog::GetDlgItem(int id) const
{
    auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

std::string CDialog::GetDlgItemText(int id) const
{
    CWnd control;
    control.Attach(GetDlgItem(id));
    return control.GetWindowText();
}

void CDialog::SetDlgItemText(int id, const std::string& text)
{
    CWnd control;
    control.Attach(GetDlgItem(id));
    control.SetWindowText(text);
}

void CDialog::GotoDlgCtrl(int id)
{
    if (QWidget* control = GetDlgItem(id))
        control->setFocus(Qt::OtherFocusReason);
}

void CDialog::DDX_Control(int id, CWnd& control)
{
    control.Attach(GetDlgItem(id));
}

void CDialog::MapNotify(int id, unsigned code, std::function<void()> handler)
{
    m_notifications[{id, code}] = std::move(handler);
}

void CDialog::reject()
{
    OnCancel();
}

void CDialog::accept()
{
    OnOK();
}

bool CDialog::HasDefaultButton() const
{
    for (const nxDialogControl& control : m_template.controls)
        if (control.kind == nxControlKind::DefPushButton)
            return true;
    return false;
}

// Qt makes the first push button the default of a dialog that has none when it shows;
// here only a focused button takes Enter.
void CDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (!visible || HasDefaultButton())
        return;
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->isDefault() && !button->hasFocus())
            button->setDefault(false);
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !HasDefaultButton())
    {
        OnOK();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialog::BuildControls()
{
    const QRect client = MapDialogRect({0, 0, m_template.width, m_template.height});
    setFixedSize(client.size());
    QWidget* previous = nullptr;
    // A label's mnemonic goes to the control after it that takes the focus.
    QLabel* labelWaiting = nullptr;
    for (const nxDialogControl& control : m_template.controls)
    {
        QWidget* widget = MakeControl(control);
        if (control.kind == nxControlKind::Static && HasMnemonic(control.text))
            labelWaiting = qobject_cast<QLabel*>(widget);
        widget->setProperty("dlgCtrlId", control.id);
        QRect geometry = MapDialogRect(control.rect);
        // A drop-down's height in a template includes its list; the closed box has its own.
        if (control.kind == nxControlKind::DropDownList)
            geometry.setHeight(widget->sizeHint().height());
        widget->setGeometry(geometry);
        widget->setEnabled(!(control.style & nxStyle::WS_DISABLED));
        if (control.id != -1)
            m_controls[control.id] = widget;
        Connect(control, widget);
        if (TakesFocus(control.kind))
        {
            if (labelWaiting)
                labelWaiting->setBuddy(widget);
            labelWaiting = nullptr;
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
        widget->show();
    }
    m_built = true;
}

void CDialog::DestroyControls()
{
    m_controls.clear();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete child;
    m_built = false;
}

QWidget* CDialog::MakeControl(const nxDialogControl& control)
{
    const QString text = QString::fromStdString(control.text);
    switch (control.kind)
    {
    case nxControlKind::Static:
    {
        const int id = control.id;
        auto* label = new nxDialogStatic(text, this, [this, id] { return OnCtlColor(id); });
        if (control.style & nxStyle::SS_CENTER)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        else if (control.style & nxStyle::SS_RIGHT)
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        else
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (control.style & nxStyle::SS_SUNKEN)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setWordWrap(true);
        return label;
    }
    case nxControlKind::Edit:
    {
        auto* edit = new QLineEdit(text, this);
        edit->setReadOnly(control.style & nxStyle::ES_READONLY);
        return edit;
    }
    case nxControlKind::PushButton:
    case nxControlKind::DefPushButton:
    {
        auto* button = new QPushButton(text, this);
        button->setDefault(control.kind == nxControlKind::DefPushButton);
        return button;
    }
    case nxControlKind::CheckBox:
        return new nxDialogCheckBox(text, this);
    case nxControlKind::GroupBox:
        return new QGroupBox(text, this);
    case nxControlKind::ListBox:
    {
        auto* list = new QListWidget(this);
        if (control.style & nxStyle::LBS_MULTIPLESEL)
            list->setSelectionMode(QAbstractItemView::MultiSelection);
        else if (control.style & nxStyle::LBS_EXTENDEDSEL)
            list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        else
            list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setProperty("sorted", bool(control.style & nxStyle::LBS_SORT));
        list->setVerticalScrollBarPolicy((control.style & nxStyle::WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                               : Qt::ScrollBarAlwaysOff);
        return list;
    }
    case nxControlKind::DropDownList:
    {
        auto* combo = new QComboBox(this);
        combo->setProperty("sorted", bool(control.style & nxStyle::CBS_SORT));
        return combo;
    }
    case nxControlKind::Custom:
        if (control.factory)
            if (QWidget* widget = control.factory(this))
                return widget;
        return new QWidget(this);
    }
    return new QWidget(this);
}

void CDialog::Connect(const nxDialogControl& control, QWidget* widget)
{
    const int id = control.id;
    if (auto* button = qobject_cast<QPushButton*>(widget))
        connect(button, &QPushButton::clicked, this,
                [this, id]
                {
                    if (id == IDOK)
                        OnOK();
                    else if (id == IDCANCEL)
                        OnCancel();
                    else
                        Notify(id, nxNotify::BN_CLICKED);
                });
    else if (auto* check = qobject_cast<QCheckBox*>(widget))
        connect(check, &QCheckBox::clicked, this, [this, id] { Notify(id, nxNotify::BN_CLICKED); });
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        connect(edit, &QLineEdit::textChanged, this, [this, id] { Notify(id, nxNotify::EN_CHANGE); });
    else if (auto* list = qobject_cast<QListWidget*>(widget))
    {
        connect(list, &QListWidget::itemSelectionChanged, this,
                [this, id] { Notify(id, nxNotify::LBN_SELCHANGE); });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, id] { Notify(id, nxNotify::LBN_DBLCLK); });
    }
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        connect(combo, &QComboBox::activated, this, [this, id] { Notify(id, nxNotify::CBN_SELCHANGE); });
}

void CDialog::Notify(int id, unsigned code)
{
    auto found = m_notifications.find({id, code});
    if (found != m_notifications.end() && found->second)
        found->second();
}

void CDialog::FocusFirstControl()
{
    for (const nxDialogControl& control : m_template.controls)
    {
        if (!TakesFocus(control.kind))
            continue;
        QWidget* widget = GetDlgItem(control.id);
        if (widget && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus)
        {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
