#include "tools/plughost/os_process.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

void prepareProcess()
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

long currentProcessId()
{
    return static_cast<long>(GetCurrentProcessId());
}

bool stderrIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}
