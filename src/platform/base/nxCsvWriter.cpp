#include "platform/base/nxCsvWriter.h"

void nxCsvWriter::AppendField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
    {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (char c : field)
    {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void nxCsvWriter::AppendRecord(std::string& out, const std::vector<std::string>& fields)
{
    // A record of one empty field would read back as a blank line.
    if (fields.size() == 1 && fields.front().empty())
    {
        out.append("\"\"\r\n");
        return;
    }
    for (size_t index = 0; index < fields.size(); ++index)
    {
        if (index > 0)
            out.push_back(',');
        AppendField(out, fields[index]);
    }
    out.append("\r\n");
}
