#include <gtest/gtest.h>

#include "platform/base/nxCsvWriter.h"

TEST(CsvWriter, QuotesOnlyFieldsThatNeedItAndEndsRecordsWithCrLf)
{
    std::string out;
    nxCsvWriter::AppendRecord(
        out, {"plain", "a,b", "say \"hi\"", "two\nlines", "cr\r", " spaced ", "", "caf\xC3\xA9"});
    EXPECT_EQ("plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\", spaced ,,caf\xC3\xA9\r\n", out);

    out.clear();
    nxCsvWriter::AppendRecord(out, {""});
    EXPECT_EQ("\"\"\r\n", out) << "a record of one empty field is not a blank line";
    out.clear();
    nxCsvWriter::AppendRecord(out, {});
    EXPECT_EQ("\r\n", out);
}
