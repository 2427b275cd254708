// A child process that never outlives its test: it is ended when its owner goes,
// and by the kernel when the test process itself dies first (a crash, or CTest's
// timeout), so no X server or program is left running behind a failed test.
#pragma once

#include <QProcess>

namespace xtest {

class OwnedProcess : public QProcess
{
public:
    OwnedProcess();
    ~OwnedProcess() override;
};

} // namespace xtest
