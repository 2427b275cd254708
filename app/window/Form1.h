// The quiz window. It paints the board and turns mouse and key events into calls
// on the game; the game's rules live in quiz/. The keyboard plays beside the mouse,
// from the list of names, and its marks show only while it is in use.
#pragma once

#include "app/window/BoardAccessibility.h"
#include "app/window/BoardPainter.h"
#include "app/window/KeyboardMarks.h"
#include "app/window/SkinComponent.h"
#include "app/window/WindowFirstMessageBox.h"
#include "app/window/WindowPointer.h"
#include "quiz/Board.h"
#include "quiz/DragSession.h"
#include "quiz/KeyboardPlay.h"
#include "quiz/Quiz.h"
#include "shell/Platform.h"
#include "shell/ProgramFolder.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace app {

class NameList;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1(const shell::Platform &platform, shell::ProgramFolder folder, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up: everything that runs before the window is first shown.
    void Form_Load();

    void PushButton1_Click();
    void PushButton2_Click();

    quiz::Board &board() { return m_board; }
    const quiz::DragSession &drag() const { return m_drag; }
    WindowPointer &pointer() { return m_pointer; }
    SkinComponent &skinFramework1() { return m_skin; }
    const shell::ProgramFolder &programFolder() const { return m_quiz.folder; }
    QColor labelBackColor() const { return m_labelBackColor; }
    void setLabelBackColor(QColor colour) { m_labelBackColor = colour; }
    QColor backColor() const;
    void setBackColor(QColor colour);
    QPushButton &pushButton1() { return *m_pushButton1; }
    QPushButton &pushButton2() { return *m_pushButton2; }
    QLineEdit &text1() { return *m_text1; }
    QWidget &nameList();

    const quiz::KeyboardPlay &keyboard() const { return m_keys; }
    bool keyboardInUse() const { return m_keyboardInUse; }
    // What the keyboard's marks show now: nothing while the mouse is in use.
    KeyboardFocus keyboardFocus() const;
    // The latest result said to assistive technology.
    const QString &spoken() const { return m_accessibility.spoken(); }
    // Assistive technology's Press on a name picks it up; on the drop point, drops.
    void pickUp(int entry);
    void dropAtDropPoint();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setWindowPointer(qint16 value);
    void endDrag();
    // Runs `change` on the board, then repaints the parts of the window it changed.
    void changeBoard(const std::function<void()> &change);
    // Runs `change`, then repaints the keyboard's marks where they were and where
    // they are, and tells assistive technology what moved.
    void changeKeyboardFocus(const std::function<void()> &change);
    bool playKey(const QKeyEvent &event);
    // A mouse press: the keyboard's marks go, and a name it carries goes back.
    void useMouse();
    void putBack();
    // Judges the drop of `source` and says its result; a result that a box would
    // follow, the map's completion above all, is said before the box.
    void drop(int source, bool byKeyboard, const std::function<quiz::DropOutcome()> &release);
    void sayPlacedBeforeABox();

    shell::Platform m_platform;
    WindowFirstMessageBox m_boxes;
    quiz::Board m_board;
    quiz::Quiz m_quiz;
    quiz::DragSession m_drag;
    quiz::KeyboardPlay m_keys;
    WindowPointer m_pointer;
    SkinComponent m_skin;
    BoardPainter m_painter;
    KeyboardMarks m_marks;
    BoardAccessibility m_accessibility;
    QColor m_labelBackColor;
    QPushButton *m_pushButton1 = nullptr;
    QPushButton *m_pushButton2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    NameList *m_nameList = nullptr;
    bool m_keyboardInUse = false;
    // The name whose drop is being judged, and whether its result was said already.
    std::optional<int> m_dropping;
    bool m_droppingSaid = false;
    bool m_centred = false;
    quint64 m_paints = 0;
};

} // namespace app
