#pragma once

#include <compare>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One named value of an enum class: its number and its two texts.
struct nxEnumEntry
{
    uint32_t value;
    const char* shortText;
    const char* longText;
};

// An unsigned 32-bit value with two states besides its ordinary values:
// undefined (no value) and no-change (an update that leaves a value alone).
// Each enum class supplies the table of its named values.
class nxEnum
{
public:
    static constexpr uint32_t UndefinedValue = 0xFFFFFFFFu;
    static constexpr uint32_t NoChangeValue = 0xFFFFFFFEu;

    virtual ~nxEnum() = default;

    uint32_t GetValue() const { return m_value; }
    void SetValue(uint32_t value) { m_value = value; }
    bool IsUndefined() const { return m_value == UndefinedValue; }
    bool IsNoChange() const { return m_value == NoChangeValue; }
    void SetUndefined() { m_value = UndefinedValue; }
    void SetNoChange() { m_value = NoChangeValue; }

    // Empty for undefined and no-change; the number for a value the table does not name.
    std::string GetShortDescription() const;
    std::string GetLongDescription() const;
    std::string GetAsString() const { return GetShortDescription(); }

    // Reads back what GetAsString writes. A text that names no value (the empty
    // text included) leaves the enum undefined and answers false.
    bool SetFromShortDescriptionString(std::string_view text);

    virtual std::span<const nxEnumEntry> GetEntries() const = 0;

    bool operator==(const nxEnum& other) const { return m_value == other.m_value; }
    std::strong_ordering operator<=>(const nxEnum& other) const { return m_value <=> other.m_value; }

protected:
    explicit nxEnum(uint32_t value) : m_value(value) {}
    nxEnum(const nxEnum&) = default;
    nxEnum& operator=(const nxEnum&) = default;

private:
    const nxEnumEntry* Find(uint32_t value) const;

    uint32_t m_value;
};

// Declares an enum class over a table of named values.
#define NX_DECLARE_ENUM_CLASS(Name)                                                                          \
    class Name : public nxEnum                                                                               \
    {                                                                                                        \
    public:                                                                                                  \
        Name() : nxEnum(UndefinedValue) {}                                                                   \
        explicit Name(uint32_t value) : nxEnum(value) {}                                                     \
        std::span<const nxEnumEntry> GetEntries() const override;                                            \
        static std::span<const nxEnumEntry> Entries();                                                       \
    }
