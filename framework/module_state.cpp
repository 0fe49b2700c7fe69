#include "framework/module_state.h"

void* moduleHandle = nullptr;
std::uint8_t constructionFailed = 0;
