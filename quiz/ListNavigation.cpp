#include "quiz/ListNavigation.h"

#include "quiz/NameKey.h"

#include <cstdlib>

namespace quiz {

namespace {

bool inList(const Board &board, int k)
{
    return k >= 0 && k < board.listEntryCount() && board.labels(k).visible;
}

int column(const ListLayout &list, int place)
{
    return place < list.leftColumnEntries ? 0 : 1;
}

int row(const ListLayout &list, int place)
{
    return place < list.leftColumnEntries ? place : place - list.leftColumnEntries;
}

// The first name still in the list from `place` on, going `step` places at a time; -1 if none.
int firstInListFrom(const Board &board, int place, int step)
{
    for (int p = place; p >= 0 && p < board.listEntryCount(); p += step) {
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
    const ListLayout &list = board.definition().list;
    int nearestDistance = list.entryCount;
    for (int p = 0; p < list.entryCount; ++p) {
        const int distance = std::abs(row(list, p) - row(list, fromPlace));
        const int k = board.entryAtListPlace(p);
        if (column(list, fromPlace) != wanted && column(list, p) == wanted && inList(board, k) && distance < nearestDistance) {
            nearest = k;
            nearestDistance = distance;
        }
    }
    return nearest;
}

int endOfList(const Board &board, int from, bool last)
{
    const int k = last ? firstInListFrom(board, board.listEntryCount() - 1, -1) : firstInListFrom(board, 0, 1);
    return k < 0 ? from : k;
}

int nextWithLetter(const Board &board, int from, QChar letter)
{
    const QChar wanted = initialKey(QStringView(&letter, 1));
    const int count = board.listEntryCount();
    for (int n = 1; n <= count; ++n) {
        const int k = board.entryAtListPlace((board.listPlace(from) + n) % count);
        if (inList(board, k) && !wanted.isNull() && initialKey(board.labels(k).caption) == wanted)
            return k;
    }
    return from;
}

int namesInList(const Board &board)
{
    int count = 0;
    for (int k = 0; k < board.listEntryCount(); ++k)
        count += inList(board, k);
    return count;
}

int inListFrom(const Board &board, int from)
{
    const int start = from < 0 ? 0 : board.listPlace(from);
    const int count = board.listEntryCount();
    for (int n = 0; n < count; ++n) {
        if (const int k = board.entryAtListPlace((start + n) % count); inList(board, k))
            return k;
    }
    return -1;
}

} // namespace quiz
