#pragma once

#include <cstdint>
#include <string>

// A platform user, known by number.
class nxUserID
{
public:
    explicit nxUserID(uint32_t id) : m_id(id) {}

    uint32_t GetValue() const { return m_id; }
    // The network node the user works on, as the security service knows it.
    std::string GetUserNodeName() const;

private:
    uint32_t m_id;
};
