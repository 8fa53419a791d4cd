#include "platform/service/nxZoneSpecTimeZoneConverter.h"

#include "platform/base/nxStringHelper.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace
{
// Far beyond any real table; refuses a wrong file before reading it whole.
constexpr uintmax_t kMaxTableBytes = 16u * 1024u * 1024u;

bool LooksLikeWindowsPath(const std::string& path)
{
    const bool driveLetter = path.size() >= 2 && path[1] == ':' &&
                             ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return driveLetter || path.find('\\') != std::string::npos;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string LineText(size_t lineNumber)
{
    return "line " + nxStringHelper::GetAsString(static_cast<uint64_t>(lineNumber));
}
} // namespace

nxZoneSpecTimeZoneConverter::nxZoneSpecTimeZoneConverter(std::string dataFolder)
    : m_dataFolder(std::move(dataFolder))
{
}

std::shared_ptr<const nxZoneSpecTimeZoneConverter::Table> nxZoneSpecTimeZoneConverter::GetTable() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_table;
}

bool nxZoneSpecTimeZoneConverter::IsInitialised() const
{
    return GetTable() != nullptr;
}

void nxZoneSpecTimeZoneConverter::GetTimeZoneRegions(std::vector<std::string>& regions) const
{
    regions.clear();
    if (const std::shared_ptr<const Table> table = GetTable())
    {
        regions.reserve(table->rules.size());
        for (const nxTimeZoneRule& rule : table->rules)
            regions.push_back(rule.GetId());
    }
}

bool nxZoneSpecTimeZoneConverter::HasRegion(const std::string& region) const
{
    const std::shared_ptr<const Table> table = GetTable();
    return table && table->indexById.count(region) != 0;
}

bool nxZoneSpecTimeZoneConverter::ToLocalSeconds(const std::string& region, int64_t utcSeconds,
                                                 int64_t& localSeconds) const
{
    const std::shared_ptr<const Table> table = GetTable();
    if (!table)
        return false;
    const auto found = table->indexById.find(region);
    if (found == table->indexById.end())
        return false;
    localSeconds = table->rules[found->second].ToLocalSeconds(utcSeconds);
    return true;
}

// Schedules name the table by the path it has on the operators' Windows machines.
std::string nxZoneSpecTimeZoneConverter::FindTable(const std::string& path) const
{
    std::error_code error;
    if (std::filesystem::exists(path, error) || !LooksLikeWindowsPath(path))
        return path;
    const std::string fileName = path.substr(path.find_last_of("\\/:") + 1);
    if (fileName.empty() || m_dataFolder.empty())
        return path;
    return (std::filesystem::path(m_dataFolder) / fileName).string();
}

bool nxZoneSpecTimeZoneConverter::Initialise(std::string& errorText, const std::string& path)
{
    const std::string file = FindTable(path);
    const std::string name = "Time-zone table " + Quoted(file);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status))
    {
        errorText = "Time-zone table " + Quoted(path) + " was not found";
        if (file != path)
            errorText += ", nor " + Quoted(file);
        return false;
    }
    if (!std::filesystem::is_regular_file(status))
    {
        errorText = name + " is not a file";
        return false;
    }
    const uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMaxTableBytes)
    {
        errorText = name + " is too large to be a time-zone table";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in)
    {
        errorText = name + " cannot be opened: " + std::generic_category().message(errno);
        return false;
    }
    auto table = std::make_shared<Table>();
    std::string problem;
    if (!ReadTable(in, *table, problem))
    {
        errorText = name + " is not valid: " + problem;
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_table = std::move(table);
    return true;
}

bool nxZoneSpecTimeZoneConverter::ReadTable(std::istream& in, Table& table, std::string& problem)
{
    std::vector<size_t> lineOfRule;
    bool headerSeen = false;
    size_t lineNumber = 0;
    for (std::string line; std::getline(in, line);)
    {
        ++lineNumber;
        if (lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (!headerSeen)
        {
            std::vector<std::string> fields;
            if (!nxTimeZoneRule::SplitFields(line, fields, problem) ||
                fields.size() != nxTimeZoneRule::kFieldCount ||
                nxStringHelper::CompareIgnoreCase(fields[0], "ID") != 0)
            {
                problem =
                    LineText(lineNumber) + ": expected the header line, \"ID\" and ten more column names";
                return false;
            }
            headerSeen = true;
            continue;
        }
        nxTimeZoneRule rule;
        if (!nxTimeZoneRule::Parse(line, rule, problem))
        {
            problem = LineText(lineNumber) + ": " + problem;
            return false;
        }
        const auto [existing, added] = table.indexById.emplace(rule.GetId(), table.rules.size());
        if (!added)
        {
            problem = LineText(lineNumber) + ": region " + Quoted(rule.GetId()) + " is already defined on " +
                      LineText(lineOfRule[existing->second]);
            return false;
        }
        table.rules.push_back(std::move(rule));
        lineOfRule.push_back(lineNumber);
    }
    if (in.bad())
        problem = "it could not be read to the end";
    else if (!headerSeen)
        problem = "it is empty";
    else if (table.rules.empty())
        problem = "it lists no regions";
    return !in.bad() && !table.rules.empty();
}
