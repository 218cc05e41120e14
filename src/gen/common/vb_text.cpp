// Identifier, literal and comment rules of generated Visual Basic source.
#include "gen/common/vb_text.h"

#include "platform/text.h"

namespace schemist {
namespace {

// Decodes one UTF-8 code point at `pos`, advancing it; invalid bytes give
// U+FFFD and advance by one.
char32_t nextCodePoint(std::string_view s, std::size_t& pos)
{
    unsigned char c = static_cast<unsigned char>(s[pos]);
    std::size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || pos + len > s.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    for (std::size_t i = 1; i < len; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    pos += len;
    return cp;
}

bool isIdentifierCharacter(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    return (c >= 0x00C0 && c <= 0x024F && c != 0x00D7 && c != 0x00F7)  // Latin letters
        || (c >= 0x0370 && c <= 0x04FF)                                // Greek, Cyrillic
        || c == 0x3005 || c == 0x3006                                  // 々 〆
        || (c >= 0x3041 && c <= 0x30FF && c != 0x30A0 && c != 0x30FB) // kana, ー
        || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A)
        || (c >= 0xFF66 && c <= 0xFF9F);                               // half-width katakana
}

}  // namespace

TypeClass classifyType(std::string_view type)
{
    std::string t = toLowerAscii(type);
    if (t == "string") return TypeClass::Text;
    if (t == "memo") return TypeClass::LongText;
    if (t == "integer" || t == "long" || t == "currency" || t == "double" || t == "single" || t == "byte")
        return TypeClass::Number;
    if (t == "date") return TypeClass::Date;
    if (t == "boolean") return TypeClass::YesNo;
    return TypeClass::Other;
}

// A letter that the generated file cannot hold (it would be written "?")
// cannot stand in an identifier either.
static bool isIdentifierAt(std::string_view name, std::size_t start, std::size_t& pos)
{
    char32_t c = nextCodePoint(name, pos);
    if (!isIdentifierCharacter(c))
        return false;
    return c < 0x80 || fitsCp932(name.substr(start, pos - start));
}

bool isPlainIdentifier(std::string_view name)
{
    std::size_t pos = 0;
    while (pos < name.size())
        if (!isIdentifierAt(name, pos, pos))
            return false;
    return true;
}

std::string identifierFrom(std::string_view name)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < name.size()) {
        std::size_t start = pos;
        if (isIdentifierAt(name, start, pos))
            out.append(name.substr(start, pos - start));
        else
            out.push_back('_');
    }
    return out;
}

std::string vbStringContent(std::string_view text)
{
    std::string out;
    for (char c : text) {
        out.push_back(c);
        if (c == '"')
            out.push_back('"');
    }
    return out;
}

std::string commentText(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return out;
}

std::string GenerationContext::identifierPart(std::string_view table, std::string_view field)
{
    std::string_view name = field.empty() ? table : field;
    if (isPlainIdentifier(name))
        return std::string(name);
    std::string fixed = identifierFrom(name);
    std::string key = "id:" + std::string(table) + "\x1F" + std::string(field);
    if (firstTime(key)) {
        if (field.empty())
            warnings.add("テーブル名 " + printableText(table) + " は識別子に使えない文字を含むため、識別子では " +
                         fixed + " として出力しました");
        else
            warnings.add("テーブル " + printableText(table) + " のフィールド名 " + printableText(field) +
                         " は識別子に使えない文字を含むため、識別子では " + printableText(fixed) + " として出力しました");
    }
    return fixed;
}

void GenerationContext::claimName(std::string_view scope, std::string_view name, std::string_view owner)
{
    if (!scope.empty() && scope != claimedTable) {
        if (!claimedTable.empty())
            claimed.erase(claimed.lower_bound(claimedTable + "\x1F"), claimed.lower_bound(claimedTable + "\x20"));
        claimedTable = scope;
    }
    std::string key = std::string(scope) + "\x1F" + toLowerAscii(name);
    auto [it, fresh] = claimed.emplace(key, std::string(owner));
    if (fresh || it->second == owner || !firstTime("same:" + key))
        return;
    if (scope.empty())
        warnings.add("テーブル " + printableText(it->second) + " と " + printableText(owner) + " は同じ名前 " + printableText(name) +
                     " で出力されるため、生成したソースはコンパイルできません");
    else
        warnings.add("テーブル " + printableText(scope) + " のフィールド " + printableText(it->second) + " と " + printableText(owner) +
                     " は同じ名前 " + printableText(name) + " で出力されるため、生成したソースはコンパイルできません");
}

void GenerationContext::checkEncodable(std::string_view text, std::string_view table, std::string_view field)
{
    if (fitsCp932(text))
        return;
    std::string key = "cp:" + std::string(table) + "\x1F" + std::string(field);
    if (!firstTime(key))
        return;
    if (field.empty())
        warnings.add("テーブル " + printableText(table) + " の名前またはコメントに Shift-JIS で表せない文字があるため、\"?\" として出力しました");
    else
        warnings.add("テーブル " + printableText(table) + " のフィールド " + printableText(field) +
                     " の名前またはコメントに Shift-JIS で表せない文字があるため、\"?\" として出力しました");
}

void GenerationContext::warnKeyType(std::string_view table, std::string_view field, std::string_view type)
{
    std::string key = "key:" + std::string(table) + "\x1F" + std::string(field);
    if (!firstTime(key))
        return;
    warnings.add("テーブル " + printableText(table) + " のキーフィールド " + printableText(field) + " の型 " +
                 printableText(type) + " はキー条件に値を書けないため、生成したルーチンはコンパイルできません");
}

}  // namespace schemist
