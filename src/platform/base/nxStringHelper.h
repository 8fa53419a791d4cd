#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number and bool texts as the whole program writes and reads them.
class nxStringHelper
{
public:
    static std::string GetAsString(int32_t value);
    static std::string GetAsString(uint32_t value);
    static std::string GetAsString(int64_t value);
    static std::string GetAsString(uint64_t value);
    // The shortest text that reads back as the same double.
    static std::string GetAsString(double value);
    // "true" or "false".
    static std::string GetAsString(bool value);

    // Each answers false, and leaves the value alone, when the whole text is not a
    // number (or bool) of that type. Bools read "true"/"false" in any case, and 1/0.
    static bool SetFromString(std::string_view text, bool& value);
    static bool SetFromString(std::string_view text, int32_t& value);
    static bool SetFromString(std::string_view text, uint32_t& value);
    static bool SetFromString(std::string_view text, int64_t& value);
    static bool SetFromString(std::string_view text, uint64_t& value);
    static bool SetFromString(std::string_view text, double& value);

    static std::string ToLower(std::string_view text);
    // <0, 0, >0 comparing ASCII letters without case.
    static int CompareIgnoreCase(std::string_view a, std::string_view b);

    // Keeps the overloads above from catching char pointers as bools.
    static std::string GetAsString(const char*) = delete;
};
