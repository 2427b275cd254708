#include "app/window/Form1.h"

#include "app/window/AccessibleBoard.h"
#include "app/window/BoardFonts.h"
#include "app/window/BoardLook.h"
#include "app/window/NameList.h"
#include "app/window/NameListKeys.h"
#include "app/window/SpokenResults.h"
#include "quiz/ListNavigation.h"
#include "quiz/NewGame.h"
#include "shell/ErrorTrap.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace app {

namespace {

QRect pixelRect(const quiz::TwipRect &rect)
{
    return rect.toPixels().toRect();
}

QPushButton *makeButton(QWidget *parent, QStringView caption, const quiz::TwipRect &rect)
{
    auto *button = new QPushButton(caption.toString(), parent);
    button->setFont(boardFont(kArial, quiz::kLargeTextPixels, true));
    button->setGeometry(pixelRect(rect));
    button->setMouseTracking(true);
    return button;
}

} // namespace

Form1::Form1(const shell::Platform &platform, shell::ProgramFolder folder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_platform(platform),
      m_boxes(platform.boxes, *this, [this] { sayPlacedBeforeABox(); }),
      m_quiz{m_board, m_boxes, platform.sound, std::move(folder)},
      m_drag(m_quiz),
      m_keys(m_board, m_drag),
      m_accessibility(*this)
{
    installBoardAccessibility();
    setFixedSize(pixelRect(quiz::kClientRect).size());
    setAutoFillBackground(true);
    setBackColor(Qt::white);
    setMouseTracking(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/design.ico")));

    m_text1 = new QLineEdit(QStringLiteral("Text1"), this);
    m_text1->setGeometry(pixelRect(quiz::kHiddenTextBoxRect));
    m_nameList = new NameList(this);
    m_pushButton1 = makeButton(this, quiz::kRestartCaption, quiz::kRestartButtonRect);
    m_pushButton2 = makeButton(this, quiz::kExitCaption, quiz::kExitButtonRect);
    setTabOrder(m_text1, m_nameList);
    setTabOrder(m_nameList, m_pushButton1);
    setTabOrder(m_pushButton1, m_pushButton2);
    m_text1->setFocus();
    for (QWidget *control : std::initializer_list<QWidget *>{m_text1, m_nameList, m_pushButton1, m_pushButton2})
        control->installEventFilter(this);
    connect(m_pushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
}

Form1::~Form1() = default;

QColor Form1::backColor() const
{
    return palette().color(QPalette::Window);
}

void Form1::setBackColor(QColor colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QWidget &Form1::nameList()
{
    return *m_nameList;
}

void Form1::PushButton1_Click()
{
    changeKeyboardFocus([&] { changeBoard([&] { quiz::cmdNewGame_Click(m_board, m_boxes); }); });
    m_accessibility.say(spoken::newGame(quiz::namesInList(m_board)));
}

void Form1::PushButton2_Click()
{
    shell::ErrorTrap trap(m_boxes, QStringLiteral("Form1.PushButton2_Click"));
    trap.run(100, [&] {
        if (!close())
            throw shell::Failure(QStringLiteral("The window refused to close"));
    });
}

void Form1::changeBoard(const std::function<void()> &change)
{
    const BoardLook before(m_board);
    const quint64 paintsBefore = m_paints;
    change();
    // A box shown during the change lets the window paint a state in between, which
    // the change's own difference would not cover.
    if (m_paints == paintsBefore)
        update(before.changedIn(m_board));
    else
        update();
}

void Form1::changeKeyboardFocus(const std::function<void()> &change)
{
    const QRegion before = m_marks.area(keyboardFocus());
    change();
    update(before + m_marks.area(keyboardFocus()));
    m_accessibility.refresh();
}

KeyboardFocus Form1::keyboardFocus() const
{
    KeyboardFocus focus;
    if (!m_keyboardInUse)
        return focus;
    if (m_nameList->hasFocus()) {
        if (const std::optional<int> carried = m_keys.carried()) {
            focus.dropPoint = m_keys.dropPoint();
            focus.carriedName = m_board.labels(*carried).caption;
        } else if (m_keys.focusedEntry() >= 0) {
            focus.entry = m_keys.focusedEntry();
            focus.entryCaption = m_board.labels(*focus.entry).caption;
        }
    }
    for (const QPushButton *button : {m_pushButton1, m_pushButton2}) {
        if (button->hasFocus())
            focus.button = button->geometry();
    }
    return focus;
}

bool Form1::playKey(const QKeyEvent &event)
{
    using Action = NameListKey::Action;
    const NameListKey key = nameListKey(event, m_keys.carried().has_value());
    if (key.action == Action::None)
        return false;
    changeKeyboardFocus([&] {
        m_keyboardInUse = true;
        switch (key.action) {
        case Action::MoveFocus: m_keys.moveFocus(key.move, key.letter); break;
        case Action::PickUp: m_keys.pickUp(); break;
        case Action::Steer:
            m_keys.moveDropPoint(key.across, key.down, key.bigSteps);
            m_accessibility.say(spoken::dropPointPosition(m_keys.dropPoint()));
            break;
        case Action::Drop: drop(*m_keys.carried(), true, [&] { return m_keys.drop(); }); break;
        case Action::PutBack: putBack(); break;
        case Action::None: break;
        }
    });
    // Tab goes on to the next control once the name is back.
    return event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab;
}

void Form1::pickUp(int entry)
{
    if (m_keys.carried())
        return;
    m_nameList->setFocus(Qt::OtherFocusReason);
    changeKeyboardFocus([&] {
        m_keyboardInUse = true;
        m_keys.focus(entry);
        m_keys.pickUp();
    });
}

void Form1::dropAtDropPoint()
{
    if (const std::optional<int> carried = m_keys.carried())
        changeKeyboardFocus([&] { drop(*carried, true, [&] { return m_keys.drop(); }); });
}

void Form1::putBack()
{
    if (const std::optional<int> carried = m_keys.carried()) {
        m_keys.putBack();
        m_accessibility.say(spoken::putBack(m_board.labels(*carried).caption));
    }
}

void Form1::useMouse()
{
    changeKeyboardFocus([&] {
        putBack();
        m_keyboardInUse = false;
    });
}

void Form1::drop(int source, bool byKeyboard, const std::function<quiz::DropOutcome()> &release)
{
    m_dropping = source;
    m_droppingSaid = false;
    quiz::DropOutcome outcome = quiz::DropOutcome::Ignored;
    changeBoard([&] { outcome = release(); });
    m_dropping.reset();
    // A placement said before a box is not said again.
    const bool saidAlready = m_droppingSaid && outcome == quiz::DropOutcome::Placed;
    const QString said = spoken::afterDrop(outcome, source, byKeyboard, m_board);
    if (!said.isEmpty() && !saidAlready)
        m_accessibility.say(said);
    m_accessibility.refresh();
}

void Form1::sayPlacedBeforeABox()
{
    if (!m_dropping || m_droppingSaid || m_board.labels(*m_dropping).visible)
        return;
    m_droppingSaid = true;
    m_accessibility.say(spoken::placed(m_board.labels(*m_dropping).caption, m_board.placedCount()));
}

void Form1::paintEvent(QPaintEvent *event)
{
    ++m_paints;
    QPainter painter(this);
    m_painter.paint(painter, m_board, devicePixelRatioF(), event->region());
    if (m_keyboardInUse)
        m_marks.paint(painter, keyboardFocus());
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    useMouse();
    if (event->button() != Qt::LeftButton || m_drag.source())
        return;
    if (!m_drag.press(quiz::twipsFromPixels(event->position())))
        return;
    const bool pin = m_board.labels(*m_drag.source()).hasDragIcon;
    QGuiApplication::setOverrideCursor(pin ? m_painter.dragCursor() : QCursor(Qt::DragMoveCursor));
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    const quiz::TwipPoint p = quiz::twipsFromPixels(event->position());
    if (m_drag.source()) {
        m_drag.move(p);
        return;
    }
    // Only the bare window surface and the panel picture bring the normal pointer back.
    const quiz::ElementKind under = m_board.elementAt(p).kind;
    if (under == quiz::ElementKind::Surface || under == quiz::ElementKind::PanelPicture)
        setWindowPointer(WindowPointer::kNormal);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_drag.source())
        return;
    QGuiApplication::restoreOverrideCursor();
    const bool inside = rect().contains(event->position().toPoint());
    drop(*m_drag.source(), false, [&] { return m_drag.release(quiz::twipsFromPixels(event->position()), inside); });
}

void Form1::endDrag()
{
    if (!m_drag.source())
        return;
    m_drag.cancel();
    QGuiApplication::restoreOverrideCursor();
}

bool Form1::event(QEvent *event)
{
    // A drag whose release may never reach the window, because it lost the focus, ends without a drop.
    if (event->type() == QEvent::WindowDeactivate)
        endDrag();
    return QWidget::event(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const bool button = watched == m_pushButton1 || watched == m_pushButton2;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (button)
            setWindowPointer(WindowPointer::kCustom);
        break;
    case QEvent::MouseButtonPress:
        useMouse();
        break;
    case QEvent::KeyPress: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (watched == m_nameList && playKey(key))
            return true;
        // Return presses a button as Space does.
        if (button && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            changeKeyboardFocus([&] { m_keyboardInUse = true; });
            static_cast<QPushButton *>(watched)->click();
            return true;
        }
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || button)
            changeKeyboardFocus([&] { m_keyboardInUse = true; });
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // The focus moves first: the marks and what assistive technology hears follow it.
        QTimer::singleShot(0, this, [this] { changeKeyboardFocus([] {}); });
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *s = screen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), s->availableGeometry()));
    }
    QWidget::showEvent(event);
}

void Form1::setWindowPointer(qint16 value)
{
    m_pointer.setMousePointer(value);
    setCursor(m_pointer.cursor());
}

} // namespace app
