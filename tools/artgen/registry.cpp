// The drawing registry filled by ARTGEN_DRAWING at static initialisation.
#include "tools/artgen/art.h"
#include "tools/artgen/generator.h"

namespace artgen {

namespace {

std::vector<Drawing>& drawings() {
    static std::vector<Drawing> list;
    return list;
}

}  // namespace

void register_drawing(Drawing drawing) { drawings().push_back(drawing); }

const Drawing* find_drawing(std::uint32_t id) {
    for (const Drawing& d : drawings()) {
        if (d.first_id <= id && id <= d.last_id) {
            return &d;
        }
    }
    return nullptr;
}

std::vector<std::string> check_drawings() {
    std::vector<std::string> problems;
    const std::vector<Drawing>& list = drawings();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Drawing& a = list[i];
        const std::string range = std::to_string(a.first_id) + ".." + std::to_string(a.last_id);
        if (a.draw == nullptr || a.first_id > a.last_id) {
            problems.push_back("drawing " + range + " has no function or an empty range");
        }
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            const Drawing& b = list[j];
            if (a.first_id <= b.last_id && b.first_id <= a.last_id) {
                problems.push_back("drawings " + range + " and " + std::to_string(b.first_id) + ".." +
                                   std::to_string(b.last_id) + " overlap");
            }
        }
    }
    return problems;
}

}  // namespace artgen
