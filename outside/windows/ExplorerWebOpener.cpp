#include "outside/windows/ExplorerWebOpener.h"

#include "shell/Failure.h"

#include <windows.h>

namespace outside {

void ExplorerWebOpener::open(const QUrl &address)
{
    std::wstring command =
        QStringLiteral("explorer \"%1\"").arg(address.toString(QUrl::FullyEncoded)).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        throw shell::Failure(QStringLiteral("Cannot start the file explorer for %1 (error %2)")
                                 .arg(address.toString())
                                 .arg(GetLastError()));
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

} // namespace outside
