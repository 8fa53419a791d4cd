#include "platform/grid/window/nxGridView.h"

#include <QVBoxLayout>

#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/grid/window/nxGridWnd.h"

nxGridView::nxGridView() = default;

nxGridView::~nxGridView() = default;

nxGridWnd* nxGridView::_CreateGridWndInstance()
{
    return new nxGridWnd();
}

bool nxGridView::Create(nxGridDocument* document, QWidget* parent)
{
    setParent(parent);
    m_document = document;
    m_gridWnd = _CreateGridWndInstance();
    if (!m_gridWnd || !m_gridWnd->Create())
        return false;
    m_gridWnd->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gridWnd);
    setFocusProxy(m_gridWnd->GetTableView());
    connect(m_gridWnd, &nxGridWnd::CommandRequested, this,
            [this](unsigned id)
            {
                if (nxGridFrameWnd* frame = GetParentFrame())
                    frame->OnCommand(id);
            });
    if (m_document)
        m_document->SetView(this);
    return true;
}

void nxGridView::OnInitialUpdate()
{
    if (m_gridWnd)
        m_gridWnd->FlushNow();
}

nxGridFrameWnd* nxGridView::GetParentFrame() const
{
    return qobject_cast<nxGridFrameWnd*>(window());
}

nxGridManager* nxGridView::GetGridManager() const
{
    return m_gridWnd ? m_gridWnd->GetGridManager() : nullptr;
}

void nxGridView::ScrollToTop()
{
    if (m_gridWnd)
        m_gridWnd->ScrollToTop();
}

void nxGridView::SetDocumentModifiedFlag(bool modified)
{
    if (m_document)
        m_document->SetModifiedFlag(modified);
}

bool nxGridView::OnCmdMsg(unsigned id)
{
    return nxCmdTarget::OnCmdMsg(id) || (m_gridWnd && m_gridWnd->OnCmdMsg(id));
}

bool nxGridView::OnUpdateCmdUI(CCmdUI& ui)
{
    return nxCmdTarget::OnUpdateCmdUI(ui) || (m_gridWnd && m_gridWnd->OnUpdateCmdUI(ui));
}
