#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

// Control styles that the dialogs of this program use (the classic numbers).
namespace nxStyle
{
inline constexpr unsigned WS_DISABLED = 0x08000000;
inline constexpr unsigned WS_VSCROLL = 0x00200000;
inline constexpr unsigned ES_AUTOHSCROLL = 0x0080;
inline constexpr unsigned ES_READONLY = 0x0800;
inline constexpr unsigned LBS_NOTIFY = 0x0001;
inline constexpr unsigned LBS_SORT = 0x0002;
inline constexpr unsigned LBS_MULTIPLESEL = 0x0008;
inline constexpr unsigned LBS_EXTENDEDSEL = 0x0800;
inline constexpr unsigned CBS_SORT = 0x0100;
inline constexpr unsigned SS_CENTER = 0x0001;
inline constexpr unsigned SS_RIGHT = 0x0002;
inline constexpr unsigned SS_SUNKEN = 0x1000;
inline constexpr unsigned DTS_UPDOWN = 0x0001;
inline constexpr unsigned DTS_SHOWNONE = 0x0002;
inline constexpr unsigned DTS_TIMEFORMAT = 0x0009; // includes DTS_UPDOWN
} // namespace nxStyle

enum class nxControlKind
{
    Static,
    Edit,
    PushButton,
    DefPushButton,
    CheckBox,
    GroupBox,
    ListBox,
    DropDownList,
    Custom, // made by the control's factory
};

// A rectangle in dialog units: x from the average character width / 4, y from the
// character height / 8 of the dialog's font, so a dialog keeps its proportions.
struct nxDialogRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct nxDialogControl
{
    nxDialogControl(int id_, nxControlKind kind_, std::string text_, nxDialogRect rect_, unsigned style_ = 0,
                    std::function<QWidget*(QWidget*)> factory_ = {})
        : id(id_), kind(kind_), text(std::move(text_)), rect(rect_), style(style_),
          factory(std::move(factory_))
    {
    }

    int id = -1; // -1 for labels nobody addresses
    nxControlKind kind = nxControlKind::Static;
    std::string text;
    nxDialogRect rect;
    unsigned style = 0;
    // For Custom controls: makes the widget as a child of the dialog.
    std::function<QWidget*(QWidget* parent)> factory;
};

// A dialog's layout: caption, size in dialog units and its controls in tab order.
struct nxDialogTemplate
{
    unsigned id = 0;
    std::string caption;
    int width = 0;
    int height = 0;
    std::vector<nxDialogControl> controls;
};
