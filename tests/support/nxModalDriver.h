#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Acts on the next modal window (a dialog or message box) from inside its own
// event loop, as an operator would. Make it before the code that opens the window;
// it stops watching when it goes out of scope. A modal window that it has not
// acted on within the time limit is closed and the test fails, so no test hangs.
class nxModalDriver
{
public:
    explicit nxModalDriver(std::function<void(QWidget*)> action, int timeoutMs = 5000)
        : m_state(std::make_shared<State>())
    {
        m_state->before = QApplication::activeModalWidget();
        m_state->action = std::move(action);
        m_state->timeoutMs = timeoutMs;
        m_state->clock.start();
        Schedule(m_state, 0);
    }
    ~nxModalDriver() { m_state->done = true; }
    nxModalDriver(const nxModalDriver&) = delete;
    nxModalDriver& operator=(const nxModalDriver&) = delete;

    bool Ran() const { return m_state->ran; }

private:
    struct State
    {
        QPointer<QWidget> before;
        std::function<void(QWidget*)> action;
        int timeoutMs = 0;
        QElapsedTimer clock;
        bool done = false;
        bool ran = false;
    };

    static void Schedule(const std::shared_ptr<State>& state, int delayMs)
    {
        QTimer::singleShot(delayMs, [state] { Poll(state); });
    }

    static void Poll(const std::shared_ptr<State>& state)
    {
        if (state->done)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != state->before && modal->isVisible())
        {
            state->done = true;
            state->ran = true;
            state->action(modal);
            return;
        }
        if (state->clock.elapsed() > state->timeoutMs)
        {
            state->done = true;
            ADD_FAILURE() << "no modal window appeared in time";
            if (modal && modal != state->before)
                modal->close();
            return;
        }
        Schedule(state, 5);
    }

    std::shared_ptr<State> m_state;
};
