#include "platform/ui/nxTimePicker.h"

#include <QCheckBox>
#include <QKeyEvent>

#include "platform/ui/nxTimeField.h"

namespace
{
bool TicksACleared(const QKeyEvent& key)
{
    switch (key.key())
    {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return key.text().size() == 1 && key.text()[0] >= u'0' && key.text()[0] <= u'9';
    }
}
} // namespace

nxTimePicker::nxTimePicker(QWidget* parent, bool showNone, bool upDown)
    : QWidget(parent), m_field(new nxTimeField(this))
{
    if (!upDown)
        m_field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    if (showNone)
    {
        m_tick = new QCheckBox(this);
        m_tick->setFocusPolicy(Qt::NoFocus);
        m_tick->setChecked(true);
        connect(m_tick, &QCheckBox::toggled, this, [this](bool ticked) { ApplyTick(ticked); });
        connect(m_tick, &QCheckBox::clicked, this, [this] { m_field->setFocus(Qt::MouseFocusReason); });
    }
    m_field->installEventFilter(this);
    setFocusProxy(m_field);
    setFocusPolicy(m_field->focusPolicy());
}

bool nxTimePicker::SetFormat(const QString& format)
{
    return m_field->SetFormat(format);
}

void nxTimePicker::SetTime(const QTime& time)
{
    m_field->SetTime(time);
    if (m_tick)
        m_tick->setChecked(true);
}

bool nxTimePicker::SetNone()
{
    if (!m_tick)
        return false;
    m_tick->setChecked(false);
    return true;
}

bool nxTimePicker::IsNone() const
{
    return m_tick && !m_tick->isChecked();
}

std::optional<QTime> nxTimePicker::GetTime() const
{
    return m_field->GetTime();
}

void nxTimePicker::ApplyTick(bool ticked)
{
    m_field->setReadOnly(!ticked);
    QPalette palette = this->palette();
    if (!ticked)
        palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
    m_field->setPalette(palette);
}

bool nxTimePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_tick)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier)
    {
        m_tick->toggle();
        return true;
    }
    if (!m_tick->isChecked() && TicksACleared(*key))
        m_tick->setChecked(true);
    return QWidget::eventFilter(watched, event);
}

void nxTimePicker::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    int left = 0;
    if (m_tick)
    {
        const QSize box = m_tick->sizeHint();
        m_tick->setGeometry(2, (height() - box.height()) / 2, box.width(), box.height());
        left = box.width() + 4;
    }
    m_field->setGeometry(left, 0, std::max(0, width() - left), height());
}
