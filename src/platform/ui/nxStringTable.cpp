#include "platform/ui/nxStringTable.h"

#include <map>
#include <mutex>

#include "platform/ui/nxCommandIds.h"

namespace
{
std::map<unsigned, std::string> BuiltIn()
{
    using namespace nxCommand;
    return {
        {FileNew, "Create a new document\nNew"},
        {FileOpen, "Open an existing document\nOpen"},
        {FileClose, "Close the active document\nClose"},
        {FileSave, "Save the active document\nSave"},
        {FileSaveAs, "Save the active document with a new name\nSave As"},
        {FilePrintSetup, "Change the printer and printing options\nPrint Setup"},
        {FilePrint, "Print the active document\nPrint"},
        {FilePrintPreview, "Display full pages\nPrint Preview"},
        {FileMruFirst, "Open this document"},
        {EditCopy, "Copy the selection and put it on the Clipboard\nCopy"},
        {AppAbout, "Display program information, version number and copyright\nAbout"},
        {AppExit, "Close this window; the program ends with its last window\nExit"},
        {ViewToolbar, "Show or hide the toolbar\nToggle Toolbar"},
        {ViewStatusBar, "Show or hide the status bar\nToggle Status Bar"},
        {ViewColumnPicker, "Choose the columns this view shows\nColumn Picker"},
        {ViewCustomise, "Change the columns, colours and updates of this view\nCustomise View"},
        {SaveWorkspace, "Save every open window as the current workspace\nSave Workspace"},
        {ViewSorting, "Choose the order of the rows\nSorting"},
        {ExitAll, "Close every window and end the program\nExit All"},
        {SaveAsDefault, "Start new windows of this kind with this layout\nSave As Default"},
    };
}

struct Table
{
    std::mutex lock;
    std::map<unsigned, std::string> texts = BuiltIn();
};

Table& GetTable()
{
    static Table table;
    return table;
}

std::string Part(const std::string& text, bool second)
{
    const size_t split = text.find('\n');
    if (split == std::string::npos)
        return second ? std::string() : text;
    return second ? text.substr(split + 1) : text.substr(0, split);
}
} // namespace

void nxStringTable::Register(unsigned id, std::string text)
{
    Table& table = GetTable();
    std::lock_guard guard(table.lock);
    table.texts[id] = std::move(text);
}

std::string nxStringTable::Get(unsigned id)
{
    Table& table = GetTable();
    std::lock_guard guard(table.lock);
    auto found = table.texts.find(id);
    return found == table.texts.end() ? std::string() : found->second;
}

bool nxStringTable::Has(unsigned id)
{
    Table& table = GetTable();
    std::lock_guard guard(table.lock);
    return table.texts.count(id) != 0;
}

std::string nxStringTable::StatusTip(unsigned id)
{
    return Part(Get(id), false);
}

std::string nxStringTable::ToolTip(unsigned id)
{
    return Part(Get(id), true);
}
