// A loadable library that is no plug-in: it exports a function, but no entry.
#ifdef _WIN32
#define EXPORTED extern "C" __declspec(dllexport)
#else
#define EXPORTED extern "C" __attribute__((visibility("default")))
#endif

EXPORTED int notAnEntry()
{
    return 42;
}
