#include "platform/ui/CVantrelDateTimeCtrl.h"

#include "platform/ui/nxDialogTemplate.h"
#include "platform/ui/nxTimePicker.h"

namespace
{
nxTimePicker* PickerOf(QWidget* widget)
{
    return dynamic_cast<nxTimePicker*>(widget);
}
} // namespace

std::function<QWidget*(QWidget*)> CVantrelDateTimeCtrl::Factory(unsigned style)
{
    return [style](QWidget* parent) -> QWidget*
    {
        return new nxTimePicker(parent, (style & nxStyle::DTS_SHOWNONE) != 0,
                                (style & nxStyle::DTS_UPDOWN) != 0);
    };
}

bool CVantrelDateTimeCtrl::SetFormat(const std::string& format)
{
    nxTimePicker* picker = PickerOf(m_widget);
    return picker && picker->SetFormat(QString::fromStdString(format));
}

bool CVantrelDateTimeCtrl::SetTime(const QTime* time)
{
    nxTimePicker* picker = PickerOf(m_widget);
    if (!picker)
        return false;
    if (!time)
        return picker->SetNone();
    if (!time->isValid())
        return false;
    picker->SetTime(*time);
    return true;
}

int CVantrelDateTimeCtrl::GetTime(QTime& time) const
{
    const nxTimePicker* picker = PickerOf(m_widget);
    if (!picker)
        return GDT_ERROR;
    if (picker->IsNone())
        return GDT_NONE;
    const std::optional<QTime> shown = picker->GetTime();
    if (!shown)
        return GDT_ERROR;
    time = *shown;
    return GDT_VALID;
}
