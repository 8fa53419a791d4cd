#pragma once

#include <cstddef>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

// The keyed store of a data manager: text keys of a fixed number of fields joined
// by the separator S, where "*" as a whole field leaves that field open. The map
// points to objects it does not own. It has no lock of its own; the owning data
// manager's lock guards every call.
template <class T, int S> class nxIndexedMap
{
public:
    static constexpr char Separator = static_cast<char>(S);
    static constexpr int MaxCountedFields = 32;

    // Work applied to each selected object. An action must not insert into, erase
    // from or clear the map that is running it: the walk holds live iterators.
    class nxIndexedMapAction
    {
    public:
        virtual ~nxIndexedMapAction() = default;
        virtual void Execute(T* object) = 0;
    };

    // A field count below 1 is taken as 1.
    explicit nxIndexedMap(int fieldCount = 1) { SetFieldCount(fieldCount); }
    // It remembers a place in its own entries.
    nxIndexedMap(const nxIndexedMap&) = delete;
    nxIndexedMap& operator=(const nxIndexedMap&) = delete;

    void SetFieldCount(int fieldCount) { m_fieldCount = fieldCount < 1 ? 1 : fieldCount; }
    int GetFieldCount() const { return m_fieldCount; }

    // A key already present now points to the new object; the old one is left alone.
    // A key that belongs just before or after the last one inserted goes in without
    // a search (a store numbering its rows in order inserts them so).
    void Insert(const std::string& key, T* object)
    {
        std::string normalised = NormaliseKey(key);
        m_lastInserted = m_entries.insert_or_assign(HintFor(normalised), std::move(normalised), object);
    }
    void Erase(const std::string& key) { EraseEntry(m_entries.find(NormaliseKey(key))); }
    // Erases the key only while it still names this object.
    void EraseIfHeld(const std::string& key, const T* object)
    {
        const auto it = m_entries.find(NormaliseKey(key));
        if (it != m_entries.end() && it->second == object)
            EraseEntry(it);
    }

    // Looks the key up exactly as given, without normalising it.
    T* Find(const std::string& key) const
    {
        const auto it = m_entries.find(key);
        return it == m_entries.end() ? nullptr : it->second;
    }

    // Calls the action for each object the key selects, in key order. Throws
    // std::out_of_range when a key with an open field has more than 32 fields.
    void ExecuteAction(const std::string& key, nxIndexedMapAction& action)
    {
        const std::string pattern = NormaliseKey(key);
        if (pattern.find('*') == std::string::npos)
        {
            if (T* object = Find(pattern))
                action.Execute(object);
            return;
        }
        if (!HasGivenField(pattern))
        {
            for (auto& [entryKey, object] : m_entries)
                action.Execute(object);
            return;
        }
        for (auto& [entryKey, object] : m_entries)
        {
            if (IsMatch(pattern, entryKey, Separator))
                action.Execute(object);
        }
    }

    void Clear()
    {
        m_entries.clear();
        m_lastInserted = m_entries.end();
    }
    std::size_t Size() const { return m_entries.size(); }

    // Exactly the field count's fields: extra fields dropped, empty or missing ones "*".
    std::string NormaliseKey(const std::string& key) const
    {
        // The common case of a store keyed by one field, such as a sequence number.
        if (m_fieldCount == 1 && !key.empty() && key.find(Separator) == std::string::npos)
            return key;
        std::string normalised;
        normalised.reserve(key.size() + 2 * static_cast<std::size_t>(m_fieldCount));
        std::string_view rest(key);
        bool more = true;
        for (int field = 0; field < m_fieldCount; ++field)
        {
            std::string_view text;
            if (more)
            {
                const std::size_t end = rest.find(Separator);
                text = rest.substr(0, end);
                more = end != std::string_view::npos;
                rest = more ? rest.substr(end + 1) : std::string_view();
            }
            if (field > 0)
                normalised += Separator;
            if (text.empty())
                normalised += '*';
            else
                normalised += text;
        }
        return normalised;
    }

    // Field by field: a pattern field of exactly "*" matches any field, any other
    // only an equal one. Both keys must have the same number of fields.
    static bool IsMatch(std::string_view pattern, std::string_view key, char separator)
    {
        for (;;)
        {
            const std::size_t patternEnd = pattern.find(separator);
            const std::size_t keyEnd = key.find(separator);
            const std::string_view patternField = pattern.substr(0, patternEnd);
            if (patternField != "*" && patternField != key.substr(0, keyEnd))
                return false;
            const bool patternDone = patternEnd == std::string_view::npos;
            const bool keyDone = keyEnd == std::string_view::npos;
            if (patternDone || keyDone)
                return patternDone == keyDone;
            pattern.remove_prefix(patternEnd + 1);
            key.remove_prefix(keyEnd + 1);
        }
    }

private:
    // Whether any field of a normalised pattern is not "*". Only 32 fields can be
    // told apart this way; a longer key is refused rather than half examined.
    bool HasGivenField(std::string_view pattern) const
    {
        if (m_fieldCount > MaxCountedFields)
            throw std::out_of_range("invalid bitset position");
        for (;;)
        {
            const std::size_t end = pattern.find(Separator);
            if (pattern.substr(0, end) != "*")
                return true;
            if (end == std::string_view::npos)
                return false;
            pattern.remove_prefix(end + 1);
        }
    }

    using Entries = std::map<std::string, T*>;

    // Where the key goes if it borders the last one inserted; the end otherwise,
    // which the map takes as no hint worth using.
    typename Entries::iterator HintFor(const std::string& key)
    {
        if (m_lastInserted == m_entries.end())
            return m_entries.end();
        if (key < m_lastInserted->first)
        {
            if (m_lastInserted == m_entries.begin() || std::prev(m_lastInserted)->first < key)
                return m_lastInserted;
        }
        else if (const auto next = std::next(m_lastInserted); next == m_entries.end() || key < next->first)
            return next;
        return m_entries.end();
    }

    void EraseEntry(typename Entries::iterator it)
    {
        if (it == m_entries.end())
            return;
        if (it == m_lastInserted)
            m_lastInserted = m_entries.end();
        m_entries.erase(it);
    }

    Entries m_entries;
    typename Entries::iterator m_lastInserted = m_entries.end();
    int m_fieldCount = 1;
};
