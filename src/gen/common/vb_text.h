// Rules for putting database names and comments into Visual Basic source:
// type classes, identifiers made from names, string literals and comments.
#pragma once

#include "convert/identifier_set.h"
#include "platform/report.h"
#include "model/run_settings.h"

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace schemist {

// Type classes, decided on the lower-cased Type as it stands.
enum class TypeClass { Text, LongText, Number, Date, YesNo, Other };
TypeClass classifyType(std::string_view type);

// True when every character of the name may stand in a Visual Basic
// identifier: ASCII letters and digits, "_", and letters of other scripts
// (kana, kanji, full-width letters and digits, Latin letters with accents).
bool isPlainIdentifier(std::string_view name);

// The name with every character that may not stand in an identifier written
// as "_".
std::string identifierFrom(std::string_view name);

// Text for the inside of a string literal: quotation marks doubled.
std::string vbStringContent(std::string_view text);

// A comment from the definitions, made safe for one source line: line breaks
// and other control characters become one blank each.
std::string commentText(std::string_view text);

// Everything a generator needs besides the definitions themselves.
struct GenerationContext {
    const RunSettings& settings;
    const IdentifierSet& ids;
    const TypePrefixes& typePrefixes;
    Warnings& warnings;
    // Tables and fields already warned about, so each gets one warning.
    std::set<std::string> warned;
    // Names written so far, by scope and lower-cased name, with their owner.
    // Only the names of the whole module and those of the table claimed last
    // are held: the generators claim a table's names together, table after
    // table, and a model of many tables would otherwise keep every field's.
    std::map<std::string, std::string> claimed;
    std::string claimedTable = {};  // the scope of the table names in `claimed`

    // The table or field name as an identifier part; warns once when it had
    // to be changed. `field` is empty for a table name.
    std::string identifierPart(std::string_view table, std::string_view field);

    // Warns once when a name or comment holds characters that CP932 cannot
    // hold (they are written as "?").
    void checkEncodable(std::string_view text, std::string_view table, std::string_view field);

    // Warns once per field about a key field whose type leaves the generated
    // key condition without a value part.
    void warnKeyType(std::string_view table, std::string_view field, std::string_view type);

    // Records that `owner` (a table or field of the database) is written as
    // `name` within `scope` (a table, or "" for names of the whole module);
    // warns once when another owner already took the same name there, since
    // Visual Basic names compare without letter case and the source would not
    // compile. A table's names must be claimed together: claiming in another
    // table forgets the names of the one before.
    void claimName(std::string_view scope, std::string_view name, std::string_view owner);

    // The prefix of a VB type name (the type prefix).
    std::string typePrefix(std::string_view type) const { return typePrefixes.prefixFor(type); }

private:
    bool firstTime(const std::string& key) { return warned.insert(key).second; }
};

}  // namespace schemist
