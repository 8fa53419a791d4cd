#pragma once

#include <QString>
#include <functional>

// Searching and ordering the texts of a list or combo box: sorted lists order
// case-insensitively (the case only breaks ties); searches compare exactly, from
// the entry after startAfter, wrapping, so a scheme "ignore" is never taken for "Ignore".
namespace nxListText
{
using TextAt = std::function<QString(int)>;

int SortedInsertPosition(int count, const TextAt& textAt, const QString& text);
int FindExact(int count, const TextAt& textAt, int startAfter, const QString& text);
int FindPrefix(int count, const TextAt& textAt, int startAfter, const QString& prefix);
} // namespace nxListText
