#include "fuzz/entries/scratchfiles.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

std::string makeDirectory() {
    const std::string base = access("/dev/shm", W_OK) == 0
                                 ? std::string("/dev/shm")
                                 : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/fern-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch directory in " + base);
    return pattern + "/";
}

struct Scratch {
    std::string path = makeDirectory();
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::string& ScratchDirectory() {
    static const Scratch scratch;
    return scratch.path;
}

std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path = ScratchDirectory() + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    const size_t written = size == 0 ? 0 : std::fwrite(data, 1, size, file);
    std::fclose(file);
    if (written != size) throw std::runtime_error("cannot write " + path);
    return path;
}
