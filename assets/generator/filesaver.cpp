#include "filesaver.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

void FileSaver::save(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::filesystem::path file(path);
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path());
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "handgen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}
