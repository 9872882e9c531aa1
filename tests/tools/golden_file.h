// Reads a golden file of the tools tests as raw bytes.
#pragma once
#include <fstream>
#include <iterator>
#include <string>

inline std::string ReadGolden(const char *name)
{
    std::ifstream in(std::string(TOOLS_GOLDEN_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
