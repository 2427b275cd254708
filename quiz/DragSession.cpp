#include "quiz/DragSession.h"

#include "quiz/DropRules.h"

namespace quiz {

bool DragSession::press(TwipPoint p)
{
    if (m_source)
        return false;
    const BoardElement element = m_quiz.board.elementAt(p);
    if (element.kind != ElementKind::ListEntry)
        return false;
    m_source = element.index;
    // The drag starts over its own name, so the list's drag-over runs at once.
    labels_DragOver(m_quiz.board, *m_source);
    return true;
}

void DragSession::move(TwipPoint p)
{
    if (!m_source)
        return;
    if (m_quiz.board.elementAt(p).kind == ElementKind::ListEntry)
        labels_DragOver(m_quiz.board, *m_source);
}

void DragSession::release(TwipPoint p, bool insideWindow)
{
    if (!m_source)
        return;
    const int source = *m_source;
    m_source.reset();
    if (!insideWindow)
        return;
    const BoardElement element = m_quiz.board.elementAt(p);
    if (element.kind == ElementKind::DropTarget)
        piccoor_DragDrop(m_quiz, element.index, source);
    else if (element.kind == ElementKind::ListEntry)
        labels_DragDrop(m_quiz.board, source);
}

} // namespace quiz
