#include "host/suggest.h"

#include <algorithm>
#include <cstddef>

#include "host/text_util.h"

namespace host {

namespace {

// Optimal string alignment distance: insertions, deletions, substitutions
// and swaps of neighbours.
std::size_t distance(const std::string& a, const std::string& b) {
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<std::size_t>> d(n + 1, std::vector<std::size_t>(m + 1));
    for (std::size_t i = 0; i <= n; ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= m; ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[n][m];
}

// Names are short; a longer input is no name worth comparing.
constexpr std::size_t LONGEST_COMPARED = 64;

}  // namespace

std::vector<std::string> nearest_names(const std::string& wanted, const std::vector<std::string>& names,
                                       std::size_t most) {
    const std::string w = lower(wanted);
    if (w.empty() || w.size() > LONGEST_COMPARED) return {};
    const std::size_t limit = std::max<std::size_t>(2, w.size() / 3);
    struct Candidate {
        std::size_t rank;  // distance, or past every distance for a containing name
        std::size_t order;
        const std::string* name;
    };
    std::vector<Candidate> near;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string n = lower(names[i]);
        if (n.empty() || n.size() > LONGEST_COMPARED) continue;
        bool seen = false;
        for (const Candidate& c : near) seen = seen || *c.name == names[i];
        if (seen) continue;
        const std::size_t d = distance(w, n);
        if (d <= limit) {
            near.push_back({d, i, &names[i]});
        } else if (w.size() >= 3 && (n.find(w) != std::string::npos || w.find(n) != std::string::npos)) {
            near.push_back({LONGEST_COMPARED + d, i, &names[i]});
        }
    }
    std::stable_sort(near.begin(), near.end(), [](const Candidate& a, const Candidate& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.order < b.order;
    });
    std::vector<std::string> out;
    for (std::size_t i = 0; i < near.size() && i < most; ++i) out.push_back(*near[i].name);
    return out;
}

std::string did_you_mean(const std::string& wanted, const std::vector<std::string>& names) {
    const std::vector<std::string> near = nearest_names(wanted, names);
    if (near.empty()) return {};
    std::string text = "; did you mean ";
    for (std::size_t i = 0; i < near.size(); ++i) {
        if (i > 0) text += i + 1 == near.size() ? " or " : ", ";
        text += quoted(near[i]);
    }
    return text + "?";
}

}  // namespace host
