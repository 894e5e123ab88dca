// Reads a VERSIONINFO resource (the bytes of resource type 16): the fixed
// file and product versions and the strings of its first string table.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct VersionInfo {
    std::array<std::uint16_t, 4> file_version{};     // major, minor, patch, build
    std::array<std::uint16_t, 4> product_version{};
    std::uint32_t file_type = 0;                     // 2: a DLL
    std::string table;                               // "040904E4": language and code page
    std::map<std::string, std::string> strings;      // "ProductName" -> "Vantor_Instr"
};

// Throws std::runtime_error naming what is malformed.
VersionInfo parse_version_info(const std::vector<std::uint8_t>& data);
