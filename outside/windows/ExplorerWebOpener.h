// Hands a web address to Windows' file explorer, which passes it on to the web
// browser; the explorer starts minimized, and the program does not wait for it.
#pragma once

#include "shell/WebOpener.h"

namespace outside {

class ExplorerWebOpener : public shell::WebOpener
{
public:
    void open(const QUrl &address) override;
};

} // namespace outside
