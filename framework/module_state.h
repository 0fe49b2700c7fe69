// State shared by every effect of one loaded plug-in module.
#pragma once

#include <cstdint>

// The module's instance handle, stored by the loader's entry call. Editors
// load their bitmaps and name their window classes with it.
extern void* moduleHandle;

// Set by an effect constructor that cannot finish; main then refuses the
// effect it has just made.
extern std::uint8_t constructionFailed;
