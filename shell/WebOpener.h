// The seam for handing a web address to whatever opens web addresses.
#pragma once

#include <QUrl>

namespace shell {

class WebOpener
{
public:
    virtual ~WebOpener() = default;
    // Hands the address over without waiting. Throws a Failure when nothing takes it.
    virtual void open(const QUrl &address) = 0;
};

} // namespace shell
