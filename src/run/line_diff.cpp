// Myers' O(ND) difference algorithm over lines, printed as a unified diff.
// Generated files change in a few places at a time, so D stays small; past
// a bound the whole file is shown as replaced rather than searched further.
#include "run/line_diff.h"

#include <algorithm>
#include <cstdint>

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

// The edit script from a to b, or an empty script when more than maxD edits
// would be needed (the caller then treats the files as wholly replaced).
std::vector<Op> editScript(const std::vector<std::string>& a, const std::vector<std::string>& b, int maxD, bool& tooFar)
{
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    const int offset = n + m + 1;
    std::vector<int> v(static_cast<std::size_t>(2 * offset + 1), 0);
    std::vector<std::vector<int>> trace;
    tooFar = false;
    for (int d = 0; d <= n + m; ++d) {
        if (d > maxD) {
            tooFar = true;
            return {};
        }
        trace.push_back(v);
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
                std::vector<Op> ops;
                int cx = n, cy = m;
                for (int back = d; back > 0; --back) {
                    const std::vector<int>& pv = trace[static_cast<std::size_t>(back)];
                    int ck = cx - cy;
                    int prevK = (ck == -back || (ck != back && pv[ck - 1 + offset] < pv[ck + 1 + offset])) ? ck + 1 : ck - 1;
                    int px = pv[prevK + offset], py = px - prevK;
                    while (cx > px && cy > py) {
                        ops.push_back(Op::Keep);
                        --cx;
                        --cy;
                    }
                    ops.push_back(cx == px ? Op::Add : Op::Remove);
                    cx = px;
                    cy = py;
                }
                while (cx > 0 && cy > 0) {
                    ops.push_back(Op::Keep);
                    --cx;
                    --cy;
                }
                std::reverse(ops.begin(), ops.end());
                return ops;
            }
        }
    }
    return {};
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
    bool tooFar = false;
    std::vector<Op> ops = editScript(oldLines, newLines, 5000, tooFar);
    if (tooFar) {
        ops.assign(oldLines.size(), Op::Remove);
        ops.insert(ops.end(), newLines.size(), Op::Add);
    }
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
