#include "version_info.h"

#include <stdexcept>

namespace {

constexpr std::uint32_t FIXED_SIGNATURE = 0xFEEF04BD;

// One node of the resource's tree: length, value length, type (1: text),
// a UTF-16 key, then the value and the children, each on a 4-byte boundary.
struct Node {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::uint16_t value_length = 0;
    bool text = false;
    std::string key;
    std::size_t value = 0;     // where the value starts
    std::size_t children = 0;  // where the first child starts
};

class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& data) : data_(data) {}

    std::uint16_t u16(std::size_t at) const {
        if (at + 2 > data_.size()) throw std::runtime_error("version resource read past its end");
        return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }

    // UTF-16 text up to its zero; characters beyond ASCII read as '?'.
    std::string text(std::size_t at, std::size_t* after) const {
        std::string s;
        for (std::uint16_t c = u16(at); c != 0; c = u16(at)) {
            s.push_back(c < 0x80 ? static_cast<char>(c) : '?');
            at += 2;
        }
        *after = at + 2;
        return s;
    }

    Node node(std::size_t at, std::size_t limit) const {
        Node n;
        n.begin = at;
        n.end = at + u16(at);
        if (n.end > limit || n.end < at + 6) throw std::runtime_error("version resource node of a bad length");
        n.value_length = u16(at + 2);
        n.text = u16(at + 4) == 1;
        std::size_t after = 0;
        n.key = text(at + 6, &after);
        n.value = align(after);
        // A text value's length counts UTF-16 characters, a binary one bytes.
        n.children = align(n.value + (n.text ? 2u * n.value_length : n.value_length));
        return n;
    }

    std::vector<Node> children(const Node& parent) const {
        std::vector<Node> list;
        for (std::size_t at = parent.children; at + 6 <= parent.end;) {
            Node child = node(at, parent.end);
            list.push_back(child);
            at = align(child.end);
        }
        return list;
    }

    static std::size_t align(std::size_t at) { return (at + 3) & ~static_cast<std::size_t>(3); }

private:
    const std::vector<std::uint8_t>& data_;
};

}  // namespace

VersionInfo parse_version_info(const std::vector<std::uint8_t>& data) {
    Reader r(data);
    const Node root = r.node(0, data.size());
    if (root.key != "VS_VERSION_INFO") throw std::runtime_error("version resource without VS_VERSION_INFO");
    if (root.value_length < 52 || r.u32(root.value) != FIXED_SIGNATURE) {
        throw std::runtime_error("version resource without its fixed file information");
    }
    VersionInfo info;
    const std::size_t fixed = root.value;
    auto version = [&](std::size_t at) {
        return std::array<std::uint16_t, 4>{r.u16(at + 2), r.u16(at), r.u16(at + 6), r.u16(at + 4)};
    };
    info.file_version = version(fixed + 8);
    info.product_version = version(fixed + 16);
    info.file_type = r.u32(fixed + 36);
    for (const Node& block : r.children(root)) {
        if (block.key != "StringFileInfo") continue;
        const std::vector<Node> tables = r.children(block);
        if (tables.empty()) throw std::runtime_error("StringFileInfo without a string table");
        info.table = tables.front().key;
        for (const Node& entry : r.children(tables.front())) {
            std::size_t after = 0;
            info.strings[entry.key] = entry.value_length == 0 ? std::string() : r.text(entry.value, &after);
        }
    }
    return info;
}
