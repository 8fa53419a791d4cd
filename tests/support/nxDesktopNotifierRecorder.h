#pragma once

#include <string>
#include <vector>

#include "platform/ui/nxDesktopNotifier.h"

// Records every desktop notification asked for while it lives, instead of
// showing it; Click acts as the operator clicking one.
class nxDesktopNotifierRecorder : public nxDesktopNotifier
{
public:
    nxDesktopNotifierRecorder() : m_previous(nxDesktopNotifier::Install(this)) {}
    ~nxDesktopNotifierRecorder() override { nxDesktopNotifier::Install(m_previous); }
    nxDesktopNotifierRecorder(const nxDesktopNotifierRecorder&) = delete;
    nxDesktopNotifierRecorder& operator=(const nxDesktopNotifierRecorder&) = delete;

    void Notify(nxDesktopNotification notification) override { m_shown.push_back(std::move(notification)); }

    const std::vector<nxDesktopNotification>& Shown() const { return m_shown; }
    size_t Count() const { return m_shown.size(); }
    std::vector<std::string> Bodies() const
    {
        std::vector<std::string> bodies;
        for (const nxDesktopNotification& shown : m_shown)
            bodies.push_back(shown.body);
        return bodies;
    }
    void Click(size_t index) const
    {
        if (index < m_shown.size() && m_shown[index].onClicked)
            m_shown[index].onClicked();
    }

private:
    std::vector<nxDesktopNotification> m_shown;
    nxDesktopNotifier* m_previous;
};
