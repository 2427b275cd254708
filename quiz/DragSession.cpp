#include "quiz/DragSession.h"

namespace quiz {

bool DragSession::press(TwipPoint p)
{
    const BoardElement element = m_quiz.board.elementAt(p);
    return element.kind == ElementKind::ListEntry && pick(element.index);
}

bool DragSession::pick(int entry)
{
    if (m_source || entry < 0 || entry >= m_quiz.board.listEntryCount() || !m_quiz.board.labels(entry).visible)
        return false;
    m_source = entry;
    // The drag starts over its own name, so the list's drag-over runs at once.
    labels_DragOver(m_quiz.board, entry);
    return true;
}

void DragSession::move(TwipPoint p)
{
    if (!m_source)
        return;
    if (m_quiz.board.elementAt(p).kind == ElementKind::ListEntry)
        labels_DragOver(m_quiz.board, *m_source);
}

DropOutcome DragSession::release(TwipPoint p, bool insideWindow)
{
    if (!m_source)
        return DropOutcome::Ignored;
    const int source = *m_source;
    m_source.reset();
    return drop(source, p, insideWindow);
}

DropOutcome DragSession::drop(int source, TwipPoint p, bool insideWindow)
{
    if (!insideWindow)
        return DropOutcome::Ignored;
    const BoardElement element = m_quiz.board.elementAt(p);
    if (element.kind == ElementKind::ListEntry) {
        labels_DragDrop(m_quiz.board, source);
        return DropOutcome::BackInList;
    }
    if (element.kind != ElementKind::DropTarget)
        return DropOutcome::Ignored;
    return piccoor_DragDrop(m_quiz, element.index, source);
}

} // namespace quiz
