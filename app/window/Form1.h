// The quiz window. It paints the board and turns mouse events into calls on the
// game; the game's rules live in quiz/.
#pragma once

#include "app/window/BoardPainter.h"
#include "app/window/SkinComponent.h"
#include "app/window/WindowFirstMessageBox.h"
#include "app/window/WindowPointer.h"
#include "quiz/Board.h"
#include "quiz/DragSession.h"
#include "quiz/Quiz.h"
#include "shell/Platform.h"
#include "shell/ProgramFolder.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace app {

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

    shell::Platform m_platform;
    WindowFirstMessageBox m_boxes;
    quiz::Board m_board;
    quiz::Quiz m_quiz;
    quiz::DragSession m_drag;
    WindowPointer m_pointer;
    SkinComponent m_skin;
    BoardPainter m_painter;
    QColor m_labelBackColor;
    QPushButton *m_pushButton1 = nullptr;
    QPushButton *m_pushButton2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    bool m_centred = false;
    quint64 m_paints = 0;
};

} // namespace app
