// PlugEditor: the base of an effect's editor window, which the host embeds
// in a window of its own. The effect owns it and destroys it; the host
// reaches it through the editor opcodes. Parameter changes reach the window
// through the refresh flag: postRefresh raises it on any thread, the next
// idle tick on the user-interface thread consumes it.
#pragma once

#include "framework/framework_level.h"
#include "framework/plug_interface.h"
#include "framework/relaxed_value.h"

#include <cstdint>

class PlugEffect;

// A key the host forwards to the editor (opcodes 59 and 60).
struct KeyRecord {
    std::int32_t character;
    std::uint8_t virtualKey;
    std::uint8_t modifiers;
};

class PlugEditor {
public:
    explicit PlugEditor(PlugEffect* effect);
    PlugEditor(const PlugEditor&) = delete;
    PlugEditor& operator=(const PlugEditor&) = delete;

    virtual void destroy();
    virtual std::int32_t queryRect(EditorRect** rect);
    virtual std::int32_t openWindow(void* parent);
    virtual void closeWindow();
    virtual void idleTick();
    virtual void refresh();
    virtual void postRefresh();
#if FRAMEWORK_LEVEL >= 3
    virtual std::int32_t keyDown(KeyRecord key);
    virtual std::int32_t keyUp(KeyRecord key);
    virtual std::int32_t setKnobStyle(std::int32_t mode);
#endif

    PlugEffect* owningEffect() const { return effect; }
    void* parentWindow() const { return parent; }
    bool isRefreshPending() const { return refreshPending.get() != 0; }

protected:
    virtual ~PlugEditor() = default;

#if FRAMEWORK_LEVEL == 1
    // Kept for the derived editor's own window handle.
    void* derivedWindow = nullptr;
#endif
    PlugEffect* effect;
    void* parent = nullptr;
    RelaxedValue<std::int32_t> refreshPending{0};
};
