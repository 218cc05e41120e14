// Escaping for Markdown (GitHub and GitLab flavours).
#include "doc/markdown_text.h"

#include <cctype>
#include <cstring>

namespace schemist::doc {

std::string cellText(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "<br>";
        } else if (c == '\n') {
            out += "<br>";
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += ' ';
        } else {
            if (std::strchr("\\`*_[]|#~!", c))
                out += '\\';
            out += c;
        }
    }
    return out;
}

std::string linkTarget(const std::string& fileName)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char c : fileName) {
        auto u = static_cast<unsigned char>(c);
        if ((u < 0x80 && std::isalnum(u)) || (c != '\0' && std::strchr("-._~", c))) {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xF];
        }
    }
    return out;
}

}  // namespace schemist::doc
