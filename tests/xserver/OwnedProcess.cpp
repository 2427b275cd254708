#include "OwnedProcess.h"

#include <csignal>
#include <sys/prctl.h>

namespace xtest {

OwnedProcess::OwnedProcess()
{
    setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

OwnedProcess::~OwnedProcess()
{
    if (state() == QProcess::NotRunning)
        return;
    kill();
    waitForFinished(5000);
}

} // namespace xtest
