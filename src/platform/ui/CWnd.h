#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <string>

// A thin handle over a control of a dialog, in the classic shape: it does not own
// the widget and is empty until bound (CDialog::DDX_Control).
class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd() = default;

    void Attach(QWidget* widget) { m_widget = widget; }
    QWidget* GetSafeHwnd() const { return m_widget.data(); }
    bool IsBound() const { return !m_widget.isNull(); }
    int GetDlgCtrlID() const;

    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);
    void SetFocus();
    bool HasFocus() const;
    void Invalidate();

    virtual std::string GetWindowText() const;
    virtual void SetWindowText(const std::string& text);

    // Screen coordinates, as the classic GetWindowRect gives them.
    QRect GetWindowRect() const;
    // Moves the control to a rectangle in screen coordinates, keeping it in its parent.
    void MoveWindowToScreenRect(const QRect& screenRect);

protected:
    QPointer<QWidget> m_widget;
};
