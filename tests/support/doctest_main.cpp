// The one main of every doctest program. On Windows it switches off the
// system's error dialogs first, so a crashing test ends instead of waiting
// for a click that never comes under Wine.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
#endif
    doctest::Context context(argc, argv);
    return context.run();
}
