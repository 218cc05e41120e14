// The run settings: the values that decide what a run produces and how the
// generated source looks. They live for the life of the process only and are
// handed explicitly to whoever reads them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace schemist {

// Booleans of the settings and of the work store: True = -1, False = 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The header/footer choice list, shared by the six positions.
enum HeaderFooterChoice : std::int16_t {
    kChoiceNone = 0,
    kChoiceTableName = 1,
    kChoiceFileName = 2,
    kChoicePageNumber = 3,
};

inline const std::array<const char*, 4> kHeaderFooterChoiceTexts = {
    "", "テーブル名", "ファイル名", "ページNo"};

// The ranges of the two free number settings: a comment column fits the
// options dialog's three-digit box, a tab size the 16-bit field.
inline constexpr int kCommentPosMax = 999;
inline constexpr int kTabSizeMax = 32767;

// What the generated source is made of. The numbers are those the command
// line, the project file and the options dialog know the choices by.
enum class ModuleKind : std::int16_t {
    TypeAndModule = 1,  // a standard module with a user-defined type per table
    ModuleOnly = 2,     // a standard module whose routines use no type
    ClassModules = 3,   // one class module per table (and collection classes)
};

// How a field of a recordset is referred to.
enum class FieldStyle : std::int16_t {
    FieldsValue = 1,    // rs.fields("x").value
    Bang = 2,           // rs![x]
};

// How a value read from a recordset is guarded against Null.
enum class CheckStyle : std::int16_t {
    InlineIf = 1,       // If IsNull(...) Then ... Else ... End If, written out per field
    NullCheckFunctions = 2,  // calls of the module's own null-check functions
};

struct RunSettings {
    std::string WorkStorePath;
    // Qualified: the members carry the names of their types.
    schemist::FieldStyle FieldStyle = schemist::FieldStyle::Bang;
    schemist::CheckStyle CheckStyle = schemist::CheckStyle::NullCheckFunctions;
    schemist::ModuleKind ModuleKind = schemist::ModuleKind::TypeAndModule;
    std::int16_t WithFlag = kFalse;
    std::int16_t CommentPos = 0;
    std::int16_t TabSize = 0;
    std::int16_t HeaderLeft = 0;
    std::int16_t HeaderCenter = 0;
    std::int16_t HeaderRight = 0;
    std::int16_t FooterLeft = 0;
    std::int16_t FooterCenter = 0;
    std::int16_t FooterRight = 0;
    std::int16_t CollectionFlag = kFalse;

    // The values the program starts with; those start-up does not assign
    // keep their zero start values (the three choices start as above).
    static RunSettings startValues()
    {
        RunSettings s;
        s.WithFlag = kTrue;
        s.TabSize = 4;
        s.HeaderLeft = 0;
        s.HeaderCenter = 1;
        s.HeaderRight = 0;
        s.FooterLeft = 2;
        s.FooterCenter = 3;
        s.FooterRight = 0;
        return s;
    }

    bool with() const { return WithFlag == kTrue; }
    bool collection() const { return CollectionFlag == kTrue; }
    bool classModules() const { return ModuleKind == schemist::ModuleKind::ClassModules; }
};

}  // namespace schemist
