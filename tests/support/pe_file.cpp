#include "pe_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

constexpr int EXPORT_DIRECTORY = 0;
constexpr int IMPORT_DIRECTORY = 1;
constexpr int RESOURCE_DIRECTORY = 2;

}  // namespace

PeFile::PeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(path + ": cannot open");
    }
    bytes_.assign(std::istreambuf_iterator<char>(in), {});
    if (bytes_.size() < 0x40 || bytes_[0] != 'M' || bytes_[1] != 'Z') {
        throw std::runtime_error(path + ": no MZ header");
    }
    const std::uint32_t pe = u32(0x3C);
    if (u32(pe) != 0x00004550) {
        throw std::runtime_error(path + ": no PE signature");
    }
    machine_ = u16(pe + 4);
    const std::uint16_t section_count = u16(pe + 6);
    const std::uint16_t optional_size = u16(pe + 20);
    const std::uint32_t optional = pe + 24;
    if (u16(optional) != 0x10B) {
        throw std::runtime_error(path + ": not a PE32 image");
    }
    directory_count_ = u32(optional + 92);
    directories_ = optional + 96;
    const std::uint32_t table = optional + optional_size;
    for (std::uint16_t i = 0; i < section_count; ++i) {
        const std::uint32_t s = table + 40u * i;
        sections_.push_back({u32(s + 12), u32(s + 8), u32(s + 20), u32(s + 16)});
    }
}

std::uint16_t PeFile::u16(std::uint32_t offset) const {
    if (offset + 2 > bytes_.size()) {
        throw std::runtime_error("read past the end of the image");
    }
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::uint32_t PeFile::u32(std::uint32_t offset) const {
    return u16(offset) | static_cast<std::uint32_t>(u16(offset + 2)) << 16;
}

std::string PeFile::string_at(std::uint32_t offset) const {
    std::string s;
    while (offset < bytes_.size() && bytes_[offset] != 0) {
        s.push_back(static_cast<char>(bytes_[offset++]));
    }
    return s;
}

std::uint32_t PeFile::offset_of(std::uint32_t rva) const {
    for (const Section& s : sections_) {
        const std::uint32_t size = s.virtual_size > s.raw_size ? s.virtual_size : s.raw_size;
        if (rva >= s.virtual_address && rva < s.virtual_address + size) {
            return rva - s.virtual_address + s.raw_offset;
        }
    }
    throw std::runtime_error("address outside every section");
}

std::uint32_t PeFile::directory_rva(int index) const {
    if (static_cast<std::uint32_t>(index) >= directory_count_) {
        return 0;
    }
    return u32(directories_ + 8u * static_cast<std::uint32_t>(index));
}

std::vector<std::string> PeFile::exported_names() const {
    std::vector<std::string> names;
    const std::uint32_t rva = directory_rva(EXPORT_DIRECTORY);
    if (rva == 0) {
        return names;
    }
    const std::uint32_t dir = offset_of(rva);
    const std::uint32_t count = u32(dir + 24);
    const std::uint32_t name_table = offset_of(u32(dir + 32));
    for (std::uint32_t i = 0; i < count; ++i) {
        names.push_back(string_at(offset_of(u32(name_table + 4 * i))));
    }
    return names;
}

std::vector<std::string> PeFile::imported_dlls() const {
    std::vector<std::string> dlls;
    const std::uint32_t rva = directory_rva(IMPORT_DIRECTORY);
    if (rva == 0) {
        return dlls;
    }
    for (std::uint32_t entry = offset_of(rva);; entry += 20) {
        const std::uint32_t name = u32(entry + 12);
        if (name == 0) {
            break;
        }
        dlls.push_back(string_at(offset_of(name)));
    }
    return dlls;
}

std::vector<PeResource> PeFile::resources() const {
    std::vector<PeResource> out;
    const std::uint32_t rva = directory_rva(RESOURCE_DIRECTORY);
    if (rva == 0) {
        return out;
    }
    const std::uint32_t root = offset_of(rva);
    // A directory's entries: named ones first, then by id; each entry points
    // to a subdirectory (high bit set) or to a data entry.
    auto entries = [&](std::uint32_t dir) {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> list;
        const std::uint32_t count = static_cast<std::uint32_t>(u16(dir + 12)) + u16(dir + 14);
        for (std::uint32_t i = 0; i < count; ++i) {
            list.emplace_back(u32(dir + 16 + 8 * i), u32(dir + 20 + 8 * i));
        }
        return list;
    };
    auto name_of = [&](std::uint32_t name) {
        if ((name & 0x80000000u) == 0) {
            return "#" + std::to_string(name);
        }
        const std::uint32_t at = root + (name & 0x7FFFFFFFu);
        std::string s;
        for (std::uint16_t i = 0, n = u16(at); i < n; ++i) {
            s.push_back(static_cast<char>(u16(at + 2 + 2u * i)));
        }
        return s;
    };
    for (auto [type_name, type_dir] : entries(root)) {
        for (auto [id, id_dir] : entries(root + (type_dir & 0x7FFFFFFFu))) {
            for (auto [language, data_entry] : entries(root + (id_dir & 0x7FFFFFFFu))) {
                const std::uint32_t data = root + data_entry;
                const std::uint32_t at = offset_of(u32(data));
                const std::uint32_t size = u32(data + 4);
                if (at + size > bytes_.size()) {
                    throw std::runtime_error("resource data past the end of the image");
                }
                out.push_back({name_of(type_name), id, language,
                               std::vector<std::uint8_t>(bytes_.begin() + at, bytes_.begin() + at + size)});
            }
        }
    }
    return out;
}
