#include "tools/plughost/output_file.h"

#include "tools/plughost/host_error.h"
#include "tools/plughost/os_process.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

std::string temporaryNameFor(const std::string& path)
{
    return path + ".tmp-" + std::to_string(currentProcessId());
}

void writeOutputFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const std::string temporary = temporaryNameFor(path);
    std::string failure;
    {
        errno = 0;
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) {
            failure = errno != 0 ? std::strerror(errno) : "cannot create the file";
        } else {
            file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            file.close();
            if (!file)
                failure = "write error";
        }
    }
    std::error_code error;
    if (failure.empty()) {
        std::filesystem::rename(temporary, path, error);
        if (error)
            failure = error.message();
    }
    if (!failure.empty()) {
        std::filesystem::remove(temporary, error);
        throw HostError("cannot write '" + path + "': " + failure);
    }
}
