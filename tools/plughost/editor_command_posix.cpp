#include "tools/plughost/editor_command.h"

#include "tools/plughost/host_error.h"

void runEditor(const EditorOptions&, std::ostream&)
{
    throw HostError("the editor command needs the Windows build of plughost (plughost.exe): "
                    "plug-in editors are Win32 windows");
}
