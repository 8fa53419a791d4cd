#pragma once

#include <array>
#include <memory>
#include <string>

#include "contracts/nxApplicationSchedule.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/CVantrelDateTimeCtrl.h"

// Defines one schedule scheme: its name, time-zone region, flags and the start and
// stop time of each weekday. Opened new (nothing shown, the name editable), to update
// a scheme (its name fixed, its version carried into the save) or to save a copy (a
// new name). It closes with OK only once the service has saved the scheme.
class CApplicationScheduleDlg : public CDialog
{
public:
    explicit CApplicationScheduleDlg(QWidget* parent);
    ~CApplicationScheduleDlg() override;

    void SetNew(bool isNew) { m_new = isNew; }
    void SetCopy(bool isCopy) { m_copy = isCopy; }
    // The scheme to show; the dialog owns it from now on.
    void SetSourceSchedule(std::unique_ptr<nxApplicationSchedule> schedule);
    // Pixels from the start column to the stop column, measured when the dialog opens.
    int GetColumnDistance() const { return m_columnDistance; }
    // The name the scheme was saved under; empty until a save succeeds.
    const std::string& GetSavedScheduleName() const { return m_savedName; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void InitialiseTimeZoneConverter();
    void FillRegions();
    void ShowDefaultTimes();
    void ShowSourceSchedule();
    void SelectRegion(const std::string& region);
    // The start column stands left of the stop column, or right of it while
    // "Starts In The Evening" is ticked.
    void LayoutColumns();

    bool ReadName(nxApplicationSchedule& schedule);
    bool ReadRegion(nxApplicationSchedule& schedule);
    bool ReadDays(nxApplicationSchedule& schedule);
    bool ReadPicker(CVantrelDateTimeCtrl& picker, nxTime& time);
    static void ShowTime(CVantrelDateTimeCtrl& picker, const nxTime& time);
    void Refuse(const std::string& text);

    bool m_new = false;
    bool m_copy = false;
    std::unique_ptr<nxApplicationSchedule> m_source;
    int m_columnDistance = 0;
    std::string m_savedName;

    CEdit m_name;
    CComboBox m_region;
    CButton m_startsInTheEvening;
    CButton m_ignoreDailyShutdown;
    CStatic m_startLabel;
    CStatic m_stopLabel;
    std::array<CVantrelDateTimeCtrl, nxApplicationSchedule::DaysPerWeek> m_start;
    std::array<CVantrelDateTimeCtrl, nxApplicationSchedule::DaysPerWeek> m_stop;
};
