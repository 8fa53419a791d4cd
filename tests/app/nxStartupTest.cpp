#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "log/nxLogDataManager.h"
#include "nxAppFixture.h"
#include "nxLogCapture.h"
#include "nxModalDriver.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/nxCommandIds.h"
#include "status/nxControlDataManager.h"

namespace
{
struct RightsCase
{
    std::string name;
    std::set<uint32_t> held;
    bool starts;
    std::vector<uint32_t> checks;
    std::vector<unsigned> types;
    unsigned defaultType;
    std::vector<std::string> lines;
};

std::vector<std::string> Lines(const nxLogCapture& capture)
{
    std::vector<std::string> lines;
    for (const nxLogRecord& record : capture.FromSource("VantrelSystemManager"))
    {
        EXPECT_EQ(32u, record.level) << record.line;
        lines.push_back(record.line);
    }
    return lines;
}

class Rights : public nxAppFixture, public ::testing::WithParamInterface<RightsCase>
{
};
} // namespace

TEST_P(Rights, DecideWhetherTheProgramStartsAndWhichWindowTypesItOffers)
{
    const RightsCase& wanted = GetParam();
    nxLogCapture capture;
    EXPECT_EQ(wanted.starts, Start(wanted.held));
    EXPECT_EQ(wanted.checks, m_security->Asked()) << "the rights are asked in this order, and no more";
    EXPECT_EQ(wanted.lines, Lines(capture));
    if (!wanted.starts)
        return;
    EXPECT_EQ(wanted.types, TemplateIds());
    ASSERT_NE(nullptr, m_app->GetDefaultTemplate());
    EXPECT_EQ(wanted.defaultType, m_app->GetDefaultTemplate()->GetResourceID());
    ASSERT_EQ(1u, m_app->GetFrames().size()) << "start-up opens one window of the default type";
    EXPECT_EQ(wanted.defaultType, m_app->GetFrames().front()->GetResourceID());
    EXPECT_EQ(0u, m_boxes.Count());
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, Rights,
    ::testing::Values(RightsCase{"All",
                                 {100006},
                                 true,
                                 {100919, 100920, 100006, 100919, 100006, 100920, 100006},
                                 {128, 130, 132},
                                 128,
                                 {}},
                      RightsCase{"ServersAndLog",
                                 {100919},
                                 true,
                                 {100919, 100919, 100920, 100006},
                                 {128, 130},
                                 128,
                                 {"User does not have 100920 permission"}},
                      RightsCase{"ClientsOnly",
                                 {100920},
                                 true,
                                 {100919, 100920, 100919, 100006, 100920},
                                 {132},
                                 132,
                                 {"User does not have 100919 permission"}},
                      RightsCase{"ServersAndClientsWithoutAll",
                                 {100919, 100920},
                                 true,
                                 {100919, 100919, 100920},
                                 {128, 130, 132},
                                 128,
                                 {}},
                      RightsCase{
                          "None",
                          {},
                          false,
                          {100919, 100920, 100006},
                          {},
                          0,
                          {"User cannot start this application, they do not have either of the following "
                           "permission(s): 100919 or 100920"}}),
    [](const ::testing::TestParamInfo<RightsCase>& info) { return info.param.name; });

TEST_F(nxAppFixture, AUserWithoutARightIsToldWhichRightsAreMissingAndTheProgramEndsWithAFailure)
{
    m_security = std::make_unique<nxRecordingSecurity>(std::set<uint32_t>{});
    CVantrelSystemManagerApp app;
    EXPECT_NE(0, app.Run());
    ASSERT_EQ(1u, m_boxes.Count());
    const std::string text = m_boxes.Requests()[0].text;
    for (const char* right : {"100919", "100920", "100006"})
        EXPECT_NE(std::string::npos, text.find(right)) << text;
    EXPECT_TRUE(app.GetFrames().empty());
    EXPECT_EQ(nullptr, nxControlDataManager::GetInstance()) << "no data manager is made for a refused user";
}

TEST_F(nxAppFixture, TheControlDataManagerAndItsLogDataManagerLiveFromStartUpToExit)
{
    ASSERT_TRUE(Start());
    nxControlDataManager* control = nxControlDataManager::GetInstance();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(control, m_app->GetDataManager());
    ASSERT_NE(nullptr, control->GetLogDataManager());
    EXPECT_EQ(control->GetLogDataManager(), nxLogDataManager::GetInstance());
    m_app->ExitInstance();
    EXPECT_EQ(nullptr, nxControlDataManager::GetInstance());
    EXPECT_EQ(nullptr, nxLogDataManager::GetInstance());
    EXPECT_TRUE(m_app->GetFrames().empty());
}

TEST_F(nxAppFixture, DocumentStringsNameTheWindowTypesAndTitleTheirWindows)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ("SystemManager\n\nVantrelSystemMa\nSystemManager\n.KVRSysMgr\nVantrelSystemManager.Document\n"
              "VantrelSystemManager.Document",
              Template(Servers).GetDocString());
    EXPECT_EQ("Log\n\nVantrelLog\nLog\n.KVRLogMgr\nVantrelLog.Document\nVantrelLog.Document",
              Template(Log).GetDocString());
    EXPECT_EQ("ClientManager\n\nVantrelClientmMa\nClientManager\n.KVRCliMgr\nVantrelClientManager.Document\n"
              "VantrelClientManager.Document",
              Template(Clients).GetDocString());
    EXPECT_EQ("Untitled1[*] - SystemManager", Frame(Servers)->windowTitle().toStdString());
    EXPECT_EQ("Untitled2[*] - SystemManager", Open(Servers)->windowTitle().toStdString());
    EXPECT_EQ("Untitled1[*] - Log", Open(Log)->windowTitle().toStdString());
}

TEST_F(nxAppFixture, NewOffersEveryWindowTypeTheUserMayOpenAndOpensTheOneChosen)
{
    ASSERT_TRUE(Start());
    std::vector<std::string> offered;
    nxModalDriver driver(
        [&](QWidget* modal)
        {
            auto* list = modal->findChild<QListWidget*>();
            ASSERT_NE(nullptr, list);
            for (int row = 0; row < list->count(); ++row)
                offered.push_back(list->item(row)->text().toStdString());
            EXPECT_EQ(0, list->currentRow()) << "the default type comes first and is chosen";
            list->setCurrentRow(1);
            static_cast<CDialog*>(modal)->GetDlgItem(IDOK)->setFocus();
            qobject_cast<QPushButton*>(static_cast<CDialog*>(modal)->GetDlgItem(IDOK))->click();
        });
    EXPECT_TRUE(Frame(Servers)->OnCommand(nxCommand::FileNew));
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ((std::vector<std::string>{"VantrelSystemMa", "VantrelLog", "VantrelClientmMa"}), offered);
    EXPECT_NE(nullptr, Frame(Log));
}

TEST_F(nxAppFixture, NewWithOneWindowTypeOpensItWithoutAsking)
{
    ASSERT_TRUE(Start({100920}));
    EXPECT_TRUE(Frame(Clients)->OnCommand(nxCommand::FileNew));
    EXPECT_EQ(2u, m_app->GetFrames().size());
    EXPECT_EQ(Clients, m_app->GetFrames().back()->GetResourceID());
}

TEST_F(nxAppFixture, TheAboutBoxShowsTheProgramsVersion)
{
    QCoreApplication::setApplicationVersion("1.0");
    ASSERT_TRUE(Start());
    std::string caption, version;
    nxModalDriver driver(
        [&](QWidget* modal)
        {
            auto* about = static_cast<CDialog*>(modal);
            caption = about->windowTitle().toStdString();
            version = about->GetDlgItemText(1004);
            about->done(IDCANCEL);
        });
    EXPECT_TRUE(Frame(Servers)->OnCommand(nxCommand::AppAbout));
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ("About VantrelSystemManager", caption);
    EXPECT_EQ("VantrelSystemManager Version 1.0", version);
}
