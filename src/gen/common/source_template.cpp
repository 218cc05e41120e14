// Templates cut into pieces once per thread. Each cut template is found again
// by where its text lies and checked against a copy of that text, since a
// template need not be a literal: a text made at run time that reuses the
// address of another gets its own pieces.
#include "gen/common/source_template.h"

#include "platform/text.h"

#include <cstring>
#include <stdexcept>
#include <unordered_map>

namespace schemist {
namespace {

constexpr std::string_view kCommentColumn = "$>$";
constexpr int kTemplateBlanksPerLevel = 4;
// Templates kept per kind and thread; a program that makes ever new template
// texts is cut afresh each time once this many are kept.
constexpr std::size_t kKeptTemplatesMax = 4096;

// Cuts `text` into pieces; views point into `text`.
TemplatePieces cut(std::string_view text)
{
    TemplatePieces cut;
    std::vector<TemplatePiece>& pieces = cut.pieces;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t open = text.find('$', pos);
        if (open == std::string_view::npos) {
            pieces.push_back({text.substr(pos), false});
            break;
        }
        if (open > pos)
            pieces.push_back({text.substr(pos, open - pos), false});
        std::size_t close = text.find('$', open + 1);
        if (close == std::string_view::npos)
            throw std::logic_error("unterminated template variable in: " + std::string(text));
        std::string_view name = text.substr(open + 1, close - open - 1);
        if (name.empty())
            pieces.push_back({text.substr(open, 1), false});  // "$$" writes one "$"
        else
            pieces.push_back({name, true});
        pos = close + 1;
    }
    std::string utf8;
    for (const TemplatePiece& piece : pieces) {
        if (piece.variable)
            cut.literal = false;
        else
            utf8.append(piece.text);
    }
    if (cut.literal)
        appendCp932(cut.bytes, utf8);
    return cut;
}

TemplateLine cutLine(std::string_view text)
{
    TemplateLine line;
    std::size_t at = text.find(kCommentColumn);
    if (at == std::string_view::npos) {
        line.code = cut(text);
    } else {
        line.code = cut(text.substr(0, at));
        line.comment = cut(text.substr(at + kCommentColumn.size()));
    }
    return line;
}

// Calls `each` with every line of a multi-line template.
template <typename Each>
void forEachTemplateLine(std::string_view text, Each&& each)
{
    if (text.starts_with('\n'))
        text.remove_prefix(1);
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        each(text.substr(pos, end - pos));
        pos = end + 1;
    }
}

std::vector<TemplateLine> cutBlock(std::string_view text)
{
    std::vector<TemplateLine> lines;
    forEachTemplateLine(text, [&](std::string_view line) {
        std::size_t blanks = line.find_first_not_of(' ');
        if (blanks == std::string_view::npos) {
            lines.push_back({});
            lines.back().blank = true;
            return;
        }
        if (blanks % kTemplateBlanksPerLevel != 0)
            throw std::logic_error("template line not indented in steps of four: " + std::string(line));
        lines.push_back(cutLine(line.substr(blanks)));
        lines.back().level = static_cast<int>(blanks) / kTemplateBlanksPerLevel;
    });
    return lines;
}

std::vector<TemplatePieces> cutFixedBlock(std::string_view text)
{
    std::vector<TemplatePieces> lines;
    forEachTemplateLine(text, [&](std::string_view line) { lines.push_back(cut(line)); });
    return lines;
}

// A cut template with the copy of the text its pieces point into.
template <typename Cut>
struct Kept {
    std::string text;
    Cut cut;
    bool valid = false;  // false while being cut, and after a failed cut
};

// The cut form of `text`, made by `make` from the kept copy of the text.
template <typename Cut, typename Make>
const Cut& keptCut(std::string_view text, Make make)
{
    thread_local std::unordered_map<const char*, Kept<Cut>> kept;
    thread_local Kept<Cut> unkept;
    auto it = kept.find(text.data());
    if (it != kept.end() && it->second.valid && it->second.text.size() == text.size() &&
        std::memcmp(it->second.text.data(), text.data(), text.size()) == 0)
        return it->second.cut;
    Kept<Cut>* entry = &unkept;
    if (it != kept.end())
        entry = &it->second;
    else if (kept.size() < kKeptTemplatesMax)
        entry = &kept[text.data()];
    // The pieces point into the entry's own copy, which stays where it is
    // while the entry lives (map nodes do not move).
    entry->valid = false;
    entry->text.assign(text);
    entry->cut = make(std::string_view(entry->text));
    entry->valid = true;
    return entry->cut;
}

}  // namespace

void appendPieces(std::string& out, const TemplatePieces& pieces, TemplateVars vars)
{
    for (const TemplatePiece& piece : pieces) {
        if (!piece.variable) {
            out.append(piece.text);
            continue;
        }
        // Names are short and mostly differ in length or first letter, so
        // those are compared before the whole name.
        const std::pair<std::string_view, std::string_view>* found = nullptr;
        std::string_view name = piece.text;
        for (const auto& var : vars) {
            if (var.first.size() == name.size() && var.first[0] == name[0] &&
                std::memcmp(var.first.data(), name.data(), name.size()) == 0) {
                found = &var;
                break;
            }
        }
        if (found == nullptr)
            throw std::logic_error("unknown template variable $" + std::string(piece.text) + "$");
        out.append(found->second);
    }
}

const TemplatePieces& wholeTemplate(std::string_view text)
{
    return keptCut<TemplatePieces>(text, cut);
}

const TemplateLine& lineTemplate(std::string_view text)
{
    return keptCut<TemplateLine>(text, cutLine);
}

const std::vector<TemplateLine>& blockTemplate(std::string_view text)
{
    return keptCut<std::vector<TemplateLine>>(text, cutBlock);
}

const std::vector<TemplatePieces>& fixedBlockTemplate(std::string_view text)
{
    return keptCut<std::vector<TemplatePieces>>(text, cutFixedBlock);
}

}  // namespace schemist
