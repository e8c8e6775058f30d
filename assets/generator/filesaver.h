// Saves bytes to a file, creating its folder, and stops the generator on
// failure: a half-written picture set must never look like a good one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class FileSaver
{
public:
    static void save(const std::string& path, const std::vector<std::uint8_t>& bytes);
};
