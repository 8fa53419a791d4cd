#include "platform/ui/nxListText.h"

namespace nxListText
{
namespace
{
template <typename Match> int Search(int count, const TextAt& textAt, int startAfter, Match match)
{
    if (count <= 0)
        return -1;
    const int first = (startAfter < 0 || startAfter >= count) ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step)
    {
        const int index = (first + step) % count;
        if (match(textAt(index)))
            return index;
    }
    return -1;
}
} // namespace

int SortedInsertPosition(int count, const TextAt& textAt, const QString& text)
{
    int low = 0;
    int high = count;
    while (low < high)
    {
        const int middle = (low + high) / 2;
        const QString entry = textAt(middle);
        int order = QString::compare(entry, text, Qt::CaseInsensitive);
        if (order == 0)
            order = QString::compare(entry, text, Qt::CaseSensitive);
        if (order <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int FindExact(int count, const TextAt& textAt, int startAfter, const QString& text)
{
    return Search(count, textAt, startAfter, [&](const QString& entry) { return entry == text; });
}

int FindPrefix(int count, const TextAt& textAt, int startAfter, const QString& prefix)
{
    return Search(count, textAt, startAfter,
                  [&](const QString& entry) { return entry.startsWith(prefix, Qt::CaseSensitive); });
}
} // namespace nxListText
