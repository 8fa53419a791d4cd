#pragma once

#include <QAbstractSpinBox>
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

// The editing part of a time picker: a time of day in a format of two-digit fields
// ("HH", "mm", "ss") and separators. Typing fills a field from its start and then
// moves to the next; Up and Down
// (Page Up and Page Down by ten) step the field under the cursor, wrapping within it.
// A field can be left blank; the text then stays as the operator left it, and the
// time reads as none, so an unfinished entry is never taken for a time.
class nxTimeField : public QAbstractSpinBox
{
public:
    explicit nxTimeField(QWidget* parent);

    // False, leaving the format alone, for a format it cannot show.
    bool SetFormat(const QString& format);
    const QString& GetFormat() const { return m_format; }
    void SetTime(const QTime& time);
    // Nothing while a field is blank.
    std::optional<QTime> GetTime() const;

    QValidator::State validate(QString& input, int& pos) const override;
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Section
    {
        char unit;    // 'H', 'm' or 's'
        int position; // of its first digit in the text
        int maximum;  // 23 for hours, 59 for minutes and seconds
    };

    static bool ParseFormat(const QString& format, std::vector<Section>& sections);
    // The section's value, -1 while either digit is blank.
    static int SectionValue(const QString& text, const Section& section);
    int SectionAtCursor() const;
    void SelectSection(int index);
    // The section whose typing starts at the cursor: its first digit, or just after the one before.
    int SectionStartingAt(int cursor) const;
    // A digit typed at a section's start begins it afresh; one too large to lead it
    // (a 7 in the hours) is taken as "07". False when the cursor is elsewhere.
    bool TypeDigit(int digit);

    QString m_format;
    std::vector<Section> m_sections;
};
