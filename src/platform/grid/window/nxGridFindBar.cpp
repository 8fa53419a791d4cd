#include "platform/grid/window/nxGridFindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

nxGridFindBar::nxGridFindBar(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_count(new QLabel(this)),
      m_previous(new QToolButton(this)), m_next(new QToolButton(this)), m_close(new QToolButton(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(tr("Find:"), this);
    label->setBuddy(m_edit);
    m_edit->setClearButtonEnabled(true);
    m_edit->setPlaceholderText(tr("Text in the visible columns"));
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(QStringLiteral("000,000 of 000,000")));
    m_previous->setArrowType(Qt::UpArrow);
    m_previous->setToolTip(tr("Previous (Shift+F3)"));
    m_next->setArrowType(Qt::DownArrow);
    m_next->setToolTip(tr("Next (F3)"));
    m_close->setText(QStringLiteral("\u2715"));
    m_close->setToolTip(tr("Close (Escape)"));
    m_close->setAutoRaise(true);
    layout->addWidget(label);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_count);
    layout->addWidget(m_close);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textChanged, this, &nxGridFindBar::TextEdited);
    connect(m_previous, &QToolButton::clicked, this, &nxGridFindBar::PreviousRequested);
    connect(m_next, &QToolButton::clicked, this, &nxGridFindBar::NextRequested);
    connect(m_close, &QToolButton::clicked, this, &nxGridFindBar::CloseRequested);
}

QString nxGridFindBar::GetText() const
{
    return m_edit->text();
}

void nxGridFindBar::ShowCount(size_t number, size_t count)
{
    const QLocale locale(QLocale::English);
    if (m_edit->text().isEmpty())
        m_count->clear();
    else if (count == 0)
        m_count->setText(tr("No hits"));
    else
        m_count->setText(
            tr("%1 of %2")
                .arg(number ? locale.toString(static_cast<qulonglong>(number)) : QStringLiteral("-"),
                     locale.toString(static_cast<qulonglong>(count))));
}

QString nxGridFindBar::GetCountText() const
{
    return m_count->text();
}

bool nxGridFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape)
    {
        emit CloseRequested();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
    {
        if (key->modifiers() & Qt::ShiftModifier)
            emit PreviousRequested();
        else
            emit NextRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
