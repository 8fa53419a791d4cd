#include "platform/ui/nxResourceTable.h"

#include <mutex>

namespace
{
struct Resources
{
    std::mutex lock;
    std::map<unsigned, nxMenuTemplate> menus;
    std::map<unsigned, std::vector<nxAccelerator>> accelerators;
    std::map<unsigned, std::vector<unsigned>> toolBars;
    std::map<unsigned, std::map<unsigned, std::string>> bitmaps;
    std::map<unsigned, std::string> icons;
};

Resources& GetResources()
{
    static Resources resources;
    return resources;
}

template <class Map> void Put(Map Resources::*table, unsigned id, typename Map::mapped_type value)
{
    Resources& resources = GetResources();
    std::lock_guard guard(resources.lock);
    (resources.*table).insert_or_assign(id, std::move(value));
}

template <class Map> std::optional<typename Map::mapped_type> Find(Map Resources::*table, unsigned id)
{
    Resources& resources = GetResources();
    std::lock_guard guard(resources.lock);
    const auto found = (resources.*table).find(id);
    if (found == (resources.*table).end())
        return std::nullopt;
    return found->second;
}
} // namespace

void nxResourceTable::RegisterMenu(const nxMenuTemplate& menu)
{
    Put(&Resources::menus, menu.id, menu);
}

std::optional<nxMenuTemplate> nxResourceTable::GetMenu(unsigned id)
{
    return Find(&Resources::menus, id);
}

void nxResourceTable::RegisterAccelerators(unsigned id, std::vector<nxAccelerator> accelerators)
{
    Put(&Resources::accelerators, id, std::move(accelerators));
}

std::vector<nxAccelerator> nxResourceTable::GetAccelerators(unsigned id)
{
    return Find(&Resources::accelerators, id).value_or(std::vector<nxAccelerator>());
}

void nxResourceTable::RegisterToolBar(unsigned id, std::vector<unsigned> buttons)
{
    Put(&Resources::toolBars, id, std::move(buttons));
}

std::optional<std::vector<unsigned>> nxResourceTable::GetToolBar(unsigned id)
{
    return Find(&Resources::toolBars, id);
}

void nxResourceTable::RegisterToolBarBitmap(unsigned id, std::map<unsigned, std::string> images)
{
    Put(&Resources::bitmaps, id, std::move(images));
}

std::map<unsigned, std::string> nxResourceTable::GetToolBarBitmap(unsigned id)
{
    return Find(&Resources::bitmaps, id).value_or(std::map<unsigned, std::string>());
}

void nxResourceTable::RegisterIcon(unsigned id, std::string path)
{
    Put(&Resources::icons, id, std::move(path));
}

std::string nxResourceTable::GetIcon(unsigned id)
{
    return Find(&Resources::icons, id).value_or(std::string());
}
