#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "nxLogWindowFixture.h"
#include "nxMessageBoxInterceptor.h"
#include "nxModalDriver.h"

namespace
{
// Records as RFC 4180 reads them: quoted fields may hold commas, line breaks and
// doubled quotes; records end with CR LF.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    for (size_t at = 0; at < text.size(); ++at)
    {
        const char c = text[at];
        if (quoted)
        {
            if (c != '"')
                field += c;
            else if (at + 1 < text.size() && text[at + 1] == '"')
                field += text[++at];
            else
                quoted = false;
        }
        else if (c == '"')
            quoted = true;
        else if (c == ',')
            records.back().push_back(std::exchange(field, {}));
        else if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
        {
            records.back().push_back(std::exchange(field, {}));
            records.emplace_back();
            ++at;
        }
        else
            field += c;
    }
    EXPECT_TRUE(records.back().empty() && field.empty()) << "the last record ends with CR LF";
    records.pop_back();
    return records;
}

class LogWindowExport : public nxLogWindowFixture
{
protected:
    void TriggerMenuItem(const QString& text)
    {
        std::unique_ptr<QMenu> menu = m_window->CreateContextMenu();
        for (QAction* action : menu->actions())
            if (action->text() == text)
                return action->trigger();
        ADD_FAILURE() << "no menu item " << text.toStdString();
    }

    // Chooses the file in the export's file dialog; then runs the next step on the dialog that follows.
    void ExportTo(const QString& path, std::function<void(QWidget*)> next = {})
    {
        std::unique_ptr<nxModalDriver> following;
        nxModalDriver chooser(
            [&](QWidget* modal)
            {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                ASSERT_NE(nullptr, dialog);
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
                if (next)
                    following = std::make_unique<nxModalDriver>(next);
            });
        TriggerMenuItem("&Export...");
        EXPECT_TRUE(chooser.Ran());
        if (following)
        {
            EXPECT_TRUE(following->Ran());
        }
    }

    // What the grid shows: headings, then each row's visible cells in the operator's order.
    std::vector<std::vector<std::string>> Shown()
    {
        std::vector<std::vector<std::string>> rows(1);
        std::vector<int> columns;
        const QHeaderView& header = *View().horizontalHeader();
        for (int place = 0; place < header.count(); ++place)
            if (!header.isSectionHidden(header.logicalIndex(place)))
                columns.push_back(header.logicalIndex(place));
        for (int column : columns)
            rows[0].push_back(Model().headerData(column, Qt::Horizontal).toString().toStdString());
        for (int row = 0; row < Model().rowCount(); ++row)
        {
            rows.emplace_back();
            for (int column : columns)
                rows.back().push_back(Model().index(row, column).data().toString().toStdString());
        }
        return rows;
    }
};
} // namespace

TEST_F(LogWindowExport, HundredThousandRowsReadBackEqualAndACancelledExportLeavesNoFile)
{
    ShowLevelAndText();
    // The text column goes first, as the operator may drag it.
    View().horizontalHeader()->moveSection(View().horizontalHeader()->visualIndex(3), 0);
    const char* texts[] = {"plain",      "with, comma", "say \"hello\"",
                           "two\nlines", "cr\r\nlf",    "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC",
                           "",           "  spaced  ",  "\"\"",
                           ",\""};
    std::vector<nxLogMessageFields> messages;
    for (int number = 0; number < 100000; ++number)
        messages.push_back(
            {.application = "App" + std::to_string(number % 7),
             .level = 33 + static_cast<uint32_t>(number % 6),
             .text = std::string(texts[number % std::size(texts)]) + " " + std::to_string(number),
             .host = number % 3 ? "ldn-app01" : "fra,app02"});
    Send(messages);
    ASSERT_EQ(100000, Model().rowCount());

    QTemporaryDir folder;
    const QString path = folder.filePath("log.csv");
    ExportTo(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto records = ReadCsv(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
    const auto shown = Shown();
    ASSERT_EQ(shown.size(), records.size());
    EXPECT_EQ("Log Text", records[0][0]) << "the text column was moved first";
    for (size_t row = 0; row < shown.size(); ++row)
        ASSERT_EQ(shown[row], records[row]) << "record " << row;

    const QString cancelled = folder.filePath("cancelled.csv");
    ExportTo(cancelled,
             [](QWidget* modal)
             {
                 auto* progress = qobject_cast<QProgressDialog*>(modal);
                 ASSERT_NE(nullptr, progress);
                 QTest::keyClick(progress->findChild<QPushButton*>(), Qt::Key_Space);
             });
    EXPECT_FALSE(QFile::exists(cancelled));
    EXPECT_EQ(QStringList{"log.csv"}, QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
        << "nothing of the cancelled file is left";

    // Rows that arrived meanwhile show once the export is done.
    Send({{.text = "after"}});
    EXPECT_EQ(100001, Model().rowCount());
}

TEST_F(LogWindowExport, AFileThatCannotBeWrittenIsReported)
{
    nxMessageBoxInterceptor boxes;
    Send({{.text = "one"}});
    ExportTo("/nonexistent-folder/x.csv");
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, boxes.Requests()[0].text.find("/nonexistent-folder/x.csv"));
}
