#include "platform/ui/nxDialogTemplateTable.h"

#include <map>
#include <mutex>

namespace
{
struct Table
{
    std::mutex lock;
    std::map<unsigned, nxDialogTemplate> templates;
};

Table& Templates()
{
    static Table table;
    return table;
}
} // namespace

void nxDialogTemplateTable::Register(const nxDialogTemplate& dialogTemplate)
{
    std::lock_guard guard(Templates().lock);
    Templates().templates.insert_or_assign(dialogTemplate.id, dialogTemplate);
}

nxDialogTemplate nxDialogTemplateTable::Get(unsigned id)
{
    std::lock_guard guard(Templates().lock);
    const auto found = Templates().templates.find(id);
    if (found != Templates().templates.end())
        return found->second;
    nxDialogTemplate empty;
    empty.id = id;
    return empty;
}

bool nxDialogTemplateTable::Has(unsigned id)
{
    std::lock_guard guard(Templates().lock);
    return Templates().templates.count(id) != 0;
}
