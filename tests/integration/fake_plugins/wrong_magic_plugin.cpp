// A plug-in whose entry answers a record without the "VstP" magic.
#include "tests/integration/fake_plugins/fake_entry.h"

namespace {

EffectRecord record = {};

} // namespace

EffectRecord* fakeMain(HostCallback)
{
    record.magic = fourCharCode("VstQ");
    return &record;
}
