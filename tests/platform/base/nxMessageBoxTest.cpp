#include <gtest/gtest.h>

#include "nxLogCapture.h"
#include "support/nxMessageBoxInterceptor.h"

TEST(nxMessageBox, WithoutHandlerLogsAndRefusesWhatOffersCancel)
{
    nxLogCapture log;
    EXPECT_EQ(IDOK, nxMessageBox({}, "Nothing selected"));
    EXPECT_EQ(IDCANCEL, nxMessageBox({}, "Save changes?", "Doc", MB_YESNOCANCEL | MB_ICONQUESTION));
    ASSERT_EQ(2u, log.FromSource("nxMessageBox").size());
    EXPECT_EQ("Doc: Save changes?", log.FromSource("nxMessageBox")[1].line);
}

TEST(nxMessageBox, InterceptorRecordsAndAnswersThenRestores)
{
    {
        nxMessageBoxInterceptor boxes;
        boxes.QueueAnswer(IDNO);
        EXPECT_EQ(IDNO, nxMessageBox({}, "a", "c", MB_YESNO));
        EXPECT_EQ(IDOK, nxMessageBox({}, "b"));
        ASSERT_EQ(2u, boxes.Count());
        EXPECT_EQ("c", boxes.Requests()[0].caption);
        EXPECT_EQ(MB_YESNO, boxes.Requests()[0].flags);
    }
    nxLogCapture log;
    nxMessageBox({}, "after");
    EXPECT_EQ(1u, log.FromSource("nxMessageBox").size());
}
