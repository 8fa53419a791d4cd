#pragma once

#include <QWidget>

#include "platform/ui/nxCmdTarget.h"

class nxGridDocument;
class nxGridFrameWnd;
class nxGridManager;
class nxGridWnd;

// The view of a grid window's frame: it holds the grid window, which owns the
// grid manager. Made in two steps: the constructor, then Create, which makes the
// grid window (_CreateGridWndInstance). Commands it does not handle go on to its
// grid window (Copy, Print, the customise-view dialogs) before the document.
class nxGridView : public QWidget, public nxCmdTarget
{
    Q_OBJECT

public:
    nxGridView();
    ~nxGridView() override;

    bool Create(nxGridDocument* document, QWidget* parent);
    // Once the document has its contents, before the frame shows.
    virtual void OnInitialUpdate();

    nxGridDocument* GetDocument() const { return m_document; }
    nxGridFrameWnd* GetParentFrame() const;
    nxGridWnd* GetGridWnd() const { return m_gridWnd; }
    virtual nxGridManager* GetGridManager() const;
    void ScrollToTop();
    void SetDocumentModifiedFlag(bool modified);

    bool OnCmdMsg(unsigned id) override;
    bool OnUpdateCmdUI(CCmdUI& ui) override;

protected:
    // The grid window, made on this view; a plain grid when not overridden.
    virtual nxGridWnd* _CreateGridWndInstance();

private:
    nxGridDocument* m_document = nullptr;
    nxGridWnd* m_gridWnd = nullptr;
};
