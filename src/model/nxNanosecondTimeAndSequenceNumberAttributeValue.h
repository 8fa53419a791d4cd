#pragma once

#include <cstdint>
#include <string>

#include "model/nxAttributeValue.h"

// A time in nanoseconds with a sequence number that orders events of the same
// nanosecond. Null and no-change set both fields to their reserved numbers.
// Against another such value it orders by time, then sequence; against any other
// kind of value the two texts are compared.
class nxNanosecondTimeAndSequenceNumberAttributeValue : public nxAttributeValue
{
public:
    static constexpr uint64_t NullTime = 0xFFFFFFFFFFFFFFFFull;
    static constexpr uint32_t NullSequence = 0xFFFFFFFFu;
    static constexpr uint64_t NoChangeTime = 0xFFFFFFFFFFFFFFFEull;
    static constexpr uint32_t NoChangeSequence = 0xFFFFFFFEu;

    nxNanosecondTimeAndSequenceNumberAttributeValue() = default;
    nxNanosecondTimeAndSequenceNumberAttributeValue(uint64_t nanoseconds, uint32_t sequence)
        : m_time(nanoseconds), m_sequence(sequence)
    {
    }

    nxNanosecondTimeAndSequenceNumberAttributeValue* CopyInstance() const override
    {
        return new nxNanosecondTimeAndSequenceNumberAttributeValue(*this);
    }
    nxNanosecondTimeAndSequenceNumberAttributeValue* CreateInstance() const override
    {
        return new nxNanosecondTimeAndSequenceNumberAttributeValue();
    }
    const char* GetClassName() const override { return "nxNanosecondTimeAndSequenceNumberAttributeValue"; }

    uint64_t GetTime() const { return m_time; }
    uint32_t GetSequenceNumber() const { return m_sequence; }
    void SetValue(uint64_t nanoseconds, uint32_t sequence)
    {
        m_time = nanoseconds;
        m_sequence = sequence;
    }
    // From another such value both fields; from any other kind its unsigned 64-bit
    // reading as the time, with sequence 0.
    void SetValue(const nxAttributeValue& other) override;

    bool IsNull() const override { return m_time == NullTime && m_sequence == NullSequence; }
    bool IsNoChange() const override { return m_time == NoChangeTime && m_sequence == NoChangeSequence; }
    void SetNull() override { SetValue(NullTime, NullSequence); }
    void SetNoChange() { SetValue(NoChangeTime, NoChangeSequence); }

    bool IsEqual(const nxAttributeValue& other, bool) const override { return Compare(other) == 0; }
    bool IsLess(const nxAttributeValue& other, bool) const override { return Compare(other) < 0; }
    bool IsGreater(const nxAttributeValue& other, bool) const override { return Compare(other) > 0; }

    // "time:sequence"; empty for null and no-change.
    std::string GetAsString() const override;
    // The time.
    nxUInt64ValueWrapper GetAsUInteger64() const override;

private:
    int Compare(const nxAttributeValue& other) const;

    uint64_t m_time = NullTime;
    uint32_t m_sequence = NullSequence;
};
