// The quiz window. It paints the board and turns the mouse's and the keys' events
// into calls on the play session, which holds the game; the rules live in quiz/.
// The keyboard plays beside the mouse, from the list of names.
#pragma once

#include "app/window/BoardLook.h"
#include "app/window/BoardPainter.h"
#include "app/window/DragPointer.h"
#include "app/window/SkinComponent.h"
#include "app/window/WindowPointer.h"
#include "quiz/PlaySession.h"
#include "quiz/SpokenResults.h"
#include "shell/Platform.h"
#include "shell/ProgramFolder.h"

#include <QColor>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace app {

class KeyboardRouter;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The board speaks `language`: its names, and its panel in its reading direction.
    Form1(const shell::Platform &platform, shell::ProgramFolder folder, quiz::BoardLanguage language = {},
          std::shared_ptr<const quiz::BoardDefinition> definition = quiz::BoardDefinition::tables(),
          QWidget *parent = nullptr);
    ~Form1() override;

    void PushButton1_Click();
    void PushButton2_Click();

    // The outside world the window was made with, for start-up.
    const shell::Platform &platform() const { return m_platform; }
    quiz::PlaySession &session() { return m_session; }
    const quiz::PlaySession &session() const { return m_session; }
    quiz::Board &board() { return m_session.board(); }
    WindowPointer &pointer() { return m_pointer; }
    SkinComponent &skinFramework1() { return m_skin; }
    const shell::ProgramFolder &programFolder() const { return m_session.quiz().folder; }
    QColor labelBackColor() const { return m_labelBackColor; }
    void setLabelBackColor(QColor colour) { m_labelBackColor = colour; }
    QColor backColor() const;
    void setBackColor(QColor colour);
    QPushButton &pushButton1() { return *m_pushButton1; }
    QPushButton &pushButton2() { return *m_pushButton2; }
    QLineEdit &text1() { return *m_text1; }
    QWidget &nameList() { return *m_nameList; }
    const KeyboardRouter &keys() const { return *m_keys; }

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
    // Repaints the parts of the window the board changed since the last repaint.
    void repaintChangedBoard();
    void followPick();

    shell::Platform m_platform;
    quiz::PlaySession m_session;
    quiz::SpokenResults m_spoken;
    WindowPointer m_pointer;
    SkinComponent m_skin;
    BoardPainter m_painter;
    BoardLook m_shown;
    DragPointer m_dragPointer;
    QColor m_labelBackColor;
    QPushButton *m_pushButton1 = nullptr;
    QPushButton *m_pushButton2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QWidget *m_nameList = nullptr;
    KeyboardRouter *m_keys = nullptr;
    bool m_centred = false;
};

} // namespace app
