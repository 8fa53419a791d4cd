#include "platform/base/nxMessageBox.h"

#include <mutex>

#include "platform/base/nxLog.h"

namespace
{
std::mutex g_lock;
nxMessageBoxHandler g_handler;

int DefaultAnswer(const nxMessageBoxRequest& request)
{
    nxLog(nxLogLevelEnum(nxLogLevel::Warning), "nxMessageBox")
        << (request.caption.empty() ? std::string() : request.caption + ": ") << request.text;
    const unsigned buttons = request.flags & 0xF;
    return (buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL) ? IDCANCEL : IDOK;
}
} // namespace

int nxMessageBox(nxWindowRef owner, const std::string& text, const std::string& caption, unsigned flags)
{
    nxMessageBoxHandler handler;
    {
        std::lock_guard guard(g_lock);
        handler = g_handler;
    }
    const nxMessageBoxRequest request{owner, text, caption, flags};
    return handler ? handler(request) : DefaultAnswer(request);
}

nxMessageBoxHandler nxSetMessageBoxHandler(nxMessageBoxHandler handler)
{
    std::lock_guard guard(g_lock);
    std::swap(g_handler, handler);
    return handler;
}
