#include "app/nxSystemManagerResources.h"

#include <QtGlobal>
#include <mutex>

#include "app/CAboutDlg.h"
#include "app/nxSystemManagerIds.h"
#include "grids/nxControlCommandIds.h"
#include "platform/ui/nxCommandIds.h"
#include "platform/ui/nxDialogTemplateTable.h"
#include "platform/ui/nxResourceTable.h"
#include "platform/ui/nxStringTable.h"

namespace
{
using Item = nxMenuItemTemplate;
using namespace nxSystemManagerId;
using namespace nxControlCommand;

Item FilePopup()
{
    using namespace nxCommand;
    return Item::Popup("&File", {
                                    Item::Command(FileNew, "&New\tCtrl+N"),
                                    Item::Command(FileOpen, "&Open...\tCtrl+O"),
                                    Item::Command(FileSave, "&Save\tCtrl+S"),
                                    Item::Command(FileSaveAs, "Save &As..."),
                                    Item::Separator(),
                                    Item::Command(SaveAsDefault, "Save As &Default"),
                                    Item::Separator(),
                                    Item::Popup("Open Workspace",
                                                {
                                                    Item::Command(OpenWorkspaceFirst, "Workspace 1"),
                                                    Item::Command(OpenWorkspaceFirst + 1, "Workspace 2"),
                                                    Item::Command(OpenWorkspaceFirst + 2, "Workspace 3"),
                                                    Item::Command(OpenWorkspaceFirst + 3, "Workspace 4"),
                                                }),
                                    Item::Command(SaveWorkspace, "Save Workspace"),
                                    Item::Separator(),
                                    Item::Command(FilePrint, "&Print...\tCtrl+P"),
                                    Item::Command(FilePrintPreview, "Print Pre&view"),
                                    Item::Command(FilePrintSetup, "P&rint Setup..."),
                                    Item::Separator(),
                                    Item::Command(FileMruFirst, "Recent File"),
                                    Item::Separator(),
                                    Item::Command(AppExit, "E&xit"),
                                    Item::Command(ExitAll, "Exit All"),
                                });
}

Item EditPopup()
{
    return Item::Popup("&Edit", {Item::Command(nxCommand::EditCopy, "&Copy\tCtrl+C")});
}

Item ControlPopup()
{
    return Item::Popup("&Control",
                       {
                           Item::Command(ID_STOP_APPLICATION, "&Stop Application"),
                           Item::Separator(),
                           Item::Command(ID_CONFIGURE_SCHEDULE_SCHEMES, "&Configure Schedule Schemes..."),
                           Item::Command(ID_ASSIGN_SCHEDULE, "&Assign Schedule to Applications..."),
                           Item::Separator(),
                           Item::Command(ID_REMOVE_APPLICATION, "Remove Application"),
                       });
}

// The views' own last items: sorting for the application grids, filters for the log.
Item ViewPopup(std::vector<Item> last)
{
    using namespace nxCommand;
    std::vector<Item> items = {
        Item::Command(ViewToolbar, "&Toolbar"),
        Item::Command(ViewStatusBar, "&Status Bar"),
        Item::Separator(),
        Item::Command(ViewCustomise, "Customise this &View..."),
        Item::Command(ViewColumnPicker, "&Column Picker..."),
    };
    items.insert(items.end(), last.begin(), last.end());
    return Item::Popup("&View", items);
}

Item HelpPopup()
{
    return Item::Popup("&Help", {Item::Command(nxCommand::AppAbout, "&About VantrelSystemManager...")});
}

std::vector<nxAccelerator> Accelerators()
{
    using namespace nxCommand;
    return {{"Ctrl+N", FileNew},   {"Ctrl+O", FileOpen}, {"Ctrl+S", FileSave},
            {"Ctrl+P", FilePrint}, {"Ctrl+C", EditCopy}, {"Ctrl+Insert", EditCopy}};
}
} // namespace

void nxSystemManagerResources::Register()
{
    static std::once_flag registered;
    std::call_once(registered,
                   []
                   {
                       // The images live in this static library, whose initialisers no one else calls.
                       Q_INIT_RESOURCE(VantrelSystemManager);
                       RegisterMenus();
                       RegisterToolBars();
                       RegisterIcons();
                       RegisterStrings();
                       nxDialogTemplateTable::Register(CAboutDlg::MakeTemplate());
                   });
}

void nxSystemManagerResources::RegisterMenus()
{
    const Item sorting = Item::Command(nxCommand::ViewSorting, "Sorting...");
    nxResourceTable::RegisterMenu(
        {IDR_SERVERS, {FilePopup(), EditPopup(), ControlPopup(), ViewPopup({sorting}), HelpPopup()}});
    nxResourceTable::RegisterMenu(
        {IDR_LOG,
         {FilePopup(), EditPopup(),
          ViewPopup({Item::Separator(), Item::Command(ID_LOG_FILTERS, "&Filters...")}), HelpPopup()}});
    nxResourceTable::RegisterMenu(
        {IDR_CLIENTS, {FilePopup(), EditPopup(), ViewPopup({sorting}), HelpPopup()}});
    for (unsigned id : {IDR_SERVERS, IDR_LOG, IDR_CLIENTS})
        nxResourceTable::RegisterAccelerators(id, Accelerators());
}

void nxSystemManagerResources::RegisterToolBars()
{
    using namespace nxCommand;
    const std::map<unsigned, std::string> images = {
        {FileNew, ":/icons/new.svg"},
        {FileOpen, ":/icons/open.svg"},
        {SaveWorkspace, ":/icons/saveworkspace.svg"},
        {EditCopy, ":/icons/copy.svg"},
        {FilePrint, ":/icons/print.svg"},
    };
    for (unsigned id : {IDR_SERVERS, IDR_LOG, IDR_CLIENTS})
        nxResourceTable::RegisterToolBar(id, {FileNew, FileOpen, SaveWorkspace, 0, EditCopy, 0, FilePrint});
    for (unsigned id : {IDB_SERVERS_TOOLBAR, IDB_LOG_TOOLBAR, IDB_CLIENTS_TOOLBAR})
        nxResourceTable::RegisterToolBarBitmap(id, images);
}

void nxSystemManagerResources::RegisterIcons()
{
    nxResourceTable::RegisterIcon(IDR_SERVERS, ":/icons/servers.svg");
    nxResourceTable::RegisterIcon(IDR_LOG, ":/icons/log.svg");
    nxResourceTable::RegisterIcon(IDR_CLIENTS, ":/icons/clients.svg");
    nxResourceTable::RegisterIcon(IDI_PROGRAM, ":/icons/program.svg");
}

void nxSystemManagerResources::RegisterStrings()
{
    nxStringTable::Register(nxStringTable::AppTitleId, "VantrelSystemManager");
    nxStringTable::Register(ID_STOP_APPLICATION, "Stop the selected application\nStop Application");
    nxStringTable::Register(ID_ASSIGN_SCHEDULE, "Assign schedule to the selected applications");
    nxStringTable::Register(ID_REMOVE_APPLICATION,
                            "Remove application from snapshot of running applications");
    nxStringTable::Register(ID_LOG_FILTERS, "Filters\nFilters");
}
