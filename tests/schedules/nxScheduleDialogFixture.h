#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "contracts/nxApplicationSchedule.h"
#include "contracts/nxTimeZoneConverter.h"
#include "nxDialogOperator.h"
#include "nxLogCapture.h"
#include "nxMessageBoxInterceptor.h"
#include "platform/service/nxScriptedControlService.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/nxTimeField.h"
#include "platform/ui/nxTimePicker.h"
#include "vsmSourcePaths.h"

// A time-zone service whose table and failure a test chooses; it records the paths it is given.
class nxFakeTimeZones : public nxTimeZoneConverter
{
public:
    bool IsInitialised() const override { return m_initialised; }
    bool Initialise(std::string& errorText, const std::string& path) override
    {
        m_paths.push_back(path);
        if (!m_failure.empty())
        {
            errorText = m_failure;
            return false;
        }
        m_initialised = true;
        return true;
    }
    void GetTimeZoneRegions(std::vector<std::string>& regions) const override
    {
        regions = m_initialised ? m_regions : std::vector<std::string>();
    }

    bool m_initialised = false;
    std::string m_failure;
    std::vector<std::string> m_regions{"Europe/London", "America/New_York", "Asia/Tokyo", "Europe/Berlin"};
    std::vector<std::string> m_paths;
};

// The operator's hands on the time pickers of a schedule dialog.
namespace nxOperator
{
inline nxTimePicker* Picker(CDialog& dialog, int id)
{
    return dynamic_cast<nxTimePicker*>(dialog.GetDlgItem(id));
}

inline void Untick(CDialog& dialog, int id)
{
    nxTimePicker* picker = Picker(dialog, id);
    ASSERT_TRUE(picker);
    ASSERT_FALSE(picker->IsNone());
    QTest::mouseClick(picker->GetTickBox(), Qt::LeftButton);
}

// Types the digits of a time ("0830") over the whole picker; a cleared picker ticks itself.
inline void TypeTime(CDialog& dialog, int id, const char* digits)
{
    nxTimeField* field = Picker(dialog, id)->GetField();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, digits);
}

inline std::string Shown(CDialog& dialog, int id)
{
    nxTimePicker* picker = Picker(dialog, id);
    return picker->IsNone() ? "none" : picker->GetField()->text().toStdString();
}
} // namespace nxOperator

// The scripted service, fake time zones, intercepted boxes and captured log lines of every schedule test.
class nxScheduleDialogTest : public ::testing::Test
{
protected:
    nxScheduleDialogTest() : m_previousZones(nxTimeZoneConverter::SetInstance(&m_zones)) {}
    ~nxScheduleDialogTest() override { nxTimeZoneConverter::SetInstance(m_previousZones); }

    // A Monday-to-Friday scheme, 08:00 to 17:30, as the service would hold it.
    static nxApplicationSchedule Scheme(const std::string& name, const std::string& region, uint32_t version)
    {
        nxApplicationSchedule scheme;
        scheme.SetScheduleName(name);
        scheme.SetTimeZoneRegion(region);
        scheme.SetVersion(version);
        for (int day = 1; day <= 5; ++day)
        {
            scheme.GetScheduleForDay(day).SetStartTime(nxTime(8, 0));
            scheme.GetScheduleForDay(day).SetStopTime(nxTime(17, 30));
        }
        return scheme;
    }

    // Saves a picture of the dialog for the README, under docs/images.
    static void SaveScreenshot(QWidget& dialog, const char* name)
    {
        const QString folder = QString(VSM_DATA_DIR) + "/../docs/images";
        QDir().mkpath(folder);
        EXPECT_TRUE(dialog.grab().save(folder + "/" + name));
    }

    // Puts a scheme in the service, leaving no trace among its requests.
    void Hold(const nxApplicationSchedule& scheme)
    {
        ASSERT_TRUE(m_service.SaveApplicationScheduleDefinition(scheme, false).IsOK());
        m_service.ClearRequests();
    }

    using Box = nxMessageBoxInterceptor::Box;

    nxScriptedControlService m_service;
    nxFakeTimeZones m_zones;
    nxTimeZoneConverter* m_previousZones;
    nxMessageBoxInterceptor m_boxes;
    nxLogCapture m_log;
};
