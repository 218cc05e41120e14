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

struct RunSettings {
    std::string WorkStorePath;
    std::int16_t FieldStyle = 0;      // 1 = .fields("x").value, 2 = ![x]
    std::int16_t CheckStyle = 0;      // 1 = inline If, 2 = null-check functions
    std::int16_t ModuleKind = 0;      // 1 = type + module, 2 = module only, 3 = classes
    std::int16_t WithFlag = kFalse;
    std::int16_t CommentPos = 0;
    std::int16_t TabSize = 0;
    std::int16_t MakeVB = kFalse;
    std::int16_t MakeExcel = kFalse;
    std::int16_t HeaderLeft = 0;
    std::int16_t HeaderCenter = 0;
    std::int16_t HeaderRight = 0;
    std::int16_t FooterLeft = 0;
    std::int16_t FooterCenter = 0;
    std::int16_t FooterRight = 0;
    std::int16_t CollectionFlag = kFalse;

    // The values the program starts with; those start-up does not assign
    // keep their zero start values.
    static RunSettings startValues()
    {
        RunSettings s;
        s.WithFlag = kTrue;
        s.ModuleKind = 1;
        s.CheckStyle = 2;
        s.FieldStyle = 2;
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
    bool makeVB() const { return MakeVB == kTrue; }
    bool makeExcel() const { return MakeExcel == kTrue; }
};

}  // namespace schemist
