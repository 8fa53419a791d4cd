#pragma once

#include <QTime>
#include <QWidget>
#include <optional>

class QCheckBox;
class nxTimeField;

// A time picker as the standard date-time control shows one in time format: a time
// field, with up-down buttons if asked, and, if asked, a tick box whose clearing
// means "no time". It is one tab stop: Space toggles the tick box, and stepping or
// typing a digit while it is cleared ticks it again. A cleared picker keeps its time
// on show, greyed.
class nxTimePicker : public QWidget
{
public:
    nxTimePicker(QWidget* parent, bool showNone, bool upDown);

    bool SetFormat(const QString& format);
    // Shows the time and ticks the box.
    void SetTime(const QTime& time);
    // Clears the tick box; false for a picker without one.
    bool SetNone();
    bool IsNone() const;
    // Nothing while a field of the time is blank.
    std::optional<QTime> GetTime() const;

    nxTimeField* GetField() const { return m_field; }
    QCheckBox* GetTickBox() const { return m_tick; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyTick(bool ticked);

    QCheckBox* m_tick = nullptr;
    nxTimeField* m_field = nullptr;
};
