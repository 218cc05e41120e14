// CP932 conversion through iconv. One converter per thread is kept open,
// since generation converts every line it writes.
#include "platform/text.h"

#include "platform/error.h"

#include <cerrno>
#include <iconv.h>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

namespace schemist {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw Error(std::string("文字コード変換を開始できません: ") + from + " -> " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one chunk; returns false when the input could not be taken
    // whole at `in` (invalid or unconvertible sequence).
    bool convert(const char*& in, std::size_t& inLeft, std::string& out)
    {
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG)
                    continue;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        return true;
    }

private:
    iconv_t cd_;
};

std::size_t utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

bool isAsciiOnly(std::string_view text)
{
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

// Appends the CP932 form of a run of non-ASCII characters; a character that
// CP932 cannot hold becomes "?". Returns true when one did.
bool convertNonAscii(std::string_view utf8, std::string& out)
{
    thread_local Converter converter("CP932", "UTF-8");
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    bool lossy = false;
    while (!converter.convert(in, left, out)) {
        // Skip the one character iconv refused and write "?" for it.
        std::size_t skip = std::min(left, utf8SequenceLength(static_cast<unsigned char>(*in)));
        in += skip;
        left -= skip;
        out.push_back('?');
        lossy = true;
    }
    return lossy;
}

// CP932 forms of the characters of the Basic Multilingual Plane met so far,
// by code point: 0 not yet known, kNoForm when CP932 has none, else the one
// or two bytes. Generated source repeats the same few hundred characters
// (comments, Japanese names) thousands of times; iconv is asked once for each.
constexpr std::uint16_t kNoForm = 0xFFFF;

std::uint16_t* knownForms()
{
    thread_local std::unique_ptr<std::uint16_t[]> forms(new std::uint16_t[0x10000]());
    return forms.get();
}

// The length of the run of ASCII bytes at the start of `text`, eight bytes
// at a time while they last.
std::size_t asciiRun(std::string_view text)
{
    std::size_t n = 0;
    while (n + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + n, 8);
        if (word & 0x8080808080808080ULL)
            break;
        n += 8;
    }
    while (n < text.size() && static_cast<unsigned char>(text[n]) < 0x80)
        ++n;
    return n;
}

// The code point and length of a well-formed two- or three-byte sequence at
// `in`; length 0 for anything else (which is left to iconv, as it always was).
inline std::size_t bmpAt(const unsigned char* in, const unsigned char* end, char32_t& codePoint)
{
    unsigned char lead = in[0];
    std::ptrdiff_t left = end - in;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || (in[1] & 0xC0) != 0x80 || (in[2] & 0xC0) != 0x80)
            return 0;
        codePoint = ((lead & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F);
        return codePoint >= 0x800 && (codePoint < 0xD800 || codePoint > 0xDFFF) ? 3 : 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && (in[1] & 0xC0) == 0x80) {
        codePoint = ((lead & 0x1F) << 6) | (in[1] & 0x3F);
        return 2;
    }
    return 0;
}

// Appends the CP932 form of a run of non-ASCII characters character by
// character through the known forms; returns true when one had no form.
bool encodeNonAscii(std::string_view utf8, std::string& out)
{
    bool lossy = false;
    std::uint16_t* forms = knownForms();
    while (!utf8.empty()) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
        char32_t codePoint = 0;
        std::size_t length = bmpAt(bytes, bytes + utf8.size(), codePoint);
        if (length == 0)
            return convertNonAscii(utf8, out) || lossy;
        std::uint16_t& form = forms[codePoint];
        if (form == 0) {
            std::string bytes;
            bool none = convertNonAscii(utf8.substr(0, length), bytes);
            if (!none && (bytes.size() < 1 || bytes.size() > 2)) {
                out += bytes;  // not a form this table can hold; never kept
                utf8.remove_prefix(length);
                continue;
            }
            form = none ? kNoForm
                        : bytes.size() == 1 ? static_cast<unsigned char>(bytes[0])
                                            : static_cast<std::uint16_t>((static_cast<unsigned char>(bytes[0]) << 8) |
                                                                         static_cast<unsigned char>(bytes[1]));
        }
        if (form == kNoForm) {
            out.push_back('?');
            lossy = true;
        } else if (form < 0x100) {
            out.push_back(static_cast<char>(form));
        } else {
            out.push_back(static_cast<char>(form >> 8));
            out.push_back(static_cast<char>(form & 0xFF));
        }
        utf8.remove_prefix(length);
    }
    return lossy;
}

// Long runs of non-ASCII characters (a comment line of a template, written
// into every class) by their UTF-8 bytes, with their CP932 form: one lookup
// instead of one per character. Bounded, so that a run of unique texts (the
// definitions' own comments) cannot make it grow without end.
struct RunForm {
    std::string bytes;
    bool lossy = false;
};

// Eight bytes at a time: runs are long and few, and a bucket's runs are
// compared whole anyway.
struct RunHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view run) const noexcept
    {
        std::uint64_t hash = run.size();
        std::size_t at = 0;
        for (; at + 8 <= run.size(); at += 8) {
            std::uint64_t word;
            std::memcpy(&word, run.data() + at, 8);
            hash = (hash ^ word) * 0x9E3779B97F4A7C15ULL;
            hash ^= hash >> 29;
        }
        for (; at < run.size(); ++at)
            hash = (hash ^ static_cast<unsigned char>(run[at])) * 0x100000001B3ULL;
        return static_cast<std::size_t>(hash ^ (hash >> 32));
    }
};

constexpr std::size_t kRememberedRunBytes = 16;
constexpr std::size_t kRememberedRunsMax = 4096;

const RunForm& rememberedRun(std::string_view run)
{
    thread_local std::unordered_map<std::string, RunForm, RunHash, std::equal_to<>> runs;
    thread_local RunForm unremembered;
    auto it = runs.find(run);
    if (it != runs.end())
        return it->second;
    RunForm& form = runs.size() < kRememberedRunsMax ? runs[std::string(run)] : unremembered;
    form.bytes.clear();
    form.lossy = encodeNonAscii(run, form.bytes);
    return form;
}

// Writes CP932 in place of UTF-8 at the end of a string. No character takes
// more bytes in CP932 than in UTF-8, so the string is given room of the
// UTF-8 size and cut to what was written at the end; a piece that would ever
// take more makes room for itself.
class InPlaceWriter {
public:
    InPlaceWriter(std::string& out, std::string_view utf8)
        : out_(out),
          in_(reinterpret_cast<const unsigned char*>(utf8.data())),
          end_(in_ + utf8.size()),
          start_(out.size())
    {
        out_.resize(start_ + utf8.size());
        dst_ = out_.data() + start_;
    }

    bool done() const { return in_ == end_; }

    void copyAscii()
    {
        std::size_t ascii =
            asciiRun({reinterpret_cast<const char*>(in_), static_cast<std::size_t>(end_ - in_)});
        std::memcpy(dst_, in_, ascii);
        in_ += ascii;
        dst_ += ascii;
    }

    // The non-ASCII bytes from here up to the next ASCII byte or the end.
    std::string_view nonAsciiRun() const
    {
        const unsigned char* at = in_;
        while (end_ - at >= 8) {
            std::uint64_t word;
            std::memcpy(&word, at, 8);
            if ((word & 0x8080808080808080ULL) != 0x8080808080808080ULL)
                break;
            at += 8;
        }
        while (at < end_ && *at >= 0x80)
            ++at;
        return {reinterpret_cast<const char*>(in_), static_cast<std::size_t>(at - in_)};
    }

    // Writes `bytes` for the next `length` bytes of UTF-8.
    void place(std::size_t length, std::string_view bytes)
    {
        in_ += length;
        std::size_t written = static_cast<std::size_t>(dst_ - out_.data());
        std::size_t need = written + bytes.size() + static_cast<std::size_t>(end_ - in_);
        if (need > out_.size())
            out_.resize(need);
        dst_ = out_.data() + written;
        std::memcpy(dst_, bytes.data(), bytes.size());
        dst_ += bytes.size();
    }

    // Encodes the next `length` bytes (non-ASCII) character by character
    // through the known forms; returns true when one had no form.
    bool encodeRun(std::size_t length)
    {
        const unsigned char* runEnd = in_ + length;
        const std::uint16_t* forms = knownForms();
        bool lossy = false;
        while (in_ < runEnd) {
            char32_t codePoint = 0;
            std::size_t size = bmpAt(in_, runEnd, codePoint);
            std::uint16_t form = size != 0 ? forms[codePoint] : 0;
            if (form != 0 && form != kNoForm) {
                if (form >= 0x100)
                    *dst_++ = static_cast<char>(form >> 8);
                *dst_++ = static_cast<char>(form & 0xFF);
                in_ += size;
                continue;
            }
            // Met for the first time, without a form, or no character of the
            // Basic Multilingual Plane (iconv then takes the rest of the run,
            // as it always has).
            std::string_view rest(reinterpret_cast<const char*>(in_), static_cast<std::size_t>(runEnd - in_));
            std::string piece;
            lossy = encodeNonAscii(size != 0 ? rest.substr(0, size) : rest, piece) || lossy;
            place(size != 0 ? size : rest.size(), piece);
        }
        return lossy;
    }

    void finish() { out_.resize(static_cast<std::size_t>(dst_ - out_.data())); }

private:
    std::string& out_;
    const unsigned char* in_;
    const unsigned char* end_;
    std::size_t start_;
    char* dst_ = nullptr;
};

}  // namespace

bool appendCp932(std::string& out, std::string_view utf8)
{
    // ASCII stands as it is in CP932 and the code page keeps no shift state,
    // so a line that is all ASCII is copied; generated lines are mostly ASCII
    // around a Japanese comment.
    std::size_t ascii = asciiRun(utf8);
    out.append(utf8.data(), ascii);
    if (ascii == utf8.size())
        return false;
    utf8.remove_prefix(ascii);
    InPlaceWriter writer(out, utf8);
    bool lossy = false;
    while (!writer.done()) {
        writer.copyAscii();
        std::string_view run = writer.nonAsciiRun();
        if (run.size() >= kRememberedRunBytes) {
            const RunForm& form = rememberedRun(run);
            writer.place(run.size(), form.bytes);
            lossy = form.lossy || lossy;
        } else if (!run.empty()) {
            lossy = writer.encodeRun(run.size()) || lossy;
        }
    }
    writer.finish();
    return lossy;
}

Cp932Text encodeCp932(std::string_view utf8)
{
    Cp932Text result;
    if (isAsciiOnly(utf8)) {
        result.bytes.assign(utf8);
        return result;
    }
    result.bytes.reserve(utf8.size());
    result.lossy = appendCp932(result.bytes, utf8);
    return result;
}

std::size_t cp932ByteCount(std::string_view utf8)
{
    if (isAsciiOnly(utf8))
        return utf8.size();
    return encodeCp932(utf8).bytes.size();
}

bool fitsCp932(std::string_view utf8)
{
    return isAsciiOnly(utf8) || !encodeCp932(utf8).lossy;
}

std::string decodeToUtf8(std::string_view bytes, const char* charset)
{
    // Opening a converter costs more than converting a line, and callers
    // decode line by line: one per charset and thread is kept.
    thread_local std::map<std::string, std::unique_ptr<Converter>, std::less<>> converters;
    auto it = converters.find(std::string_view(charset));
    if (it == converters.end())
        it = converters.emplace(charset, std::make_unique<Converter>("UTF-8", charset)).first;
    Converter& converter = *it->second;
    std::string out;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (!converter.convert(in, left, out)) {
        ++in;
        --left;
        out += "\xEF\xBF\xBD";
    }
    return out;
}

std::size_t utf8Length(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::string utf8Left(std::string_view utf8, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t i = 0; i < count && pos < utf8.size(); ++i)
        pos += utf8SequenceLength(static_cast<unsigned char>(utf8[pos]));
    return std::string(utf8.substr(0, std::min(pos, utf8.size())));
}

std::string utf8Mid(std::string_view utf8, std::size_t from)
{
    std::string left = utf8Left(utf8, from);
    return std::string(utf8.substr(left.size()));
}

std::string trimBlanks(std::string_view text)
{
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

std::string toLowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && toLowerAscii(a) == toLowerAscii(b);
}

std::string printableText(std::string_view text, bool keepLineBreaks)
{
    auto isControl = [keepLineBreaks](unsigned char c) {
        return (c < 0x20 || c == 0x7f) && !(keepLineBreaks && c == '\n');
    };
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (!isControl(c)) {
            out.push_back(ch);
            continue;
        }
        static const char hex[] = "0123456789ABCDEF";
        out += "\\x";
        out.push_back(hex[c >> 4]);
        out.push_back(hex[c & 0xf]);
    }
    return out;
}

}  // namespace schemist
