#include "ReadProgram.h"

#include "PointerAndFocus.h"

#include <QCoreApplication>

namespace xtest {

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kEventTimeoutMs = 5000;

} // namespace

QString ReaderDesk::failure() const
{
    return display.isRunning() ? bus.failure() : display.failure();
}

ReadProgram::ReadProgram(ReaderDesk &desk, const QString &language, const QStringList &settings,
                         const QStringList &arguments)
{
    if (language != u"en") {
        if (!m_catalogue.load(QStringLiteral(":/i18n/quillmere_%1.qm").arg(language))) {
            m_failure = QStringLiteral("no catalogue for ") + language;
            return;
        }
        QCoreApplication::installTranslator(&m_catalogue);
    }
    m_program.start(desk.desktop, desk.bus.programSettings() + settings, arguments);
    m_window = m_program.waitForMainWindow(desk.desktop);
    if (!m_window) {
        m_failure = QStringLiteral("the window never showed");
        return;
    }
    if (!giveFocusTo(desk.desktop, m_window->id)) {
        m_failure = QStringLiteral("the window never took the focus");
        return;
    }
    m_reader = std::make_unique<ScreenReader>(desk.bus.accessibilityBusAddress());
    m_shown = m_reader->waitForWindow(kMainWindowTitle, kStartTimeoutMs);
    if (m_shown.isNull())
        m_failure = QStringLiteral("the window never reached the accessibility registry");
}

ReadProgram::~ReadProgram()
{
    QCoreApplication::removeTranslator(&m_catalogue);
}

bool ReadProgram::hears(const QString &text)
{
    const QString line = QStringLiteral("said: ") + text;
    if (m_reader->waitUntil([&] { return m_reader->heard().contains(line); }, kEventTimeoutMs))
        return true;
    qWarning().noquote() << "never heard" << line << "but" << m_reader->heard();
    return false;
}

} // namespace xtest
