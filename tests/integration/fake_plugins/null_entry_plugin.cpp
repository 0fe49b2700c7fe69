// A plug-in whose entry makes no effect, as one refusing its host would.
#include "tests/integration/fake_plugins/fake_entry.h"

EffectRecord* fakeMain(HostCallback)
{
    return nullptr;
}
