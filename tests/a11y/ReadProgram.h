// The real program started on the test's X server and buses, its window given the
// focus (results are said to the window with the focus) and read through AT-SPI by
// the test's screen reader. The language's catalogue, built into the program, is
// the test's too while it runs, so that what the program must say is read from it.
#pragma once

#include "AccessibilityBus.h"
#include "ProgramUnderTest.h"
#include "ScreenReader.h"
#include "XDesktop.h"
#include "XvfbDisplay.h"

#include <QTranslator>

#include <memory>
#include <optional>

namespace xtest {

// The X server and buses every program of a test is started on.
struct ReaderDesk {
    XvfbDisplay display;
    XDesktop desktop{display};
    AccessibilityBus bus;

    // Empty once both are running.
    QString failure() const;
};

class ReadProgram
{
public:
    // `settings` (NAME=value) and `arguments` as ProgramUnderTest takes them; `language`
    // "en" reads no catalogue.
    ReadProgram(ReaderDesk &desk, const QString &language, const QStringList &settings,
                const QStringList &arguments = {});
    ~ReadProgram();
    ReadProgram(const ReadProgram &) = delete;
    ReadProgram &operator=(const ReadProgram &) = delete;

    // Empty once the window shows, has the focus and is read.
    QString failure() const { return m_failure; }
    const XWindow &window() const { return *m_window; }
    ScreenReader &reader() { return *m_reader; }
    // The window as read, and its list of names and map.
    Accessible shown() const { return m_shown; }
    Accessible list() const { return m_shown.children()[3]; }
    Accessible map() const { return m_shown.children()[4]; }
    // Whether `text` is said within a few seconds; else tells what was.
    bool hears(const QString &text);

private:
    QTranslator m_catalogue;
    ProgramUnderTest m_program;
    std::optional<XWindow> m_window;
    std::unique_ptr<ScreenReader> m_reader;
    Accessible m_shown;
    QString m_failure;
};

} // namespace xtest
