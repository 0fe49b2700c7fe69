#include "tools/plughost/host_error.h"
#include "tools/plughost/output_file.h"

#include <doctest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path Folder = "output_file_test";

std::string contentOf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<unsigned char> bytesOf(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

} // namespace

TEST_CASE("output_file: writes the whole file and leaves no temporary one")
{
    fs::remove_all(Folder);
    fs::create_directory(Folder);
    const std::string path = (Folder / "out.bin").string();
    writeOutputFile(path, bytesOf(std::string("one\0two", 7)));
    CHECK(contentOf(path) == std::string("one\0two", 7));
    writeOutputFile(path, bytesOf("replaced"));
    CHECK(contentOf(path) == "replaced");
    CHECK(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()) == 1);
    fs::remove_all(Folder);
}

TEST_CASE("output_file: a failed write leaves nothing behind")
{
    fs::remove_all(Folder);
    const std::string path = (Folder / "out.bin").string();
    std::string message;
    try {
        writeOutputFile(path, bytesOf("lost"));
    } catch (const HostError& error) {
        message = error.what();
    }
    CHECK(message == "cannot write '" + path + "': No such file or directory");
    CHECK_FALSE(fs::exists(Folder));
}

TEST_CASE("output_file: the temporary name is the output's with the process id")
{
    const std::string name = temporaryNameFor("out.wav");
    CHECK(name.rfind("out.wav.tmp-", 0) == 0);
    CHECK(name.size() > std::string("out.wav.tmp-").size());
}
