#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "platform/base/nxMessageBox.h"

// Answers every message box raised while it lives and records it, so that no
// test runs a modal loop. Answers are taken from a queue (IDOK when empty); a
// callback can act while the box is "open" (to check state held during it).
class nxMessageBoxInterceptor
{
public:
    nxMessageBoxInterceptor()
        : m_previous(
              nxSetMessageBoxHandler([this](const nxMessageBoxRequest& request) { return Answer(request); }))
    {
    }
    ~nxMessageBoxInterceptor() { nxSetMessageBoxHandler(std::move(m_previous)); }
    nxMessageBoxInterceptor(const nxMessageBoxInterceptor&) = delete;
    nxMessageBoxInterceptor& operator=(const nxMessageBoxInterceptor&) = delete;

    void QueueAnswer(int answer)
    {
        std::lock_guard guard(m_lock);
        m_answers.push_back(answer);
    }
    void OnShow(std::function<void(const nxMessageBoxRequest&)> action) { m_onShow = std::move(action); }

    std::vector<nxMessageBoxRequest> Requests() const
    {
        std::lock_guard guard(m_lock);
        return m_requests;
    }
    // Text, caption and flags of a box, compared as one.
    using Box = std::tuple<std::string, std::string, unsigned>;
    // The box shown, when exactly one was; otherwise a box that says how many were.
    Box Only() const
    {
        std::lock_guard guard(m_lock);
        if (m_requests.size() != 1)
            return {std::to_string(m_requests.size()) + " boxes", "", 0};
        return {m_requests[0].text, m_requests[0].caption, m_requests[0].flags};
    }
    size_t Count() const
    {
        std::lock_guard guard(m_lock);
        return m_requests.size();
    }
    void Clear()
    {
        std::lock_guard guard(m_lock);
        m_requests.clear();
    }

private:
    int Answer(const nxMessageBoxRequest& request)
    {
        int answer = IDOK;
        {
            std::lock_guard guard(m_lock);
            m_requests.push_back(request);
            if (!m_answers.empty())
            {
                answer = m_answers.front();
                m_answers.pop_front();
            }
        }
        if (m_onShow)
            m_onShow(request);
        return answer;
    }

    mutable std::mutex m_lock;
    std::vector<nxMessageBoxRequest> m_requests;
    std::deque<int> m_answers;
    std::function<void(const nxMessageBoxRequest&)> m_onShow;
    nxMessageBoxHandler m_previous;
};
