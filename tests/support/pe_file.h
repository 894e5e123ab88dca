// Reads what the tests check in a 32-bit PE image: exported names, imported
// DLLs and the resource directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PeResource {
    std::string type;  // "#2" for a numeric type, else the type's name
    std::uint32_t id;
    std::uint32_t language;
    std::vector<std::uint8_t> data;
};

class PeFile {
public:
    // Throws std::runtime_error with the reason when the file is not a PE32 image.
    explicit PeFile(const std::string& path);

    std::uint16_t machine() const { return machine_; }
    std::vector<std::string> exported_names() const;
    std::vector<std::string> imported_dlls() const;
    std::vector<PeResource> resources() const;

private:
    struct Section {
        std::uint32_t virtual_address;
        std::uint32_t virtual_size;
        std::uint32_t raw_offset;
        std::uint32_t raw_size;
    };
    std::uint32_t offset_of(std::uint32_t rva) const;
    std::uint16_t u16(std::uint32_t offset) const;
    std::uint32_t u32(std::uint32_t offset) const;
    std::string string_at(std::uint32_t offset) const;
    std::uint32_t directory_rva(int index) const;

    std::vector<std::uint8_t> bytes_;
    std::vector<Section> sections_;
    std::uint16_t machine_ = 0;
    std::uint32_t directories_ = 0;  // file offset of the data directories
    std::uint32_t directory_count_ = 0;
};
