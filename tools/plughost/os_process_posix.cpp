#include "tools/plughost/os_process.h"

#include <unistd.h>

void prepareProcess()
{
}

long currentProcessId()
{
    return static_cast<long>(getpid());
}

bool stderrIsTerminal()
{
    return isatty(STDERR_FILENO) != 0;
}
