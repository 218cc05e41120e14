// SourceText: the lines of one generated source file, held as the bytes that
// are written (CP932, CR LF after every line), so that a file exists once in
// memory and needs no encoding or joining before it is compared or written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace schemist {

class SourceText {
public:
    SourceText() = default;
    SourceText(std::initializer_list<std::string_view> lines);
    SourceText(const std::vector<std::string>& lines);

    // Room for about `bytes` of text and `lines` lines, taken once: growing
    // by doubling would hold the old and the new buffer at once, and room
    // that is never written costs no memory the system has to provide.
    void reserve(std::size_t bytes, std::size_t lines);

    // Appends one line given as UTF-8; its CP932 bytes and CR LF are added.
    void appendLine(std::string_view utf8);
    // Appends one line of several UTF-8 pieces, the second starting at the
    // byte column `column` of the line (padded with blanks; one blank when
    // the first piece reaches it already): code and its trailing comment.
    void appendLineWithComment(std::string_view code, std::string_view comment, std::size_t column);
    // The same with code and comment given as CP932 bytes already, after
    // `blanks` leading blanks; an empty comment is left off.
    void appendEncodedLine(std::size_t blanks, std::string_view code, std::string_view comment, std::size_t column);

    // The bytes as written.
    const std::string& bytes() const { return bytes_; }

    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    // One line's CP932 bytes without its CR LF.
    std::string_view lineBytes(std::size_t index) const;
    // The longest line in bytes (CP932, without CR LF); 0 when there is none.
    std::size_t longestLineBytes() const { return longest_; }

    // One line decoded back to UTF-8 (a character that CP932 cannot hold
    // reads as "?"). For checks and tests; generation never reads back.
    std::string operator[](std::size_t index) const;
    std::string back() const { return (*this)[size() - 1]; }
    std::vector<std::string> decodedLines() const;
    operator std::vector<std::string>() const { return decodedLines(); }

    // Iterates the decoded lines.
    class const_iterator {
    public:
        using value_type = std::string;
        using difference_type = std::ptrdiff_t;
        const_iterator(const SourceText* text, std::size_t index) : text_(text), index_(index) {}
        std::string operator*() const { return (*text_)[index_]; }
        const_iterator& operator++() { ++index_; return *this; }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }
        bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

    private:
        const SourceText* text_;
        std::size_t index_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    bool operator==(const std::vector<std::string>& lines) const { return decodedLines() == lines; }

private:
    void endLine(std::size_t start);

    std::string bytes_;
    std::vector<std::uint32_t> starts_;
    std::size_t longest_ = 0;
};

}  // namespace schemist
