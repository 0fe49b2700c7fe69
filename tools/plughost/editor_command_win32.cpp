#include "tools/plughost/editor_command.h"

#include "tools/plughost/editor_window_win32.h"
#include "tools/plughost/host_error.h"
#include "tools/plughost/hosted_effect.h"
#include "tools/plughost/output_file.h"
#include "tools/plughost/png_encoder.h"

#include <algorithm>
#include <optional>
#include <filesystem>

namespace {

constexpr DWORD IdleMilliseconds = 20;
constexpr std::int32_t PictureDelayMilliseconds = 500;

// The editor opened on the window for as long as this lives.
class OpenEditor {
public:
    OpenEditor(HostedEffect& effect, HWND window) : effect(effect)
    {
        opened = effect.dispatch(OpEditorOpen, 0, 0, window) != 0;
    }
    ~OpenEditor()
    {
        if (opened)
            effect.dispatch(OpEditorClose);
    }
    OpenEditor(const OpenEditor&) = delete;
    OpenEditor& operator=(const OpenEditor&) = delete;
    bool isOpen() const { return opened; }

private:
    HostedEffect& effect;
    bool opened = false;
};

// Idle calls and messages, as a host's UI thread gives, for the given time
// (none: no limit) or until the window is asked to close.
void runFor(HostedEffect& effect, const EditorWindow& window, std::optional<std::int32_t> limit)
{
    const DWORD start = GetTickCount();
    for (;;) {
        pumpPendingMessages();
        effect.dispatch(OpEditorIdle);
        const DWORD elapsed = GetTickCount() - start;
        if (window.closeAsked() || (limit && elapsed >= static_cast<DWORD>(*limit)))
            break;
        const DWORD wait = limit ? std::min<DWORD>(IdleMilliseconds, static_cast<DWORD>(*limit) - elapsed)
                                 : IdleMilliseconds;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
    pumpPendingMessages();
}

} // namespace

void runEditor(const EditorOptions& options, std::ostream& out)
{
    const std::string plugin = "'" + options.plugin + "'";
    HostedEffect effect(options.plugin);
    const EffectRecord& record = effect.record();
    if ((record.flags & EditorFlag) == 0)
        throw HostError(plugin + " has no editor");
    if (options.program && *options.program >= record.programCount)
        throw HostError("no program " + std::to_string(*options.program) + ": " + plugin + " has " +
                        std::to_string(record.programCount) + " program" + (record.programCount == 1 ? "" : "s"));
    effect.open(44100.0f, 512);
    if (options.program)
        effect.dispatch(OpSetProgram, 0, *options.program);
    effect.setPower(true);

    EditorRect* rect = nullptr;
    effect.dispatch(OpEditorRect, 0, 0, &rect);
    if (rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top)
        throw HostError(plugin + " gives no editor size");
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;

    std::vector<std::uint8_t> rgb;
    int shotWidth = 0;
    int shotHeight = 0;
    {
        const std::string title = "plughost: " + std::filesystem::path(options.plugin).filename().string();
        const bool picture = !options.screenshot.empty();
        EditorWindow window(width, height, title, !picture);
        if (window.handle() == nullptr)
            throw HostError("cannot make a window for the editor");
        OpenEditor editor(effect, window.handle());
        if (!editor.isOpen())
            throw HostError(plugin + "'s editor did not open");
        if (!picture && !options.afterMilliseconds)
            out << "editor of " << plugin << " open; close its window to end\n" << std::flush;
        runFor(effect, window,
               picture ? std::optional<std::int32_t>(options.afterMilliseconds.value_or(PictureDelayMilliseconds))
                       : options.afterMilliseconds);
        if (picture)
            rgb = window.captureRgb(shotWidth, shotHeight);
    }
    if (options.screenshot.empty())
        return;
    const std::vector<unsigned char> png = encodePng(shotWidth, shotHeight, rgb);
    if (png.empty())
        throw HostError("cannot take a picture of the editor");
    writeOutputFile(options.screenshot, png);
    out << "wrote " << options.screenshot << ": " << shotWidth << " x " << shotHeight << " pixels\n";
}
