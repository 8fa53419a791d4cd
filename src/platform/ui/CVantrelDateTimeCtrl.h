#pragma once

#include <QTime>
#include <functional>
#include <string>

#include "platform/ui/CWnd.h"

// What GetTime answers, as the standard date-time control does.
inline constexpr int GDT_ERROR = -1;
inline constexpr int GDT_VALID = 0;
inline constexpr int GDT_NONE = 1;

// A date-time picker in time format (a handle over nxTimePicker). Its template entry
// is a Custom control made by Factory, with DTS_UPDOWN for up-down buttons and
// DTS_SHOWNONE for the tick box that marks "no time".
class CVantrelDateTimeCtrl : public CWnd
{
public:
    static std::function<QWidget*(QWidget*)> Factory(unsigned style);

    // Two-digit fields "HH", "mm", "ss" with separators; false for any other format.
    bool SetFormat(const std::string& format);
    // Null clears the tick box (no time); false for a picker without one.
    bool SetTime(const QTime* time);
    // GDT_VALID with the time shown; GDT_NONE while the tick box is cleared;
    // GDT_ERROR while a field is blank.
    int GetTime(QTime& time) const;
};
