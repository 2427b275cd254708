#include "OwnedProcess.h"

#include <csignal>
#include <sys/prctl.h>

namespace xtest {

OwnedProcess::OwnedProcess()
{
    setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

OwnedProcess::~OwnedProcess()
{
    if (state() == QProcess::NotRunning)
        return;
    // Asked first, so an X server can remove its socket on the way out.
    terminate();
    if (waitForFinished(3000))
        return;
    kill();
    waitForFinished(3000);
}

} // namespace xtest
