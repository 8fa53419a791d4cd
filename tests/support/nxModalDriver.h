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
// Made with Popup, it acts on the next popup menu instead.
class nxModalDriver
{
public:
    struct Popup
    {
    };

    explicit nxModalDriver(std::function<void(QWidget*)> action, int timeoutMs = 5000)
        : nxModalDriver(false, std::move(action), timeoutMs)
    {
    }
    nxModalDriver(Popup, std::function<void(QWidget*)> action, int timeoutMs = 5000)
        : nxModalDriver(true, std::move(action), timeoutMs)
    {
    }
    ~nxModalDriver() { m_state->done = true; }
    nxModalDriver(const nxModalDriver&) = delete;
    nxModalDriver& operator=(const nxModalDriver&) = delete;

    bool Ran() const { return m_state->ran; }

private:
    nxModalDriver(bool popup, std::function<void(QWidget*)> action, int timeoutMs)
        : m_state(std::make_shared<State>())
    {
        m_state->popup = popup;
        m_state->before = Watched(popup);
        m_state->action = std::move(action);
        m_state->timeoutMs = timeoutMs;
        m_state->clock.start();
        Schedule(m_state, 0);
    }

    static QWidget* Watched(bool popup)
    {
        return popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
    }

    struct State
    {
        QPointer<QWidget> before;
        std::function<void(QWidget*)> action;
        int timeoutMs = 0;
        QElapsedTimer clock;
        bool popup = false;
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
        QWidget* modal = Watched(state->popup);
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
