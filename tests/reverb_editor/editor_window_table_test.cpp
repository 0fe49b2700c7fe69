// The module's table of editor windows: reuse of dead entries, the highest
// index in use, a full table, destroying what is left.
#include "effects/reverb/editor/editor_window_table.h"

#include <doctest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace {

std::set<void*> liveWindows;
std::vector<void*> destroyed;

bool isLive(void* window)
{
    return liveWindows.count(window) != 0;
}

void destroy(void* window)
{
    destroyed.push_back(window);
    liveWindows.erase(window);
}

void* handle(int n)
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(0x1000 + n * 16));
}

void* open(EditorWindowTable& table, int n)
{
    liveWindows.insert(handle(n));
    table.record(handle(n), isLive);
    return handle(n);
}

} // namespace

TEST_CASE("window table: windows take the lowest entry whose window is gone")
{
    liveWindows.clear();
    EditorWindowTable table;
    open(table, 1);
    open(table, 2);
    open(table, 3);
    CHECK(table.highestIndex() == 2);
    liveWindows.erase(handle(2));
    liveWindows.erase(handle(1));
    open(table, 4);
    CHECK(table.entry(0) == handle(4));
    CHECK(table.entry(1) == handle(2));
    CHECK(table.highestIndex() == 2);
    open(table, 5);
    CHECK(table.entry(1) == handle(5));
    open(table, 6);
    CHECK(table.entry(3) == handle(6));
    CHECK(table.highestIndex() == 3);
}

TEST_CASE("window table: a full table records no more and keeps 127 as the highest index")
{
    liveWindows.clear();
    EditorWindowTable table;
    for (int n = 0; n < EditorWindowTable::Size; ++n)
        open(table, n);
    CHECK(table.highestIndex() == 127);
    open(table, 500);
    CHECK(table.highestIndex() == 127);
    for (int i = 0; i < EditorWindowTable::Size; ++i)
        CHECK(table.entry(i) != handle(500));
}

TEST_CASE("window table: destroyAll destroys the live windows up to the highest index and starts over")
{
    liveWindows.clear();
    destroyed.clear();
    EditorWindowTable table;
    open(table, 1);
    open(table, 2);
    open(table, 3);
    liveWindows.erase(handle(2));
    table.destroyAll(isLive, destroy);
    CHECK(destroyed == std::vector<void*>{handle(1), handle(3)});
    CHECK(table.highestIndex() == 0);
    CHECK(table.entry(0) == nullptr);
    CHECK(table.entry(2) == nullptr);
}
