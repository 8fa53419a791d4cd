#include "platform/ui/nxTimeField.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace
{
constexpr int kDigitsPerSection = 2;
constexpr QChar kBlank = u' ';

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int MaximumOf(char unit)
{
    return unit == 'H' ? 23 : 59;
}

QString InputMaskOf(const QString& format)
{
    QString mask;
    for (int i = 0; i < format.size(); ++i)
    {
        if (format[i].isLetter())
            mask += u'9';
        else
            mask += QString(u'\\') + format[i];
    }
    return mask; // blanks are spaces
}
} // namespace

nxTimeField::nxTimeField(QWidget* parent) : QAbstractSpinBox(parent)
{
    SetFormat("HH:mm:ss");
    SetTime(QTime(0, 0));
}

bool nxTimeField::ParseFormat(const QString& format, std::vector<Section>& sections)
{
    sections.clear();
    for (int i = 0; i < format.size();)
    {
        if (!format[i].isLetter())
        {
            ++i;
            continue;
        }
        const QString token = format.mid(i, kDigitsPerSection);
        if (token != "HH" && token != "mm" && token != "ss")
            return false;
        const char unit = token[0].toLatin1();
        for (const Section& earlier : sections)
            if (earlier.unit == unit)
                return false;
        sections.push_back({unit, i, MaximumOf(unit)});
        i += kDigitsPerSection;
    }
    return !sections.empty();
}

bool nxTimeField::SetFormat(const QString& format)
{
    std::vector<Section> sections;
    if (!ParseFormat(format, sections))
        return false;
    const std::optional<QTime> shown = GetTime();
    m_format = format;
    m_sections = std::move(sections);
    lineEdit()->setInputMask(InputMaskOf(m_format));
    if (shown)
        SetTime(*shown);
    return true;
}

void nxTimeField::SetTime(const QTime& time)
{
    lineEdit()->setText(time.toString(m_format));
}

std::optional<QTime> nxTimeField::GetTime() const
{
    QString shown = text();
    int position = 0;
    if (m_sections.empty() || validate(shown, position) != QValidator::Acceptable)
        return std::nullopt;
    int hour = 0, minute = 0, second = 0;
    for (const Section& section : m_sections)
    {
        const int value = SectionValue(shown, section);
        (section.unit == 'H' ? hour : section.unit == 'm' ? minute : second) = value;
    }
    return QTime(hour, minute, second);
}

int nxTimeField::SectionValue(const QString& text, const Section& section)
{
    const QChar high = text[section.position];
    const QChar low = text[section.position + 1];
    if (!IsDigit(high) || !IsDigit(low))
        return -1;
    return high.digitValue() * 10 + low.digitValue();
}

QValidator::State nxTimeField::validate(QString& input, int& /*pos*/) const
{
    if (input.size() != m_format.size())
        return QValidator::Invalid;
    for (int i = 0; i < input.size(); ++i)
        if (!m_format[i].isLetter() && input[i] != m_format[i])
            return QValidator::Invalid;
    bool complete = true;
    for (const Section& section : m_sections)
    {
        const QChar high = input[section.position];
        const QChar low = input[section.position + 1];
        if ((!IsDigit(high) && high != kBlank) || (!IsDigit(low) && low != kBlank))
            return QValidator::Invalid;
        if (IsDigit(high) && high.digitValue() > section.maximum / 10)
            return QValidator::Invalid;
        if (SectionValue(input, section) > section.maximum)
            return QValidator::Invalid;
        complete = complete && IsDigit(high) && IsDigit(low);
    }
    return complete ? QValidator::Acceptable : QValidator::Intermediate;
}

int nxTimeField::SectionAtCursor() const
{
    const int cursor =
        lineEdit()->hasSelectedText() ? lineEdit()->selectionStart() : lineEdit()->cursorPosition();
    for (size_t i = 0; i < m_sections.size(); ++i)
        if (cursor <= m_sections[i].position + kDigitsPerSection)
            return static_cast<int>(i);
    return static_cast<int>(m_sections.size()) - 1;
}

void nxTimeField::SelectSection(int index)
{
    lineEdit()->setSelection(m_sections[index].position, kDigitsPerSection);
}

// Fields wrap on their own, as the standard picker's do: 23:59 stepped up by an hour is 00:59.
void nxTimeField::stepBy(int steps)
{
    if (m_sections.empty() || isReadOnly())
        return;
    const int index = SectionAtCursor();
    QString shown = text();
    for (size_t i = 0; i < m_sections.size(); ++i)
    {
        const Section& section = m_sections[i];
        const int range = section.maximum + 1;
        int value = std::max(0, SectionValue(shown, section));
        if (static_cast<int>(i) == index)
            value = ((value + steps) % range + range) % range;
        shown.replace(section.position, kDigitsPerSection,
                      QString::number(value).rightJustified(kDigitsPerSection, u'0'));
    }
    lineEdit()->setText(shown);
    SelectSection(index);
}

QAbstractSpinBox::StepEnabled nxTimeField::stepEnabled() const
{
    if (m_sections.empty() || isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

int nxTimeField::SectionStartingAt(int cursor) const
{
    for (size_t i = 0; i < m_sections.size(); ++i)
    {
        const bool afterPrevious = i > 0 && cursor == m_sections[i - 1].position + kDigitsPerSection;
        if (cursor == m_sections[i].position || afterPrevious)
            return static_cast<int>(i);
    }
    return -1;
}

bool nxTimeField::TypeDigit(int digit)
{
    QLineEdit* edit = lineEdit();
    const int cursor = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int index = SectionStartingAt(cursor);
    if (index < 0)
        return false;
    const Section& section = m_sections[index];
    QString shown = text();
    if (edit->hasSelectedText())
        for (int i = edit->selectionStart(); i < edit->selectionEnd(); ++i)
            if (m_format[i].isLetter())
                shown[i] = kBlank;
    const QChar typed(u'0' + digit);
    const bool leadingZero = digit > section.maximum / 10;
    shown.replace(section.position, kDigitsPerSection,
                  leadingZero ? QString(u'0') + typed : QString(typed) + kBlank);
    edit->setText(shown);
    // A full section hands over to the next (the mask keeps a cursor off the separator).
    const bool last = index + 1 == static_cast<int>(m_sections.size());
    edit->setCursorPosition(!leadingZero ? section.position + 1
                            : last       ? section.position + kDigitsPerSection
                                         : m_sections[index + 1].position);
    return true;
}

void nxTimeField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (!isReadOnly() && typed.size() == 1 && IsDigit(typed[0]) && TypeDigit(typed[0].digitValue()))
    {
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}
