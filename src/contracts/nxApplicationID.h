#pragma once

#include <string>

// Identifies one platform application; an empty id stands for none.
class nxApplicationID
{
public:
    nxApplicationID() = default;
    explicit nxApplicationID(std::string id) : m_id(std::move(id)) {}

    const std::string& GetApplicationID() const { return m_id; }
    void SetApplicationID(std::string id) { m_id = std::move(id); }
    bool IsEmpty() const { return m_id.empty(); }

    bool operator==(const nxApplicationID&) const = default;
    auto operator<=>(const nxApplicationID&) const = default;

private:
    std::string m_id;
};
