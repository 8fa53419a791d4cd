#include <gtest/gtest.h>

#include "nxLogCapture.h"
#include "platform/base/nxMessageBox.h"

TEST(nxMessageBox, WithoutHandlerLogsAndRefusesWhatOffersCancel)
{
    nxLogCapture log;
    EXPECT_EQ(IDOK, nxMessageBox({}, "Nothing selected"));
    EXPECT_EQ(IDCANCEL, nxMessageBox({}, "Save changes?", "Doc", MB_YESNOCANCEL | MB_ICONQUESTION));
    ASSERT_EQ(2u, log.FromSource("nxMessageBox").size());
    EXPECT_EQ("Doc: Save changes?", log.FromSource("nxMessageBox")[1].line);
}
