#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <map>

#include "grids/CCustomizeViewSystemManagerHighlightsPropertyPage.h"
#include "grids/nxClientControlGridManager.h"
#include "grids/nxServerControlGridManager.h"
#include "nxControlGridWindowFixture.h"
#include "nxModalDriver.h"
#include "platform/grid/window/CCustomizeViewDlg.h"

namespace
{
using Page = CCustomizeViewSystemManagerHighlightsPropertyPage;

struct Group
{
    const char* title;
    int combo, swatch, button;
};
const Group kGroups[] = {
    {"OK", 32780, 32784, 32782},
    {"Unexpected", 32781, 32785, 32783},
    {"FT State", 32786, 32788, 32787},
    {"Missing", 32789, 32791, 32790},
};

class Highlights : public nxControlGridWindowFixture<nxServerControlGridManager>
{
protected:
    void SetUp() override
    {
        nxControlGridWindowFixture::SetUp();
        CGridStyleManager styles = Grid().GetStyleManager();
        styles.SetCustomHighlightColor(2, nxRGB(250, 200, 100));
        styles.SetCustomHighlightFlashType(2, nxGridFlashType::None);
        styles.SetCustomHighlightFlashType(4, nxGridFlashType::Text);
        Grid().SetStyleManager(styles);
        m_dialog = std::make_unique<CCustomizeViewDlg>(Grid(), m_window.get());
        Grid().InitializeCustomizeViewDialog(*m_dialog);
        m_dialog->Create();
        m_page = dynamic_cast<Page*>(m_dialog->GetPage(m_dialog->GetPageCount() - 1));
        ASSERT_NE(m_page, nullptr);
        m_dialog->SetActivePage(m_dialog->GetPageCount() - 1);
    }
    void TearDown() override
    {
        m_dialog.reset();
        nxControlGridWindowFixture::TearDown();
    }

    QComboBox* Combo(int group) { return qobject_cast<QComboBox*>(m_page->GetDlgItem(kGroups[group].combo)); }
    QColor Swatch(int group)
    {
        const QImage image = m_page->GetDlgItem(kGroups[group].swatch)->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
    void ClickColour(int group, const std::function<void(QColorDialog&)>& answer)
    {
        nxModalDriver driver([&](QWidget* modal) { answer(*qobject_cast<QColorDialog*>(modal)); });
        QTest::mouseClick(m_page->GetDlgItem(kGroups[group].button), Qt::LeftButton);
        EXPECT_TRUE(driver.Ran());
    }

    std::unique_ptr<CCustomizeViewDlg> m_dialog;
    Page* m_page = nullptr;
};

QStringList PageCaptions(CCustomizeViewDlg& dialog)
{
    QStringList captions;
    for (int page = 0; page < dialog.GetPageCount(); ++page)
        captions << QString::fromStdString(dialog.GetPage(page)->GetTemplate().caption);
    return captions;
}
} // namespace

TEST_F(Highlights, IsTheLastPageOfTheServerGridOnly)
{
    EXPECT_EQ(PageCaptions(*m_dialog), (QStringList{"Columns", "Updates", "Colours", "Highlights"}));

    nxGridWndTemplate<nxClientControlGridManager, 0> clients;
    CCustomizeViewDlg dialog(*clients.GetGridManager(), &clients);
    clients.GetGridManager()->InitializeCustomizeViewDialog(dialog);
    EXPECT_EQ(PageCaptions(dialog), (QStringList{"Columns", "Updates", "Colours"}));
}

TEST_F(Highlights, FourGroupBoxesOneAboveTheOtherEachWithFlashTypeSwatchAndButton)
{
    const nxDialogTemplate& page = m_page->GetTemplate();
    EXPECT_EQ(page.id, 106u);
    EXPECT_EQ(page.caption, "Highlights");
    EXPECT_EQ(page.width, 220);
    EXPECT_EQ(page.height, 210);
    std::vector<nxDialogControl> boxes;
    std::map<int, nxDialogControl> byId;
    for (const nxDialogControl& control : page.controls)
    {
        if (control.kind == nxControlKind::GroupBox)
            boxes.push_back(control);
        byId.emplace(control.id, control);
    }
    ASSERT_EQ(boxes.size(), 4u);
    auto size = [](const nxDialogControl& control)
    { return std::pair(control.rect.width, control.rect.height); };
    for (size_t group = 0; group < 4; ++group)
    {
        const nxDialogRect& box = boxes[group].rect;
        EXPECT_EQ(boxes[group].text, kGroups[group].title);
        EXPECT_EQ(std::pair(box.width, box.height), std::pair(198, 42));
        EXPECT_LE(box.x + box.width, page.width);
        EXPECT_LE(box.y + box.height, page.height);
        if (group > 0)
        {
            EXPECT_GT(box.y, boxes[group - 1].rect.y + 42) << "one above the other";
        }
        const nxDialogControl& combo = byId.at(kGroups[group].combo);
        const nxDialogControl& swatch = byId.at(kGroups[group].swatch);
        const nxDialogControl& button = byId.at(kGroups[group].button);
        EXPECT_EQ(combo.kind, nxControlKind::DropDownList);
        EXPECT_EQ(combo.rect.width, 78);
        EXPECT_EQ(size(swatch), std::pair(18, 12));
        EXPECT_EQ(size(button), std::pair(50, 14));
        EXPECT_EQ(button.text, "Colour...");
    }

    // On screen: every control inside its group's box, none over another.
    const QList<QWidget*> controls = m_page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls)
        for (QWidget* b : controls)
            if (a != b && !qobject_cast<QGroupBox*>(a) && !qobject_cast<QGroupBox*>(b))
            {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->property("dlgCtrlId").toInt() << " overlaps " << b->property("dlgCtrlId").toInt();
            }
    for (const Group& group : kGroups)
    {
        const QGroupBox* box = nullptr;
        for (QWidget* control : controls)
            if (auto* candidate = qobject_cast<QGroupBox*>(control);
                candidate && candidate->title() == group.title)
                box = candidate;
        ASSERT_NE(box, nullptr) << group.title;
        for (int id : {group.combo, group.swatch, group.button})
            EXPECT_TRUE(box->geometry().contains(m_page->GetDlgItem(id)->geometry())) << id;
    }
}

TEST_F(Highlights, ShowsEachHighlightsFlashTypeAndColour)
{
    const nxGridFlashType shown[] = {nxGridFlashType::Background, nxGridFlashType::None,
                                     nxGridFlashType::Background, nxGridFlashType::Text};
    const CGridStyleManager& styles = Grid().GetStyleManager();
    for (int group = 0; group < 4; ++group)
    {
        QStringList entries;
        for (int index = 0; index < Combo(group)->count(); ++index)
            entries << Combo(group)->itemText(index);
        EXPECT_EQ(entries, (QStringList{"None", "Background", "Text"}))
            << "no Default: a highlight has its own";
        EXPECT_EQ(static_cast<nxGridFlashType>(Combo(group)->currentData().toULongLong()), shown[group]);
        const COLORREF colour = styles.GetCustomHighlightColor(group + 1);
        EXPECT_EQ(Swatch(group), QColor(nxGetRValue(colour), nxGetGValue(colour), nxGetBValue(colour)));
    }
    EXPECT_EQ(Swatch(1), QColor(250, 200, 100));
}

TEST_F(Highlights, AChosenFlashTypeIsAppliedToThatHighlight)
{
    Combo(2)->setCurrentIndex(Combo(2)->findText("Text"));
    emit Combo(2)->activated(Combo(2)->currentIndex());
    EXPECT_TRUE(m_page->IsModified());
    EXPECT_EQ(m_dialog->GetStyleManager().GetCustomHighlightFlashType(3), nxGridFlashType::Text);
    EXPECT_EQ(Grid().GetStyleManager().GetCustomHighlightFlashType(3), nxGridFlashType::Background)
        << "not yet";
    QTest::mouseClick(m_dialog->GetApplyButton(), Qt::LeftButton);
    EXPECT_EQ(Grid().GetStyleManager().GetCustomHighlightFlashType(3), nxGridFlashType::Text);
    EXPECT_EQ(Grid().GetStyleManager().GetCustomHighlightFlashType(4), nxGridFlashType::Text);
    EXPECT_EQ(Grid().GetStyleManager().GetCustomHighlightFlashType(1), nxGridFlashType::Background);
}

TEST_F(Highlights, AColourChosenInTheColourDialogIsShownAndApplied)
{
    const COLORREF before = Grid().GetStyleManager().GetCustomHighlightColor(4);
    ClickColour(3, [](QColorDialog& colours) { colours.reject(); });
    EXPECT_FALSE(m_page->IsModified()) << "cancelled";
    EXPECT_EQ(m_dialog->GetStyleManager().GetCustomHighlightColor(4), before);

    ClickColour(3,
                [](QColorDialog& colours)
                {
                    EXPECT_EQ(colours.currentColor(), QColor(232, 166, 115))
                        << "it starts from the current colour";
                    colours.setCurrentColor(QColor(10, 20, 30));
                    colours.accept();
                });
    EXPECT_TRUE(m_page->IsModified());
    EXPECT_EQ(Swatch(3), QColor(10, 20, 30));
    EXPECT_EQ(Swatch(0), QColor(115, 202, 178)) << "the other swatches keep theirs";
    EXPECT_EQ(m_dialog->GetStyleManager().GetCustomHighlightColor(4), nxRGB(10, 20, 30));
    EXPECT_EQ(Grid().GetStyleManager().GetCustomHighlightColor(4), before) << "not before OK";
    QTest::mouseClick(m_dialog->GetOKButton(), Qt::LeftButton);
    EXPECT_EQ(Grid().GetStyleManager().GetCustomHighlightColor(4), nxRGB(10, 20, 30));
    EXPECT_EQ(Grid().GetStyleManager().GetCustomHighlightColor(2), nxRGB(250, 200, 100));
}
