// Myers' O(ND) difference algorithm over lines, printed as a unified diff.
// Generated files change in a few places at a time, so D stays small; large
// files are first split at lines unique to both (as patience diff does), and
// a part past the search bound is shown as replaced rather than searched
// further.
#include "run/line_diff.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>

namespace schemist {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        std::size_t stop = end > pos && text[end - 1] == '\r' ? end - 1 : end;
        lines.emplace_back(text.substr(pos, stop - pos));
        pos = end + 1;
    }
    return lines;
}

namespace {

enum class Op { Keep, Remove, Add };
using Lines = std::span<const std::string>;
using Script = std::vector<Op>;

// Myers' search stops past this many edits; its saved frontiers then hold at
// most (kMaxEdits + 1)^2 positions (16 MB).
constexpr int kMaxEdits = 2000;
// Texts up to this many lines together go to Myers' search directly.
constexpr std::size_t kSmallLines = 4000;
// Nesting of the anchored split before a part is searched or replaced whole.
constexpr int kMaxDepth = 16;

// Appends the edit script from a to b; false (and nothing appended) when more
// than kMaxEdits edits would be needed.
bool appendMyers(Lines a, Lines b, Script& ops)
{
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    const int offset = n + m + 1;
    std::vector<int> v(static_cast<std::size_t>(2 * offset + 1), 0);
    // trace[d]: the frontier before step d, diagonals -d..d only.
    std::vector<std::vector<int>> trace;
    for (int d = 0; d <= n + m; ++d) {
        if (d > kMaxEdits)
            return false;
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
        for (int k = -d; k <= d; k += 2) {
            int x;
            if (k == -d || (k != d && v[k - 1 + offset] < v[k + 1 + offset]))
                x = v[k + 1 + offset];
            else
                x = v[k - 1 + offset] + 1;
            int y = x - k;
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
            }
            v[k + offset] = x;
            if (x >= n && y >= m) {
                // Walk back through the saved frontiers.
                Script found;
                int cx = n, cy = m;
                for (int back = d; back > 0; --back) {
                    const std::vector<int>& pv = trace[static_cast<std::size_t>(back)];
                    auto at = [&](int diagonal) { return pv[static_cast<std::size_t>(diagonal + back)]; };
                    int ck = cx - cy;
                    int prevK = (ck == -back || (ck != back && at(ck - 1) < at(ck + 1))) ? ck + 1 : ck - 1;
                    int px = at(prevK), py = px - prevK;
                    while (cx > px && cy > py) {
                        found.push_back(Op::Keep);
                        --cx;
                        --cy;
                    }
                    found.push_back(cx == px ? Op::Add : Op::Remove);
                    cx = px;
                    cy = py;
                }
                while (cx > 0 && cy > 0) {
                    found.push_back(Op::Keep);
                    --cx;
                    --cy;
                }
                ops.insert(ops.end(), found.rbegin(), found.rend());
                return true;
            }
        }
    }
    return true;  // both empty
}

void appendReplacement(Lines a, Lines b, Script& ops)
{
    ops.insert(ops.end(), a.size(), Op::Remove);
    ops.insert(ops.end(), b.size(), Op::Add);
}

// Lines that occur once in a and once in b, as (position in a, position in
// b), the longest run of them in the same order in both (patience sorting).
std::vector<std::pair<std::size_t, std::size_t>> uniqueAnchors(Lines a, Lines b)
{
    struct Seen {
        int inA = 0, inB = 0;
        std::size_t posA = 0, posB = 0;
    };
    std::unordered_map<std::string_view, Seen> seen;
    for (std::size_t i = 0; i < a.size(); ++i) {
        Seen& s = seen[a[i]];
        ++s.inA;
        s.posA = i;
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        auto it = seen.find(b[j]);
        if (it != seen.end()) {
            ++it->second.inB;
            it->second.posB = j;
        }
    }
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Seen& s = seen[a[i]];
        if (s.inA == 1 && s.inB == 1)
            pairs.emplace_back(i, s.posB);
    }
    // Longest increasing run of b positions, with links back to rebuild it.
    std::vector<std::size_t> tails, previous(pairs.size(), SIZE_MAX);
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        auto pos = std::lower_bound(tails.begin(), tails.end(), pairs[p].second,
                                    [&](std::size_t t, std::size_t j) { return pairs[t].second < j; });
        if (pos != tails.begin())
            previous[p] = *(pos - 1);
        if (pos == tails.end())
            tails.push_back(p);
        else
            *pos = p;
    }
    std::vector<std::pair<std::size_t, std::size_t>> anchors;
    for (std::size_t p = tails.empty() ? SIZE_MAX : tails.back(); p != SIZE_MAX; p = previous[p])
        anchors.push_back(pairs[p]);
    std::reverse(anchors.begin(), anchors.end());
    return anchors;
}

// Large texts: equal lines at both ends are kept, the rest is split at lines
// that are unique in both and in the same order, and the parts between them
// searched on their own, so that time and memory follow the size of the
// changes rather than the size of the files.
void appendAnchored(Lines a, Lines b, Script& ops, int depth)
{
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    ops.insert(ops.end(), head, Op::Keep);
    Lines midA = a.subspan(head, a.size() - head - tail), midB = b.subspan(head, b.size() - head - tail);
    std::vector<std::pair<std::size_t, std::size_t>> anchors;
    if (!midA.empty() && !midB.empty() && midA.size() + midB.size() > kSmallLines && depth < kMaxDepth)
        anchors = uniqueAnchors(midA, midB);
    if (midA.empty() || midB.empty())
        appendReplacement(midA, midB, ops);
    else if (anchors.empty()) {
        if (!appendMyers(midA, midB, ops))
            appendReplacement(midA, midB, ops);
    } else {
        std::size_t i = 0, j = 0;
        for (auto [ai, bj] : anchors) {
            appendAnchored(midA.subspan(i, ai - i), midB.subspan(j, bj - j), ops, depth + 1);
            ops.push_back(Op::Keep);
            i = ai + 1;
            j = bj + 1;
        }
        appendAnchored(midA.subspan(i), midB.subspan(j), ops, depth + 1);
    }
    ops.insert(ops.end(), tail, Op::Keep);
}

Script editScript(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    Script ops;
    if (a.size() + b.size() <= kSmallLines) {
        if (!appendMyers(a, b, ops))
            appendReplacement(a, b, ops);
    } else {
        appendAnchored(a, b, ops, 0);
    }
    return ops;
}

std::string range(int start, int count)
{
    // Unified diff convention: an empty range names the line before it.
    if (count == 0)
        return std::to_string(start) + ",0";
    if (count == 1)
        return std::to_string(start + 1);
    return std::to_string(start + 1) + "," + std::to_string(count);
}

}  // namespace

std::string unifiedDiff(const std::vector<std::string>& oldLines, const std::vector<std::string>& newLines,
                        const std::string& oldName, const std::string& newName)
{
    if (oldLines == newLines)
        return {};
    std::vector<Op> ops = editScript(oldLines, newLines);
    constexpr int kContext = 3;
    std::string out = "--- " + oldName + "\n+++ " + newName + "\n";
    std::size_t i = 0;
    int ai = 0, bi = 0;  // line positions before ops[i]
    while (i < ops.size()) {
        if (ops[i] == Op::Keep) {
            ++i;
            ++ai;
            ++bi;
            continue;
        }
        // A hunk: back up for context, then run until kContext*2 keeps in a row.
        std::size_t start = i;
        int back = 0;
        while (start > 0 && back < kContext && ops[start - 1] == Op::Keep) {
            --start;
            ++back;
        }
        int hunkA = ai - back, hunkB = bi - back;
        std::size_t end = i;
        int keeps = 0;
        while (end < ops.size()) {
            if (ops[end] == Op::Keep) {
                if (++keeps > 2 * kContext)
                    break;
            } else {
                keeps = 0;
            }
            ++end;
        }
        // Trim trailing context to kContext lines.
        std::size_t stop = end;
        int trailing = 0;
        while (stop > i && ops[stop - 1] == Op::Keep) {
            --stop;
            ++trailing;
        }
        stop += static_cast<std::size_t>(std::min(trailing, kContext));
        std::string body;
        int countA = 0, countB = 0, x = hunkA, y = hunkB;
        for (std::size_t j = start; j < stop; ++j) {
            switch (ops[j]) {
            case Op::Keep: body += " " + oldLines[static_cast<std::size_t>(x++)] + "\n"; ++y; ++countA; ++countB; break;
            case Op::Remove: body += "-" + oldLines[static_cast<std::size_t>(x++)] + "\n"; ++countA; break;
            case Op::Add: body += "+" + newLines[static_cast<std::size_t>(y++)] + "\n"; ++countB; break;
            }
        }
        out += "@@ -" + range(hunkA, countA) + " +" + range(hunkB, countB) + " @@\n" + body;
        ai = x;
        bi = y;
        i = stop;
    }
    return out;
}

}  // namespace schemist
