// The program as a player runs it: the built executable and the files beside it,
// copied into a temporary program folder of its own (the program reads its files
// from its executable's folder), started as a process on the test's X server. With
// QUILLMERE_WINE_PREFIX set, it is the Windows build, its folder unpacked from the
// zip, run under Wine in that prefix.
#pragma once

#include "OwnedProcess.h"
#include "ProgramFolderFixture.h"
#include "XDesktop.h"

#include <QTemporaryDir>

#include <optional>

namespace xtest {

inline const QString kMainWindowTitle = QStringLiteral("Quillmere");
inline constexpr QSize kClientSize{999, 706};

class ProgramUnderTest
{
public:
    ProgramUnderTest();

    // The folder may be changed until the program starts.
    const testing::ProgramFolderFixture &folder() const { return m_folder; }

    // `settings` (NAME=value) are added to its environment; `arguments` are its command line's.
    void start(const XDesktop &desktop, const QStringList &settings = {}, const QStringList &arguments = {});
    qint64 pid() const { return m_process.processId(); }
    // The main window, once it shows at the size of the client area.
    std::optional<XWindow> waitForMainWindow(const XDesktop &desktop) const;
    // Each web address the program handed to the desktop's opener, with what the
    // opener was told of assistive technology: "<address> QT_LINUX_ACCESSIBILITY_ALWAYS_ON=<value or unset>".
    QStringList webAddressesHandedOver() const;
    // Waits for the process to end by itself; true when it ended normally with exit code 0.
    bool endsCleanlyWithin(int timeoutMs);

private:
    testing::ProgramFolderFixture m_folder;
    // Where the program finds the desktop's opener of web addresses.
    QTemporaryDir m_webOpener;
    OwnedProcess m_process;
};

} // namespace xtest
