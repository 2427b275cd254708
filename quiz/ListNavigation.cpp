#include "quiz/ListNavigation.h"

#include "quiz/NameKey.h"

#include <cstdlib>

namespace quiz {

namespace {

bool inList(const Board &board, int k)
{
    return k >= 0 && k < kListEntryCount && board.labels(k).visible;
}

int column(int place)
{
    return place < kLeftColumnEntries ? 0 : 1;
}

int row(int place)
{
    return place < kLeftColumnEntries ? place : place - kLeftColumnEntries;
}

// The first name still in the list from `place` on, going `step` places at a time; -1 if none.
int firstInListFrom(const Board &board, int place, int step)
{
    for (int p = place; p >= 0 && p < kListEntryCount; p += step) {
        if (const int k = board.entryAtListPlace(p); inList(board, k))
            return k;
    }
    return -1;
}

} // namespace

int neighbourInList(const Board &board, int from, int step)
{
    const int k = firstInListFrom(board, board.listPlace(from) + step, step);
    return k < 0 ? from : k;
}

int besideInList(const Board &board, int from, bool toTheRight)
{
    const bool rightToLeft = board.language().direction() == Qt::RightToLeft;
    const int wanted = toTheRight != rightToLeft ? 1 : 0;
    const int fromPlace = board.listPlace(from);
    int nearest = from;
    int nearestDistance = kListEntryCount;
    for (int p = 0; p < kListEntryCount; ++p) {
        const int distance = std::abs(row(p) - row(fromPlace));
        const int k = board.entryAtListPlace(p);
        if (column(fromPlace) != wanted && column(p) == wanted && inList(board, k) && distance < nearestDistance) {
            nearest = k;
            nearestDistance = distance;
        }
    }
    return nearest;
}

int endOfList(const Board &board, int from, bool last)
{
    const int k = last ? firstInListFrom(board, kListEntryCount - 1, -1) : firstInListFrom(board, 0, 1);
    return k < 0 ? from : k;
}

int nextWithLetter(const Board &board, int from, QChar letter)
{
    const QChar wanted = initialKey(QStringView(&letter, 1));
    for (int n = 1; n <= kListEntryCount; ++n) {
        const int k = board.entryAtListPlace((board.listPlace(from) + n) % kListEntryCount);
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
    const int start = from < 0 ? 0 : board.listPlace(from);
    for (int n = 0; n < kListEntryCount; ++n) {
        if (const int k = board.entryAtListPlace((start + n) % kListEntryCount); inList(board, k))
            return k;
    }
    return -1;
}

} // namespace quiz
