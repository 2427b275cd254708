#include "quiz/ListNavigation.h"

#include "quiz/NameKey.h"

#include <algorithm>
#include <cstdlib>

namespace quiz {

namespace {

bool inList(const Board &board, int k)
{
    return k >= 0 && k < kListEntryCount && board.labels(k).visible;
}

int column(int k)
{
    return k < kLeftColumnEntries ? 0 : 1;
}

int row(int k)
{
    return k < kLeftColumnEntries ? k : k - kLeftColumnEntries;
}

} // namespace

int neighbourInList(const Board &board, int from, int step)
{
    for (int k = from + step; k >= 0 && k < kListEntryCount; k += step) {
        if (inList(board, k))
            return k;
    }
    return from;
}

int besideInList(const Board &board, int from, bool toTheRight)
{
    const bool rightToLeft = board.language().direction() == Qt::RightToLeft;
    const int wanted = toTheRight != rightToLeft ? 1 : 0;
    int nearest = from;
    int nearestDistance = kListEntryCount;
    for (int k = 0; k < kListEntryCount; ++k) {
        const int distance = std::abs(row(k) - row(from));
        if (column(from) != wanted && column(k) == wanted && inList(board, k) && distance < nearestDistance) {
            nearest = k;
            nearestDistance = distance;
        }
    }
    return nearest;
}

int endOfList(const Board &board, int from, bool last)
{
    const int beyond = last ? kListEntryCount : -1;
    const int end = neighbourInList(board, beyond, last ? -1 : 1);
    return end == beyond ? from : end;
}

int nextWithLetter(const Board &board, int from, QChar letter)
{
    const QChar wanted = initialKey(QStringView(&letter, 1));
    for (int n = 1; n <= kListEntryCount; ++n) {
        const int k = (from + n) % kListEntryCount;
        if (inList(board, k) && !wanted.isNull() && initialKey(board.labels(k).caption) == wanted)
            return k;
    }
    return from;
}

int namesInList(const Board &board)
{
    int count = 0;
    for (int k = 0; k < kListEntryCount; ++k)
        count += inList(board, k);
    return count;
}

int inListFrom(const Board &board, int from)
{
    for (int n = 0; n < kListEntryCount; ++n) {
        const int k = (std::max(from, 0) + n) % kListEntryCount;
        if (inList(board, k))
            return k;
    }
    return -1;
}

} // namespace quiz
