#include "platform/grid/window/nxInputInactivityMonitor.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <cmath>

#include "platform/base/nxSteadyClock.h"
#include "platform/grid/window/nxGridFrameWnd.h"

namespace
{
bool IsInput(QEvent::Type type)
{
    switch (type)
    {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}
} // namespace

nxInputInactivityMonitor::nxInputInactivityMonitor(FrameSource frames)
    : m_frames(std::move(frames)), m_lastInput(nxSteadyClock::NowNanoseconds())
{
    QCoreApplication::instance()->installEventFilter(this);
    m_timer.setInterval(CheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &nxInputInactivityMonitor::Check);
    m_timer.start();
}

nxInputInactivityMonitor::~nxInputInactivityMonitor()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool nxInputInactivityMonitor::eventFilter(QObject* watched, QEvent* event)
{
    if (IsInput(event->type()))
        NoteInput();
    return QObject::eventFilter(watched, event);
}

void nxInputInactivityMonitor::NoteInput()
{
    m_lastInput = nxSteadyClock::NowNanoseconds();
    m_told.clear();
}

double nxInputInactivityMonitor::GetIdleSeconds() const
{
    return static_cast<double>(nxSteadyClock::NowNanoseconds() - m_lastInput) / 1e9;
}

void nxInputInactivityMonitor::Check()
{
    const double idle = GetIdleSeconds();
    const std::vector<nxGridFrameWnd*> frames = m_frames();
    // A closed frame's address may come back as a new frame's.
    std::erase_if(m_told, [&](const nxGridFrameWnd* told)
                  { return std::find(frames.begin(), frames.end(), told) == frames.end(); });
    for (nxGridFrameWnd* frame : frames)
    {
        const nxDoubleValueWrapper threshold = frame->GetInputInactivityWarningThresholdSeconds();
        if (!threshold.HasValue() || !(threshold.GetValue() > 0) || std::isinf(threshold.GetValue()) ||
            idle < threshold.GetValue() || m_told.count(frame))
            continue;
        m_told.insert(frame);
        frame->OnInputInactivityWarning();
    }
}
