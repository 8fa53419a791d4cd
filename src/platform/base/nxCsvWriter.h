#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated records as RFC 4180 writes them: a field holding a comma, a
// double quote, a carriage return or a line feed is put in double quotes, with
// each of its double quotes doubled; every record ends with CR LF. The text is
// written byte for byte (UTF-8 in, UTF-8 out).
class nxCsvWriter
{
public:
    static void AppendField(std::string& out, std::string_view field);
    static void AppendRecord(std::string& out, const std::vector<std::string>& fields);
};
