#pragma once

#include <string>
#include <vector>

// The documents opened or saved last, newest first, kept in a file of the user's
// configuration folder. A file that cannot be read gives an empty list.
class nxRecentFileList
{
public:
    static constexpr size_t MaximumCount = 8;

    // Where the list is kept; reads it from there.
    void SetStorePath(const std::string& path);
    const std::vector<std::string>& GetFiles() const { return m_files; }
    // The file moves to the top; the list is saved.
    void Add(const std::string& path);
    void Remove(const std::string& path);

private:
    void Load();
    void Save() const;

    std::string m_storePath;
    std::vector<std::string> m_files;
};
