#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/CButton.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CPropertySheet.h"

namespace
{
class CountingPage : public CPropertyPage
{
public:
    CountingPage(const char* caption, bool refuse)
        : CPropertyPage({0, caption, 120, 60, {{10, nxControlKind::CheckBox, "Option", {5, 5, 80, 10}}}}),
          m_refuse(refuse)
    {
        MapNotify(10, nxNotify::BN_CLICKED, [this] { SetModified(); });
    }
    bool OnApply() override
    {
        ++m_applied;
        return m_refuse ? false : CPropertyPage::OnApply();
    }
    void OnReset() override { ++m_resets; }

    int m_applied = 0;
    int m_resets = 0;
    bool m_refuse;
};
} // namespace

TEST(CPropertySheet, ApplyRunsOnlyModifiedPagesAndCancelRunsNone)
{
    CPropertySheet sheet("Customise", nullptr);
    auto* first = new CountingPage("First", false);
    auto* second = new CountingPage("Second", false);
    sheet.AddPage(first);
    sheet.AddPage(second);
    sheet.Create();
    EXPECT_EQ(second, sheet.GetPage(1)) << "pages stand in the order added";
    EXPECT_FALSE(sheet.GetApplyButton()->isEnabled());

    QTest::mouseClick(first->GetDlgItem(10), Qt::LeftButton);
    EXPECT_TRUE(sheet.GetApplyButton()->isEnabled());
    QTest::mouseClick(sheet.GetApplyButton(), Qt::LeftButton);
    EXPECT_EQ(1, first->m_applied);
    EXPECT_EQ(0, second->m_applied);
    EXPECT_FALSE(sheet.GetApplyButton()->isEnabled());
    EXPECT_TRUE(sheet.isVisible());

    sheet.SetActivePage(1);
    QTest::mouseClick(second->GetDlgItem(10), Qt::LeftButton);
    QTest::mouseClick(sheet.GetCancelButton(), Qt::LeftButton);
    EXPECT_EQ(0, second->m_applied);
    EXPECT_EQ(1, second->m_resets);
    EXPECT_EQ(IDCANCEL, sheet.result());
}

TEST(CPropertySheet, OKAppliesAndAPageCanKeepTheSheetOpen)
{
    CPropertySheet sheet("Customise", nullptr);
    auto* refusing = new CountingPage("Refusing", true);
    sheet.AddPage(new CountingPage("Plain", false));
    sheet.AddPage(refusing);
    sheet.Create();
    sheet.SetActivePage(1);
    QTest::mouseClick(refusing->GetDlgItem(10), Qt::LeftButton);
    QTest::mouseClick(sheet.GetOKButton(), Qt::LeftButton);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(1, refusing->m_applied);

    refusing->m_refuse = false;
    QTest::keyClick(refusing->GetDlgItem(10), Qt::Key_Escape);
    EXPECT_FALSE(sheet.isVisible()) << "Escape in a page closes the sheet";
    EXPECT_EQ(IDCANCEL, sheet.result());
}
