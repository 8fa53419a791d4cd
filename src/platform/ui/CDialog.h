#pragma once

#include <QColor>
#include <QDialog>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/base/nxMessageBox.h"
#include "platform/ui/nxDialogTemplate.h"

class CWnd;

// Notification codes a dialog can map, per control.
namespace nxNotify
{
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned LBN_SELCHANGE = 1;
inline constexpr unsigned LBN_DBLCLK = 2;
inline constexpr unsigned CBN_SELCHANGE = 1;
inline constexpr unsigned EN_CHANGE = 0x300;
} // namespace nxNotify

// A modal dialog built from a template of controls in dialog units, in the classic
// shape: DoModal answers IDOK or IDCANCEL; OnInitDialog, OnOK and OnCancel can be
// overridden; controls are reached by id and bound to typed handles in
// DoDataExchange. Tab order follows the template; the default button answers
// Enter (a dialog without one runs OnOK, as the classic dialogs do: a plain button
// never becomes the default unless it has focus) and Escape cancels. Every DoModal builds the controls
// afresh, so a dialog remembers nothing between runs but its members.
class CDialog : public QDialog
{
    Q_OBJECT

public:
    CDialog(const nxDialogTemplate& dialogTemplate, QWidget* parent);
    ~CDialog() override;

    virtual int DoModal();
    // Builds the controls and initialises them without a modal loop; shown unless
    // told otherwise. Property pages and tests use it.
    void Create(bool show = true);
    void EndDialog(int result);

    unsigned GetTemplateID() const { return m_template.id; }
    const nxDialogTemplate& GetTemplate() const { return m_template; }
    QWidget* GetDlgItem(int id) const;
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    void GotoDlgCtrl(int id);
    // The handle message boxes of this dialog take as their owner.
    nxWindowRef GetWindowRef() { return nxWindowRef::FromOpaque(static_cast<QWidget*>(this)); }

    // Pixel rectangle (in the dialog) of a rectangle in dialog units.
    QRect MapDialogRect(const nxDialogRect& rect) const;

protected:
    virtual void DoDataExchange() {}
    // True: focus goes to the first control that takes it.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A colour for a static control (a swatch), or nothing for the usual look.
    virtual std::optional<QColor> OnCtlColor(int /*id*/) const { return std::nullopt; }

    void DDX_Control(int id, CWnd& control);
    // The message map: what a control's notification runs.
    void MapNotify(int id, unsigned code, std::function<void()> handler);

    void reject() override;
    void accept() override;
    void setVisible(bool visible) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool HasDefaultButton() const;
    void BuildControls();
    void DestroyControls();
    QWidget* MakeControl(const nxDialogControl& control);
    void Connect(const nxDialogControl& control, QWidget* widget);
    void Notify(int id, unsigned code);
    void FocusFirstControl();

    nxDialogTemplate m_template;
    std::map<int, QWidget*> m_controls;
    std::map<std::pair<int, unsigned>, std::function<void()>> m_notifications;
    bool m_built = false;
};

using CDialogEx = CDialog;
