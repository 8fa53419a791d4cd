#pragma once

#include "contracts/nxTimeZoneConverter.h"
#include "platform/service/nxTimeZoneRule.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

// Time-zone rules read from a zonespec CSV table: a header line, then one line of eleven
// fields per region. Conversions may run on any thread while the table is being reloaded.
class nxZoneSpecTimeZoneConverter : public nxTimeZoneConverter
{
public:
    // A table named by a Windows path that does not exist here is looked for, by its file
    // name, in dataFolder.
    explicit nxZoneSpecTimeZoneConverter(std::string dataFolder);

    bool IsInitialised() const override;
    // On failure the table loaded before, if any, stays in use.
    bool Initialise(std::string& errorText, const std::string& path) override;
    // In the order of the table.
    void GetTimeZoneRegions(std::vector<std::string>& regions) const override;

    bool HasRegion(const std::string& region) const;
    // False, leaving localSeconds alone, for a region the table does not have.
    bool ToLocalSeconds(const std::string& region, int64_t utcSeconds, int64_t& localSeconds) const;

private:
    struct Table
    {
        std::vector<nxTimeZoneRule> rules;
        std::unordered_map<std::string, size_t> indexById;
    };

    // Answers false with the problem, prefixed by its line number where it has one.
    static bool ReadTable(std::istream& in, Table& table, std::string& problem);
    std::string FindTable(const std::string& path) const;
    std::shared_ptr<const Table> GetTable() const;

    const std::string m_dataFolder;
    mutable std::mutex m_mutex;
    std::shared_ptr<const Table> m_table;
};
