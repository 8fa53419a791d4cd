#include "platform/grid/window/CMultiDocTemplate.h"

#include <memory>

#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridView.h"

CMultiDocTemplate::CMultiDocTemplate(unsigned resourceId, std::string docString, DocumentFactory document,
                                     FrameFactory frame, ViewFactory view)
    : m_resourceId(resourceId), m_docString(std::move(docString)), m_makeDocument(std::move(document)),
      m_makeFrame(std::move(frame)), m_makeView(std::move(view))
{
}

std::string CMultiDocTemplate::GetDocStringField(DocStringIndex index) const
{
    size_t start = 0;
    for (int field = 0; field < index; ++field)
    {
        start = m_docString.find('\n', start);
        if (start == std::string::npos)
            return std::string();
        ++start;
    }
    const size_t end = m_docString.find('\n', start);
    return m_docString.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool CMultiDocTemplate::GetDocString(std::string& text, DocStringIndex index) const
{
    text = GetDocStringField(index);
    return !text.empty();
}

std::string CMultiDocTemplate::MakeUntitledTitle()
{
    std::string name;
    if (!GetDocString(name, docName))
        name = "Untitled";
    return name + std::to_string(++m_untitledCount);
}

nxGridFrameWnd* CMultiDocTemplate::OpenDocumentFile(const std::string& path, nxXMLElement* layout, bool show)
{
    std::unique_ptr<nxGridDocument> document(m_makeDocument ? m_makeDocument() : nullptr);
    std::unique_ptr<nxGridFrameWnd> frame(m_makeFrame ? m_makeFrame() : nullptr);
    if (!document || !frame)
        return nullptr;
    document->SetDocTemplate(this);
    if (!frame->LoadFrame(m_resourceId, std::move(document), m_makeView))
        return nullptr;
    nxGridDocument* opened = frame->GetActiveDocument();
    const bool ready = layout ? opened->OnOpenDocument(path, *layout) : opened->OnNewDocument();
    if (!ready)
        return nullptr;
    if (path.empty())
        opened->SetTitle(MakeUntitledTitle());
    frame->InitialUpdateFrame(show);
    return frame.release();
}
