#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>

#include "log/window/CLogFilterDlg.h"
#include "log/window/CTestRegexFilterDlg.h"
#include "log/window/nxLogResourceIds.h"
#include "log/window/nxRunLogFiltersCommand.h"
#include "nxDialogOperator.h"
#include "nxLogWindowFixture.h"
#include "nxMessageBoxInterceptor.h"
#include "nxModalDriver.h"
#include "platform/ui/CListBox.h"

namespace
{
using namespace nxLogResource;

const std::vector<std::string> kOfferedLevels{"Information",   "Notice", "Warning", "Minor Problem",
                                              "Major Problem", "Error",  "Critical"};

std::vector<std::string> SelectedLevels(CDialog& dialog)
{
    std::vector<std::string> selected;
    auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(IDC_LOG_LEVELS));
    for (int row = 0; list && row < list->count(); ++row)
        if (list->item(row)->isSelected())
            selected.push_back(list->item(row)->text().toStdString());
    return selected;
}

void ClickLevels(CDialog& dialog, std::initializer_list<const char*> levels)
{
    for (const char* level : levels)
        nxOperator::SelectEntry(dialog, IDC_LOG_LEVELS, level);
}

nxLogDataInterest::LogLevelSet LevelSet(std::initializer_list<uint32_t> levels)
{
    nxLogDataInterest::LogLevelSet set;
    for (uint32_t level : levels)
        set.insert(nxLogLevelEnum(level));
    return set;
}

class LogFilters : public nxLogWindowFixture
{
protected:
    // Runs the view's Filters command; the action works the dialog through its
    // controls and ends it. Answers whether the operator confirmed.
    bool RunFilters(nxLogGridWnd& window, const std::function<void(CLogFilterDlg&)>& action)
    {
        nxModalDriver driver(
            [&](QWidget* modal)
            {
                auto* dialog = dynamic_cast<CLogFilterDlg*>(modal);
                ASSERT_NE(dialog, nullptr);
                action(*dialog);
                if (dialog->isVisible())
                {
                    ADD_FAILURE() << "the Filters dialog was left open";
                    dialog->EndDialog(IDCANCEL);
                }
            });
        const bool confirmed =
            nxRunLogFiltersCommand(window, *window.GetGridManager(), [this] { ++m_modified; });
        EXPECT_TRUE(driver.Ran());
        return confirmed;
    }
    bool RunFilters(const std::function<void(CLogFilterDlg&)>& action)
    {
        return RunFilters(*m_window, action);
    }

    // A second view that shows every row, so that the store keeps what this one hides.
    void KeepEveryRow()
    {
        m_everything = std::make_unique<nxLogGridWnd>();
        OpenAsNewView(*m_everything);
    }

    std::unique_ptr<nxLogGridWnd> m_everything;
    nxMessageBoxInterceptor m_boxes;
    int m_modified = 0;
};
} // namespace

TEST_F(LogFilters, ANewViewOffersLevels32To38NoneSelectedAndAcceptsEveryLevel)
{
    Send(Levels({31, 32, 38}));
    EXPECT_TRUE(RunFilters(
        [](CLogFilterDlg& dialog)
        {
            EXPECT_EQ(dialog.windowTitle(), "Filters");
            EXPECT_EQ(nxOperator::Entries(dialog, IDC_LOG_LEVELS), kOfferedLevels);
            EXPECT_TRUE(SelectedLevels(dialog).empty());
            CListBox list;
            list.Attach(dialog.GetDlgItem(IDC_LOG_LEVELS));
            for (int item = 0; item < list.GetCount(); ++item)
                EXPECT_EQ(list.GetItemData(item), static_cast<uintptr_t>(32 + item));
            for (int id : {IDC_APPLICATION, IDC_HOST, IDC_REGEX_FILTER})
                EXPECT_EQ(dialog.GetDlgItemText(id), "");
            EXPECT_FALSE(
                qobject_cast<QAbstractButton*>(dialog.GetDlgItem(IDC_CASE_INSENSITIVE))->isChecked());
            nxOperator::Finish(dialog, IDOK);
        }));
    EXPECT_EQ(Interest().GetFilter(), nxLogDataInterest::Filter{}) << "no level chosen: every level";
    EXPECT_EQ(Column(1).size(), 3u);

    RunFilters(
        [](CLogFilterDlg& dialog)
        {
            ClickLevels(dialog, {"Information", "Notice", "Warning", "Minor Problem", "Major Problem",
                                 "Error", "Critical"});
            nxOperator::Finish(dialog, IDOK);
        });
    EXPECT_EQ(Interest().GetLogLevels(), LevelSet({32, 33, 34, 35, 36, 37, 38}));
    ShowLevelAndText();
    EXPECT_EQ(Column(3), (std::vector<std::string>{"level 38", "level 32"})) << "every listed level hides 31";
}

TEST_F(LogFilters, AStoredLowestLevelIsLostAtTheNextOKAndSwappingOneLevelForAnotherTakesEffect)
{
    KeepEveryRow();
    Send(Levels({31, 32, 33, 34, 35}));
    nxLogDataInterest::Filter stored;
    stored.logLevels = LevelSet({31, 35});
    Interest().SetFilter(stored);
    ShowLevelAndText();
    RunFilters(
        [](CLogFilterDlg& dialog)
        {
            EXPECT_EQ(SelectedLevels(dialog), std::vector<std::string>{"Minor Problem"});
            ClickLevels(dialog, {"Notice", "Warning"});
            nxOperator::Finish(dialog, IDOK);
        });
    EXPECT_EQ(Interest().GetLogLevels(), LevelSet({33, 34, 35}));
    EXPECT_EQ(Column(3), (std::vector<std::string>{"level 35", "level 34", "level 33"}));
    RunFilters(
        [](CLogFilterDlg& dialog)
        {
            ClickLevels(dialog, {"Notice", "Information"});
            EXPECT_EQ(SelectedLevels(dialog),
                      (std::vector<std::string>{"Information", "Warning", "Minor Problem"}));
            nxOperator::Finish(dialog, IDOK);
        });
    EXPECT_EQ(Column(3), (std::vector<std::string>{"level 35", "level 34", "level 32"}));
}

TEST_F(LogFilters, OKWithoutAChangeRefreshesNothingButMarksTheDocumentModified)
{
    Send(Levels({33, 34}));
    QSignalSpy removed(&Model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&Model(), &QAbstractItemModel::modelReset);
    EXPECT_TRUE(RunFilters([](CLogFilterDlg& dialog) { nxOperator::Finish(dialog, IDOK); }));
    m_window->FlushNow();
    EXPECT_EQ(removed.count() + reset.count(), 0);
    EXPECT_EQ(m_modified, 1);

    EXPECT_FALSE(RunFilters(
        [](CLogFilterDlg& dialog)
        {
            nxOperator::TypeName(dialog, IDC_HOST, "elsewhere");
            nxOperator::Finish(dialog, IDCANCEL);
        }));
    EXPECT_EQ(m_modified, 1) << "Cancel leaves the document alone";
    EXPECT_EQ(Interest().GetHostName(), "");

    RunFilters(
        [](CLogFilterDlg& dialog)
        {
            nxOperator::TypeName(dialog, IDC_HOST, "elsewhere");
            nxOperator::Finish(dialog, IDOK);
        });
    EXPECT_EQ(m_modified, 2);
    EXPECT_GT(removed.count() + reset.count(), 0) << "a real change filters the rows again";
    EXPECT_EQ(Model().rowCount(), 0);
}

TEST_F(LogFilters, TextsAreTakenAsTyped)
{
    KeepEveryRow();
    Send({{.application = "Pricer"}, {.application = "Pricer "}, {.application = "pricer"}});
    RunFilters(
        [](CLogFilterDlg& dialog)
        {
            nxOperator::TypeName(dialog, IDC_APPLICATION, "Pricer ");
            nxOperator::Finish(dialog, IDOK);
        });
    EXPECT_EQ(Column(1), std::vector<std::string>{"Pricer "});
}

TEST_F(LogFilters, TogglingCaseInsensitiveAloneFiltersTheRowsAgain)
{
    KeepEveryRow();
    Send({{.text = "Error in module"}, {.text = "a terror"}, {.text = "all fine"}});
    ShowLevelAndText();
    RunFilters(
        [](CLogFilterDlg& dialog)
        {
            nxOperator::TypeName(dialog, IDC_REGEX_FILTER, "err");
            nxOperator::Finish(dialog, IDOK);
        });
    EXPECT_EQ(Column(3), std::vector<std::string>{"a terror"});
    RunFilters(
        [](CLogFilterDlg& dialog)
        {
            nxOperator::Click(dialog, IDC_CASE_INSENSITIVE);
            nxOperator::Finish(dialog, IDOK);
        });
    EXPECT_TRUE(Interest().GetRegexFilterCaseInsensitive());
    EXPECT_EQ(Column(3), (std::vector<std::string>{"a terror", "Error in module"}));
}

TEST_F(LogFilters, APatternTheFilterCannotCompileIsRefusedAndTheFocusGoesBackToIt)
{
    RunFilters(
        [this](CLogFilterDlg& dialog)
        {
            nxOperator::TypeName(dialog, IDC_REGEX_FILTER, "*[a-*");
            nxOperator::Click(dialog, IDC_APPLICATION);
            nxOperator::Click(dialog, IDOK);
            ASSERT_TRUE(dialog.isVisible());
            EXPECT_EQ(m_boxes.Only(),
                      nxMessageBoxInterceptor::Box("Text Regex Filter is invalid - caught an exception!",
                                                   "Invalid Regular Expression", MB_OK | MB_ICONHAND));
            EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(IDC_REGEX_FILTER));
            nxOperator::Finish(dialog, IDCANCEL);
        });
    EXPECT_EQ(Interest().GetRegexFilter(), "");
    EXPECT_EQ(m_modified, 0);
}

TEST_F(LogFilters, TestWithoutAPatternSaysSoAndOtherwiseTriesThePatternAndCaseFlagAsTyped)
{
    RunFilters(
        [this](CLogFilterDlg& dialog)
        {
            nxOperator::Click(dialog, IDC_TEST);
            EXPECT_EQ(m_boxes.Only(), nxMessageBoxInterceptor::Box("No Regex filter specified", "", MB_OK));
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog) << "no tester opened";

            nxOperator::TypeName(dialog, IDC_REGEX_FILTER, "AB");
            nxOperator::Click(dialog, IDC_CASE_INSENSITIVE);
            nxModalDriver test(
                [](QWidget* modal)
                {
                    auto* tester = dynamic_cast<CTestRegexFilterDlg*>(modal);
                    ASSERT_NE(tester, nullptr);
                    EXPECT_EQ(tester->windowTitle(), "Test Regex Filter");
                    EXPECT_EQ(tester->GetDlgItemText(IDC_REGEX_FILTER), "AB");
                    EXPECT_TRUE(qobject_cast<QLineEdit*>(tester->GetDlgItem(IDC_REGEX_FILTER))->isReadOnly());
                    nxOperator::TypeName(*tester, IDC_TEST_TEXT, "abc");
                    EXPECT_EQ(tester->GetDlgItemText(IDC_VERDICT), "Match");
                    nxOperator::Finish(*tester, IDCANCEL);
                });
            nxOperator::Click(dialog, IDC_TEST);
            EXPECT_TRUE(test.Ran());
            nxOperator::Finish(dialog, IDCANCEL);
        });
}

TEST(TestRegexFilter, TheVerdictChangesWithEveryKeystroke)
{
    struct Case
    {
        std::string pattern;
        bool caseInsensitive;
        std::string text;
        std::string verdict;
    };
    const Case cases[] = {
        {"^ab", false, "abc", "Match"},
        {"^ab", false, "cab", "Not a match"},
        {"AB", true, "abc", "Match"},
        {"AB", false, "abc", "Not a match"},
        {"(", false, "(", "Invalid Regular Expression - caught an exception!"},
    };
    for (const Case& test : cases)
    {
        CTestRegexFilterDlg dialog(nullptr, test.pattern, test.caseInsensitive);
        dialog.Create();
        EXPECT_NE(dialog.GetDlgItemText(IDC_VERDICT), "Static") << "replaced on opening";
        nxOperator::TypeName(dialog, IDC_TEST_TEXT, test.text);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_VERDICT), test.verdict) << test.pattern << " on " << test.text;
    }
}

TEST_F(LogFilters, AGridWithoutAFilterLeavesTheDialogEmptyAndTakesNothingFromIt)
{
    nxLogGridWnd window;
    EXPECT_TRUE(RunFilters(window,
                           [](CLogFilterDlg& dialog)
                           {
                               EXPECT_TRUE(SelectedLevels(dialog).empty());
                               nxOperator::TypeName(dialog, IDC_APPLICATION, "Pricer");
                               nxOperator::Finish(dialog, IDOK);
                           }));
    EXPECT_FALSE(window.GetGridManager()->HasDataInterests());
    EXPECT_EQ(m_modified, 1);
}
