// The skin generator: BMP files as Windows reads them, every skin at the
// size the panel expects, and the committed files equal to a fresh run.
#include "effects/reverb/editor/panel_layout.h"
#include "tools/artwork/bmp_file.h"
#include "tools/artwork/reverb_skin.h"

#include <doctest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::string freshFolder()
{
    char pattern[] = "/tmp/reverb-skin-XXXXXX";
    const char* made = mkdtemp(pattern);
    REQUIRE(made != nullptr);
    return made;
}

} // namespace

TEST_CASE("bmp file: a 24-bit picture is stored bottom up, blue first, rows padded to four bytes")
{
    RgbPicture picture;
    picture.width = 3;
    picture.height = 2;
    picture.pixels = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}};
    const std::vector<std::uint8_t> bmp = encodeBmp24(picture);
    REQUIRE(bmp.size() == 54 + 2 * 12);
    CHECK(bmp[0] == 'B');
    CHECK(bmp[1] == 'M');
    CHECK(le32(bmp, 2) == 78);
    CHECK(le32(bmp, 10) == 54);
    CHECK(le32(bmp, 14) == 40);
    CHECK(le32(bmp, 18) == 3);
    CHECK(le32(bmp, 22) == 2);
    CHECK(le16(bmp, 26) == 1);
    CHECK(le16(bmp, 28) == 24);
    CHECK(le32(bmp, 30) == 0);
    CHECK(le32(bmp, 34) == 24);
    const std::vector<std::uint8_t> rows(bmp.begin() + 54, bmp.end());
    CHECK(rows == std::vector<std::uint8_t>{12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0,
                                            3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0});
}

TEST_CASE("bmp file: an 8-bit picture carries its palette before the padded index rows")
{
    PalettePicture picture;
    picture.width = 5;
    picture.height = 2;
    picture.indices = {0, 1, 2, 1, 0, 2, 2, 2, 2, 2};
    picture.palette = {{255, 255, 255}, {255, 0, 0}, {0, 0, 255}};
    const std::vector<std::uint8_t> bmp = encodeBmp8(picture);
    REQUIRE(bmp.size() == 54 + 3 * 4 + 2 * 8);
    CHECK(le32(bmp, 10) == 54 + 12);
    CHECK(le16(bmp, 28) == 8);
    CHECK(le32(bmp, 46) == 3);
    const std::vector<std::uint8_t> palette(bmp.begin() + 54, bmp.begin() + 66);
    CHECK(palette == std::vector<std::uint8_t>{255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0});
    const std::vector<std::uint8_t> rows(bmp.begin() + 66, bmp.end());
    CHECK(rows == std::vector<std::uint8_t>{2, 2, 2, 2, 2, 0, 0, 0, 0, 1, 2, 1, 0, 0, 0, 0});
}

TEST_CASE("reverb skin: 21 pictures with the resource numbers and sizes of the panel")
{
    const std::vector<SkinPicture> skin = drawReverbSkin();
    REQUIRE(skin.size() == static_cast<std::size_t>(SkinCount));
    for (SkinId id : SkinLoadOrder) {
        CAPTURE(static_cast<int>(id));
        int found = 0;
        for (const SkinPicture& p : skin)
            if (p.id == id) {
                ++found;
                CHECK(p.canvas.width() == skinSize(id).width);
                CHECK(p.canvas.height() == skinSize(id).height);
            }
        CHECK(found == 1);
    }
}

TEST_CASE("reverb skin: the meters' last column is black")
{
    for (const SkinPicture& p : drawReverbSkin()) {
        if (p.id != SkinMeterLit && p.id != SkinMeterUnlit)
            continue;
        for (int y = 0; y < p.canvas.height(); ++y)
            CHECK(p.canvas.pixel(MeterWidth - 1, y) == RgbColour{0, 0, 0});
    }
}

TEST_CASE("reverb skin: a fresh run writes exactly the committed bitmaps and resource script")
{
    const std::string folder = freshFolder();
    REQUIRE(writeReverbSkin(folder));
    std::vector<std::string> names{ReverbSkinScriptName};
    for (const SkinPicture& p : drawReverbSkin())
        names.push_back(p.fileName);
    for (const std::string& name : names) {
        CAPTURE(name);
        const std::vector<std::uint8_t> fresh = readFile(folder + "/" + name);
        const std::vector<std::uint8_t> committed = readFile(std::string(REVERB_RESOURCE_DIR) + "/" + name);
        CHECK(!fresh.empty());
        CHECK(fresh == committed);
        std::remove((folder + "/" + name).c_str());
    }
    std::remove(folder.c_str());
}
