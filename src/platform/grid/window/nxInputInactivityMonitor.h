#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <set>
#include <vector>

class nxGridFrameWnd;

// Measures the time since the operator last used the keyboard or the mouse
// anywhere in the program, and tells each frame that asked for a threshold once
// its threshold has passed: once per quiet spell. A threshold that is not a
// positive number asks for nothing. Time is the process's steady clock, so tests
// can move it by hand.
class nxInputInactivityMonitor : public QObject
{
    Q_OBJECT

public:
    static constexpr int CheckIntervalMs = 1000;
    using FrameSource = std::function<std::vector<nxGridFrameWnd*>()>;

    explicit nxInputInactivityMonitor(FrameSource frames);
    ~nxInputInactivityMonitor() override;

    void NoteInput();
    double GetIdleSeconds() const;
    // Tells every frame whose threshold has passed in this quiet spell (the timer calls it).
    void Check();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrameSource m_frames;
    QTimer m_timer;
    int64_t m_lastInput = 0;
    std::set<const nxGridFrameWnd*> m_told;
};
