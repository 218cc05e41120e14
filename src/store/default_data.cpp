// Default conversion data and the making of the work store.
#include "store/default_data.h"

#include "platform/error.h"
#include "platform/paths.h"
#include "store/table_builder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace schemist {
namespace {

using namespace dao;

std::vector<FieldDefinition> typeTableFields()
{
    return {
        {dbText, "Inside_Type", 255, "内部用型宣言", true, false, true},
        {dbBoolean, "Inside_Length_Flag", 255, "内部用長さ使用可否フラグ"},
        {dbInteger, "Inside_LengthInteger", 255, "内部用長さ(整数部)"},
        {dbInteger, "Inside_LengthDecimal", 255, "内部用長さ(小数部)"},
        {dbText, "VB_Type", 255, "VB用型宣言", false, false, false, true},
        {dbBoolean, "VB_Length_Flag", 255, "VB用長さ使用可否フラグ"},
        {dbInteger, "VB_LengthInteger", 255, "VB用長さ(整数部)"},
        {dbInteger, "VB_LengthDecimal", 255, "VB用長さ(小数部)"},
        {dbText, "Access_Type", 255, "Access用型宣言", false, false, false, true},
        {dbBoolean, "Access_Length_Flag", 255, "Access用長さ使用可否フラグ"},
        {dbInteger, "Access_LengthInteger", 255, "Access用長さ(整数部)"},
        {dbInteger, "Access_LengthDecimal", 255, "Access用長さ(小数部)"},
    };
}

std::vector<FieldDefinition> nameTableFields()
{
    return {
        {dbText, "ConvertType", 255, "変換元タイプ", true, false, true},
        {dbText, "ConvertName", 255, "変換先名称", false, false, false, true},
    };
}

void writeTypeSide(Recordset& rs, const char* side, const TypeSide& s)
{
    std::string prefix = std::string(side) + "_";
    if (s.type && !s.type->empty())
        rs.setField(prefix + "Type", Value(*s.type));
    rs.setField(prefix + "Length_Flag", Value(s.lengthFlag));
    rs.setField(prefix + "LengthInteger", Value(s.lengthInteger));
    rs.setField(prefix + "LengthDecimal", Value(s.lengthDecimal));
}

void insertNameRows(const std::string& storePath, const std::string& table, const std::vector<NameRow>& rows)
{
    Database db = Database::open(storePath, OpenMode::Shared);
    Transaction tx(db);
    Recordset rs = db.openForAppend(table);
    for (const NameRow& row : rows) {
        rs.addNew();
        rs.setField("ConvertType", Value(row.convertType));
        rs.setField("ConvertName", Value(row.convertName));
        rs.update();
    }
    tx.commit();
}

}  // namespace

void CreateDefaultTypeTable(const std::string& storePath, bool newFile)
{
    BuildTable(storePath, kDefaultTypeTable, "DB製作プログラムデフォルト宣言設定テーブル", newFile, typeTableFields());
    InsertDefaultTypeRows(storePath, kDefaultTypeTable);
}

void CreateDefaultNameTables(const std::string& storePath, bool newFile)
{
    const auto fields = nameTableFields();
    BuildTable(storePath, kDefaultTopNameTable, "DB製作プログラムデフォルト名称設定テーブル(TOP)", newFile, fields);
    InsertDefaultTopNames(storePath, kDefaultTopNameTable);
    BuildTable(storePath, kDefaultEndNameTable, "DB製作プログラムデフォルト名称設定テーブル(END)", newFile, fields);
    InsertDefaultEndNames(storePath, kDefaultEndNameTable);
    BuildTable(storePath, kDefaultFullNameTable, "DB製作プログラムデフォルト名称設定テーブル(FULL)", newFile, fields);
    InsertDefaultFullNames(storePath, kDefaultFullNameTable);
}

void InsertDefaultTypeRows(const std::string& storePath, const std::string& table)
{
    Database db = Database::open(storePath, OpenMode::Shared);
    Transaction tx(db);
    Recordset rs = db.openForAppend(table);
    for (const DefaultTypeRow& row : defaultTypeRows()) {
        rs.addNew();
        writeTypeSide(rs, "Inside", row.inside);
        writeTypeSide(rs, "VB", row.vb);
        writeTypeSide(rs, "Access", row.access);
        rs.update();
    }
    tx.commit();
}

void InsertDefaultTopNames(const std::string& p, const std::string& t) { insertNameRows(p, t, defaultTopNames()); }
void InsertDefaultEndNames(const std::string& p, const std::string& t) { insertNameRows(p, t, defaultEndNames()); }
void InsertDefaultFullNames(const std::string& p, const std::string& t) { insertNameRows(p, t, defaultFullNames()); }

namespace {

// Refuses to replace a store that another process has open: it would go on
// writing to the replaced file and lose its work silently.
void ensureNotInUse(const std::string& storePath)
{
    if (!fileExists(storePath))
        return;
    try {
        Database db = Database::open(storePath, OpenMode::Exclusive);
    } catch (const Error& e) {
        if (std::string(e.what()).find("使用中") != std::string::npos)
            throw;
        // A damaged or foreign file is exactly what a rebuild is for.
    }
}

void renameOrFail(const std::string& from, const std::string& to)
{
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw Error("作業用データベースを置き換えられません: " + to + ": " + std::strerror(errno));
}

// Makes room for a new backup: .bak.1 becomes .bak.2 (the oldest one goes),
// .bak becomes .bak.1. The store itself is not touched, so a failure here
// leaves it in place; it only stops the rebuild.
void rotateBackups(const std::string& storePath)
{
    const std::string newest = storePath + ".bak";
    const std::string middle = storePath + ".bak.1";
    const std::string oldest = storePath + ".bak.2";
    auto shift = [](const std::string& from, const std::string& to) {
        if (std::rename(from.c_str(), to.c_str()) != 0)
            throw Error("作業用データベースの以前のバックアップを " + to + " に移せません: " + from + ": " +
                        std::strerror(errno) + " (作業用データベースは変わっていません)");
    };
    if (fileExists(middle))
        shift(middle, oldest);
    if (fileExists(newest))
        shift(newest, middle);
}

}  // namespace

void RebuildWorkStore(const std::string& storePath, bool keepBackup)
{
    std::string folder = folderOf(storePath);
    if (!directoryExists(folder))
        throw Error("作業用データベースのフォルダがありません: " + folder);
    if (::access(folder.c_str(), W_OK) != 0)
        throw Error("作業用データベースのフォルダに書き込めません: " + folder);
    ensureNotInUse(storePath);

    std::string fresh = storePath + ".new";
    std::remove(fresh.c_str());
    std::remove((fresh + "-journal").c_str());
    try {
        CreateDefaultTypeTable(fresh, true);
        CreateDefaultNameTables(fresh, false);
    } catch (...) {
        std::remove(fresh.c_str());
        std::remove((fresh + "-journal").c_str());
        throw;
    }
    bool backedUp = keepBackup && fileExists(storePath);
    try {
        if (backedUp)
            rotateBackups(storePath);
    } catch (const Error&) {
        std::remove(fresh.c_str());
        throw;
    }
    if (backedUp)
        renameOrFail(storePath, storePath + ".bak");
    try {
        renameOrFail(fresh, storePath);
    } catch (const Error&) {
        // The user's store goes back to its place; the new one is not kept.
        if (backedUp)
            std::rename((storePath + ".bak").c_str(), storePath.c_str());
        std::remove(fresh.c_str());
        throw;
    }
}

void ValidateWorkStore(const std::string& storePath)
{
    Database db = Database::open(storePath, OpenMode::Shared);
    for (const char* table : {kDefaultTypeTable, kDefaultTopNameTable, kDefaultEndNameTable, kDefaultFullNameTable})
        if (!db.hasTable(table))
            throw Error("作業用データベースに変換テーブル " + std::string(table) + " がありません: " + storePath +
                        "（「初期データ作成」または schemist-cli --init で作り直してください）");
}

}  // namespace schemist
