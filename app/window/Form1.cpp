#include "app/window/Form1.h"

#include "app/window/BoardFonts.h"
#include "app/window/BoardLook.h"
#include "quiz/NewGame.h"
#include "shell/ErrorTrap.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

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
      m_boxes(platform.boxes, *this),
      m_quiz{m_board, m_boxes, platform.sound, std::move(folder)},
      m_drag(m_quiz)
{
    setFixedSize(pixelRect(quiz::kClientRect).size());
    setAutoFillBackground(true);
    setBackColor(Qt::white);
    setMouseTracking(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/design.ico")));

    m_text1 = new QLineEdit(QStringLiteral("Text1"), this);
    m_text1->setGeometry(pixelRect(quiz::kHiddenTextBoxRect));
    m_pushButton1 = makeButton(this, quiz::kRestartCaption, quiz::kRestartButtonRect);
    m_pushButton2 = makeButton(this, quiz::kExitCaption, quiz::kExitButtonRect);
    setTabOrder(m_text1, m_pushButton1);
    setTabOrder(m_pushButton1, m_pushButton2);
    m_text1->setFocus();
    for (QPushButton *button : {m_pushButton1, m_pushButton2})
        button->installEventFilter(this);
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

void Form1::PushButton1_Click()
{
    changeBoard([&] { quiz::cmdNewGame_Click(m_board, m_boxes); });
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

void Form1::paintEvent(QPaintEvent *event)
{
    ++m_paints;
    QPainter painter(this);
    m_painter.paint(painter, m_board, devicePixelRatioF(), event->region());
}

void Form1::mousePressEvent(QMouseEvent *event)
{
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
    changeBoard([&] { m_drag.release(quiz::twipsFromPixels(event->position()), inside); });
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
    if (event->type() == QEvent::MouseMove && (watched == m_pushButton1 || watched == m_pushButton2))
        setWindowPointer(WindowPointer::kCustom);
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
