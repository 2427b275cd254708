#include "app/window/Form1.h"

#include "app/window/BoardFonts.h"
#include "app/window/KeyboardRouter.h"
#include "app/window/NameList.h"
#include "shell/ErrorTrap.h"

#include <QLineEdit>
#include <QLocale>
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

QPushButton *makeButton(QWidget *parent, const quiz::BoardText &caption, const quiz::TwipRect &rect)
{
    auto *button = new QPushButton(caption.toString(), parent);
    button->setFont(boardFont(kArial, quiz::kLargeTextPixels, true));
    button->setGeometry(pixelRect(rect));
    button->setMouseTracking(true);
    return button;
}

} // namespace

Form1::Form1(const shell::Platform &platform, shell::ProgramFolder folder, quiz::BoardLanguage language,
             std::shared_ptr<const quiz::BoardDefinition> definition, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_platform(platform),
      m_session(platform.boxes, platform.sound, std::move(folder), platform.collation, std::move(language),
                std::move(definition)),
      m_spoken(m_session, platform.announcer),
      m_painter(m_session.board().definition()),
      m_shown(m_session.board())
{
    setLayoutDirection(board().language().direction());
    // Told to assistive technology with what the board says, for the voice to read it in.
    setLocale(QLocale(board().language().code()));
    setFixedSize(pixelRect(quiz::kClientRect).size());
    setAutoFillBackground(true);
    setBackColor(Qt::white);
    setMouseTracking(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/design.ico")));

    // Text1 lies off the client area, never seen: a focus there would be one that
    // nobody sees or hears and that swallows typing, so it takes none.
    m_text1 = new QLineEdit(QStringLiteral("Text1"), this);
    m_text1->setGeometry(pixelRect(quiz::kHiddenTextBoxRect));
    m_text1->setFocusPolicy(Qt::NoFocus);
    m_nameList = new NameList(this, board());
    m_pushButton1 = makeButton(this, quiz::kRestartCaption, board().inPanel(quiz::kRestartButtonRect));
    m_pushButton2 = makeButton(this, quiz::kExitCaption, board().inPanel(quiz::kExitButtonRect));
    setTabOrder(m_nameList, m_pushButton1);
    setTabOrder(m_pushButton1, m_pushButton2);
    m_nameList->setFocus();
    m_keys = new KeyboardRouter(*this, m_session, *m_nameList, {m_pushButton1, m_pushButton2});
    for (QPushButton *button : {m_pushButton1, m_pushButton2})
        button->installEventFilter(this);
    connect(m_pushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(&m_session, &quiz::PlaySession::boardChanged, this, &Form1::repaintChangedBoard);
    connect(&m_session, &quiz::PlaySession::pickChanged, this, &Form1::followPick);
    connect(&m_session, &quiz::PlaySession::dropped, this, [this](int, quiz::DropOutcome outcome) {
        if (outcome == quiz::DropOutcome::Completed)
            m_keys->focusList();
    });
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
    // The focus moves first: the new game's words are said to where it is.
    m_keys->focusList();
    m_session.newGame();
}

void Form1::PushButton2_Click()
{
    shell::ErrorTrap trap(m_session.boxes(), QStringLiteral("Form1.PushButton2_Click"));
    trap.run(100, [&] {
        if (!close())
            throw shell::Failure(QStringLiteral("The window refused to close"));
    });
}

void Form1::repaintChangedBoard()
{
    update(m_shown.changedIn(board()));
    m_shown = BoardLook(board());
}

void Form1::followPick()
{
    const bool dragging = m_session.pickedBy() == quiz::Input::Pointer;
    const bool pin = dragging && board().labels(*m_session.picked()).hasDragIcon;
    m_dragPointer.follow(dragging, pin ? m_painter.dragCursor() : QCursor(Qt::DragMoveCursor));
}

void Form1::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_painter.paint(painter, board(), devicePixelRatioF(), event->region());
    m_keys->paintMarks(painter);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    m_keys->useMouse();
    if (event->button() == Qt::LeftButton)
        m_session.press(quiz::twipsFromPixels(event->position()));
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    const quiz::TwipPoint p = quiz::twipsFromPixels(event->position());
    if (m_session.pickedBy() == quiz::Input::Pointer) {
        m_session.move(p);
        return;
    }
    // Only the bare window surface and the panel picture bring the normal pointer back.
    const quiz::ElementKind under = board().elementAt(p).kind;
    if (under == quiz::ElementKind::Surface || under == quiz::ElementKind::PanelPicture)
        setWindowPointer(WindowPointer::kNormal);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_session.release(quiz::twipsFromPixels(event->position()), rect().contains(event->position().toPoint()));
}

bool Form1::event(QEvent *event)
{
    // A drag whose release may never reach the window, because it lost the focus, ends without a drop.
    if (event->type() == QEvent::WindowDeactivate)
        m_session.abandon();
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
        m_shown = BoardLook(board());
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
