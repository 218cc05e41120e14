// The default conversion data as the program ships it.
#include "store/default_rows.h"

namespace schemist {
namespace {

DefaultTypeRow typeRow(const char* inside, const char* vb, const char* access,
                       bool insideFlag = false, bool vbFlag = false, bool accessFlag = false)
{
    auto side = [](const char* name, bool flag) {
        TypeSide s;
        if (name != nullptr)
            s.type = name;
        s.lengthFlag = flag;
        return s;
    };
    return {side(inside, insideFlag), side(vb, vbFlag), side(access, accessFlag)};
}

}  // namespace

const std::vector<DefaultTypeRow>& defaultTypeRows()
{
    static const std::vector<DefaultTypeRow> rows = {
        typeRow("Binary", nullptr, "Binary"),
        typeRow("Boolean", "Boolean", "Boolean"),
        typeRow("TinyInt", "Byte", "Byte"),
        typeRow("Currency", "Currency", "Currency"),
        typeRow("Date", "Date", "Date"),
        typeRow("Double", "Double", "Double"),
        typeRow("Guid", nullptr, "Guid"),
        typeRow("Short", "Integer", "Integer"),
        typeRow("Long", "Long", "Long"),
        typeRow("LongBinary", nullptr, "LongBinary"),
        typeRow("Memo", "String", "Memo"),
        typeRow("Single", "Single", "Single"),
        typeRow("Text", "String", "Text", true, true, true),
        typeRow("BigInt", nullptr, "BigInt"),
        typeRow("Char", nullptr, "Char"),
        typeRow("Decimal", nullptr, "Decimal"),
        typeRow("Float", nullptr, "Float"),
        typeRow("Numeric", nullptr, "Numeric"),
        typeRow("Time", "Date", "Time"),
        typeRow("TimeStamp", "Date", "TimeStamp"),
        typeRow("VarBinary", nullptr, "VarBinary"),
        typeRow("Number", nullptr, nullptr, true, true, false),
    };
    return rows;
}

const std::vector<NameRow>& defaultTopNames()
{
    static const std::vector<NameRow> rows = {
        {"Table", "tbl"}, {"Index", "idx"}, {"Relation", "rel"}, {"Field", "fld"},
        {"Binary", "bin"}, {"Boolean", "bol"}, {"TinyInt", "tint"}, {"Currency", "cur"},
        {"Date", "dat"}, {"Double", "dbl"}, {"Guid", "gid"}, {"Short", "srt"},
        {"Long", "lng"}, {"LongBinary", "lbin"}, {"Memo", "mem"}, {"Single", "sgl"},
        {"Text", "txt"}, {"BigInt", "bint"}, {"Char", "chr"}, {"Decimal", "dec"},
        {"Float", "flt"}, {"Numeric", "num"}, {"Time", "tim"}, {"TimeStamp", "tstp"},
        {"VarBinary", "vbin"}, {"宣言", "def"}, {"ユーザー定義型", "typ"}, {"構造体", "str"},
        {"DataBaseObject", "dbo"}, {"RecordSet", "rst"}, {"String", "str"}, {"AnsiString", "str"},
        {"モジュール名", "mdl"}, {"rdoResultset", "rdr"}, {"カウンター", "cnt"}, {"rdoConnection", "rdo"},
        {"Integer", "int"}, {"Byte", "byt"}, {"クラスモジュール", "cls"}, {"コレクション", "con"},
    };
    return rows;
}

const std::vector<NameRow>& defaultEndNames()
{
    static const std::vector<NameRow> rows = {
        {"読み込み", "_Read"}, {"書き込み", "_Write"}, {"追加", "_Append"},
        {"更新", "_Update"}, {"削除", "_Delete"},
    };
    return rows;
}

const std::vector<NameRow>& defaultFullNames()
{
    static const std::vector<NameRow> rows = {
        {"IgnoreNulls", "IgnoreNulls"},
        {"Unique", "Unique"},
        {"PrimaryKey", "PrimaryKey"},
        {"SQL変数", "strSQL"},
        {"LOOP変数", "intLoop"},
        {"文字列のNullをチェックする関数", "fncStringNullCheck"},
        {"数字のNullをチェックする関数", "fncNumericNullCheck"},
        {"クラスモジュール読み込み", "ReadData"},
        {"クラスモジュール書き込み", "WriteData"},
        {"クラスモジュール削除", "DeleteData"},
        {"フラグ変数", "bolFlag"},
    };
    return rows;
}

}  // namespace schemist
