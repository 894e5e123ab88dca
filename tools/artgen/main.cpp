// artgen: draws every bitmap of the table and writes the module's bitmap
// resources as DIR/<id>.bmp, optionally with a contact sheet of them all.
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/artgen/core/table.h"
#include "tools/artgen/generator.h"
#include "tools/artgen/module_view.h"

namespace fs = std::filesystem;

namespace {

const char USAGE[] =
    "usage: artgen --module MODULE.so --table bitmaps.tsv --out DIR [--contact-sheet FILE.png] [--only ID]...\n";

struct Options {
    std::string module;
    std::string table;
    std::string out;
    std::string contact_sheet;
    std::set<std::uint32_t> only;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (arg == "--module") {
            o.module = value;
        } else if (arg == "--table") {
            o.table = value;
        } else if (arg == "--out") {
            o.out = value;
        } else if (arg == "--contact-sheet") {
            o.contact_sheet = value;
        } else if (arg == "--only") {
            char* end = nullptr;
            const unsigned long id = std::strtoul(value.c_str(), &end, 10);
            if (*end != '\0' || value.empty()) {
                return false;
            }
            o.only.insert(static_cast<std::uint32_t>(id));
        } else {
            return false;
        }
    }
    return !o.module.empty() && !o.table.empty() && !o.out.empty();
}

// Writes only when the bytes differ, so unchanged bitmaps keep their time
// stamps and the Windows build does not relink for nothing.
bool write_if_changed(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            const std::vector<std::uint8_t> old((std::istreambuf_iterator<char>(in)), {});
            if (old == bytes) {
                return true;
            }
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// True when the table lists a needle for the gauge: its face takes its marks
// from that needle's calibration.
bool has_needle_rows(const std::vector<artgen::BitmapInfo>& rows, const std::string& gauge) {
    for (const artgen::BitmapInfo& row : rows) {
        if (row.kind != "needle") {
            continue;
        }
        const std::string list = "," + row.gauge + ",";
        if (list.find("," + gauge + ",") != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    std::vector<artgen::BitmapInfo> rows;
    std::string error;
    if (!artgen::read_table(options.table, rows, error)) {
        std::fprintf(stderr, "artgen: %s\n", error.c_str());
        return 1;
    }
    std::vector<std::string> problems = artgen::check_table(rows);
    for (const std::string& p : artgen::check_drawings()) {
        problems.push_back(p);
    }
    if (!problems.empty()) {
        for (const std::string& p : problems) {
            std::fprintf(stderr, "artgen: %s: %s\n", options.table.c_str(), p.c_str());
        }
        return 1;
    }
    for (std::uint32_t id : options.only) {
        bool found = false;
        for (const artgen::BitmapInfo& row : rows) {
            found |= row.id == id;
        }
        if (!found) {
            std::fprintf(stderr, "artgen: --only %u: no such id in %s\n", id, options.table.c_str());
            return 1;
        }
    }
    artgen::LoadedModuleView module;
    if (!module.open(options.module, error)) {
        std::fprintf(stderr, "artgen: %s\n", error.c_str());
        return 1;
    }
    std::error_code ec;
    fs::create_directories(options.out, ec);
    if (ec) {
        std::fprintf(stderr, "artgen: cannot create %s: %s\n", options.out.c_str(), ec.message().c_str());
        return 1;
    }

    std::vector<artgen::SheetEntry> sheet;
    int failures = 0;
    for (const artgen::BitmapInfo& row : rows) {
        if (!options.only.empty() && !options.only.count(row.id)) {
            continue;
        }
        const artgen::Drawing* drawing = artgen::find_drawing(row.id);
        if (drawing == nullptr) {
            std::fprintf(stderr, "artgen: %u (%s): no drawing is registered for this bitmap\n", row.id, row.role.c_str());
            ++failures;
            continue;
        }
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, row.width, row.height);
        cairo_t* cr = cairo_create(surface);
        cairo_save(cr);
        drawing->draw(cr, row, module);
        cairo_restore(cr);
        const cairo_status_t status = cairo_status(cr);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        if (status != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "artgen: %u: drawing failed: %s\n", row.id, cairo_status_to_string(status));
            cairo_surface_destroy(surface);
            ++failures;
            continue;
        }
        artgen::Image image = artgen::flatten_argb32(cairo_image_surface_get_data(surface), row.width, row.height,
                                                     cairo_image_surface_get_stride(surface));
        cairo_surface_destroy(surface);
        std::vector<std::uint8_t> bytes;
        if (row.depth == 8) {
            const artgen::Indexed indexed = artgen::quantise(image);
            bytes = artgen::encode_bmp8(indexed, row.width, row.height);
            image = artgen::expand(indexed, row.width, row.height);
        } else {
            bytes = artgen::encode_bmp24(image);
        }
        const fs::path path = fs::path(options.out) / (std::to_string(row.id) + ".bmp");
        if (!write_if_changed(path, bytes)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
            ++failures;
            continue;
        }
        const GAUGEHDR* gauge = module.gauge_with_background(row.id);
        const bool pending =
            gauge != nullptr && has_needle_rows(rows, gauge->name) && module.needles_of(gauge).empty();
        sheet.push_back({&row, std::move(image), pending});
    }

    // Bitmaps of ids the table no longer lists would otherwise ship.
    if (options.only.empty()) {
        std::set<std::string> wanted;
        for (const artgen::BitmapInfo& row : rows) {
            wanted.insert(std::to_string(row.id) + ".bmp");
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(options.out)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() == ".bmp" && !wanted.count(name)) {
                fs::remove(entry.path(), ec);
            }
        }
    }

    if (!options.contact_sheet.empty() && !artgen::write_contact_sheet(options.contact_sheet, sheet, error)) {
        std::fprintf(stderr, "artgen: %s\n", error.c_str());
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
