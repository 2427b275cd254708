// Hands a web address to Windows' file explorer, which passes it on to the web
// browser; the explorer starts minimized, and the program does not wait for it.
#pragma once

#include "shell/WebOpener.h"

#include <QString>

namespace outside {

class ExplorerWebOpener : public shell::WebOpener
{
public:
    void open(const QUrl &address) override;

    // The command line that starts the explorer with the address.
    static QString commandLine(const QUrl &address);
};

} // namespace outside
