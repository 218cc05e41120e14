// Reading and writing the project file with toml++; every fault is reported
// with the file, the key and the line it was found on.
#include "project/project_file.h"

#include "platform/atomic_file.h"
#include "platform/error.h"
#include "run/output_name.h"

#include <toml++/toml.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace schemist {

namespace fs = std::filesystem;

const std::vector<ProjectNumberSetting>& projectNumberSettings()
{
    static const std::vector<const char*> headerFooter = {"none", "table-name", "file-name", "page-number"};
    static const std::vector<ProjectNumberSetting> settings = {
        {"module-kind", NumberedSetting::ModuleKind, {"user-type", "module-only", "class"}},
        {"field-style", NumberedSetting::FieldStyle, {"fields-value", "bang"}},
        {"check-style", NumberedSetting::CheckStyle, {"if-then-else", "null-functions"}},
        {"comment-column", NumberedSetting::CommentPos, {}},
        {"tab-size", NumberedSetting::TabSize, {}},
        {"header-left", NumberedSetting::HeaderLeft, headerFooter},
        {"header-center", NumberedSetting::HeaderCenter, headerFooter},
        {"header-right", NumberedSetting::HeaderRight, headerFooter},
        {"footer-left", NumberedSetting::FooterLeft, headerFooter},
        {"footer-center", NumberedSetting::FooterCenter, headerFooter},
        {"footer-right", NumberedSetting::FooterRight, headerFooter},
    };
    return settings;
}

namespace {

// One place builds every content message so that each names file and line.
class Reader {
public:
    explicit Reader(const std::string& path) : path_(path), folder_(fs::path(path).parent_path()) {}

    [[noreturn]] void fail(const std::string& what, const toml::source_region& where, const std::string& detail) const
    {
        std::string text = what + ": " + path_ + " " + std::to_string(where.begin.line) + "行目: " + detail;
        throw ProjectError(text, true);
    }

    [[noreturn]] void unknownKey(const std::string& key, const toml::source_region& where) const
    {
        fail("プロジェクトファイルに不明なキーがあります", where, key);
    }

    [[noreturn]] void wrongType(const std::string& key, const toml::node& node, const std::string& wanted) const
    {
        fail("プロジェクトファイルの値の型が正しくありません", node.source(), key + " (" + wanted + "を指定してください)");
    }

    std::string text(const std::string& key, const toml::node& node) const
    {
        auto value = node.value<std::string>();
        if (!node.is_string())
            wrongType(key, node, "文字列");
        if (value->empty())
            fail("プロジェクトファイルの値が正しくありません", node.source(), key + " (空にはできません)");
        return *value;
    }

    std::string pathValue(const std::string& key, const toml::node& node) const
    {
        fs::path value = text(key, node);
        if (value.is_relative() && !folder_.empty())
            value = folder_ / value;
        return value.lexically_normal().string();
    }

    // The same rule as a typed --name, found here so the line can be named.
    std::string outputName(const std::string& key, const toml::node& node) const
    {
        std::string name = text(key, node);
        if (auto problem = outputNameProblem(name))
            fail("プロジェクトファイルの値が正しくありません", node.source(), key + " (" + *problem + ")");
        return name;
    }

    bool flag(const std::string& key, const toml::node& node) const
    {
        if (!node.is_boolean())
            wrongType(key, node, "true または false");
        return *node.value<bool>();
    }

    std::vector<std::string> names(const std::string& key, const toml::node& node) const
    {
        const toml::array* array = node.as_array();
        if (!array)
            wrongType(key, node, "文字列の配列");
        std::vector<std::string> result;
        // An empty list would silently mean every table; absence says that.
        if (array->empty())
            fail("プロジェクトファイルの値が正しくありません", node.source(),
                 key + " (テーブル名を 1 つ以上指定してください。すべてのテーブルが対象のときは " + key +
                     " を書かないでください)");
        for (const toml::node& element : *array)
            result.push_back(text(key, element));
        return result;
    }

    std::vector<std::string> documentKinds(const std::string& key, const toml::node& node) const
    {
        const toml::array* array = node.as_array();
        if (!array)
            wrongType(key, node, "文字列の配列");
        std::vector<std::string> kinds;
        for (const toml::node& element : *array) {
            std::string kind = text(key, element);
            if (kind != "md" && kind != "xlsx")
                fail("プロジェクトファイルの値が正しくありません", element.source(),
                     key + " = \"" + kind + "\" (\"md\" または \"xlsx\" を指定してください)");
            kinds.push_back(kind);
        }
        return kinds;
    }

    std::int16_t number(const std::string& key, const ProjectNumberSetting& setting, const toml::node& node) const
    {
        std::string range = std::to_string(setting.range().min) + "から" + std::to_string(setting.range().max) + "までの整数";
        if (node.is_string() && !setting.choices.empty()) {
            std::string value = *node.value<std::string>();
            for (std::size_t i = 0; i < setting.choices.size(); ++i)
                if (value == setting.choices[i])
                    return static_cast<std::int16_t>(setting.range().min + static_cast<int>(i));
            fail("プロジェクトファイルの値が正しくありません", node.source(),
                 key + " = \"" + value + "\" (" + choiceList(setting) + " のいずれか、または" + range + "を指定してください)");
        }
        if (!node.is_integer())
            wrongType(key, node, setting.choices.empty() ? "整数" : "選択肢の名前または整数");
        std::int64_t value = *node.value<std::int64_t>();
        if (value < setting.range().min || value > setting.range().max)
            fail("プロジェクトファイルの値が範囲外です", node.source(),
                 key + " = " + std::to_string(value) + " (" + range + "を指定してください)");
        return static_cast<std::int16_t>(value);
    }

    const toml::table& section(const std::string& key, const toml::node& node) const
    {
        if (!node.is_table())
            wrongType(key, node, "セクション ([" + key + "])");
        return *node.as_table();
    }

private:
    static std::string choiceList(const ProjectNumberSetting& setting)
    {
        std::string list;
        for (const char* choice : setting.choices)
            list += (list.empty() ? "\"" : "、\"") + std::string(choice) + "\"";
        return list;
    }

    std::string path_;
    fs::path folder_;
};

void readSource(const Reader& reader, const toml::table& table, Project& project)
{
    for (auto&& [key, node] : table) {
        std::string name(key.str());
        std::string full = "source." + name;
        if (name == "database")
            project.database = reader.pathValue(full, node);
        else if (name == "tables")
            project.tables = reader.names(full, node);
        else if (name == "jet3-charset")
            project.jet3Charset = reader.text(full, node);
        else
            reader.unknownKey(full, key.source());
    }
}

void readOutput(const Reader& reader, const toml::table& table, Project& project)
{
    for (auto&& [key, node] : table) {
        std::string name(key.str());
        std::string full = "output." + name;
        if (name == "folder")
            project.outputFolder = reader.pathValue(full, node);
        else if (name == "name")
            project.outputName = reader.outputName(full, node);
        else if (name == "vb")
            project.makeVB = reader.flag(full, node);
        else if (name == "workbook")
            project.makeWorkbook = reader.flag(full, node);
        else if (name == "documents")
            project.documents = reader.documentKinds(full, node);
        else if (name == "history-from")
            project.historyFrom = reader.pathValue(full, node);
        else if (name == "history-label")
            project.historyLabel = reader.text(full, node);
        else
            reader.unknownKey(full, key.source());
    }
}

const ProjectNumberSetting* numberSetting(const std::string& key)
{
    for (const ProjectNumberSetting& setting : projectNumberSettings())
        if (key == setting.key)
            return &setting;
    return nullptr;
}

void readSettings(const Reader& reader, const toml::table& table, Project& project)
{
    for (auto&& [key, node] : table) {
        std::string name(key.str());
        std::string full = "settings." + name;
        if (const ProjectNumberSetting* setting = numberSetting(name))
            project.numbers[name] = reader.number(full, *setting, node);
        else if (name == "with")
            project.with = reader.flag(full, node);
        else if (name == "collection")
            project.collection = reader.flag(full, node);
        else if (name == "work-store")
            project.workStore = reader.pathValue(full, node);
        else
            reader.unknownKey(full, key.source());
    }
}

}  // namespace

Project parseProjectText(const std::string& text, const std::string& path)
{
    toml::table document;
    try {
        document = toml::parse(std::string_view(text), std::string_view(path));
    } catch (const toml::parse_error& e) {
        throw ProjectError("プロジェクトファイルの書式が正しくありません: " + path + " " +
                               std::to_string(e.source().begin.line) + "行目: " + std::string(e.description()),
                           true);
    }
    Reader reader(path);
    Project project;
    for (auto&& [key, node] : document) {
        std::string name(key.str());
        if (name == "source")
            readSource(reader, reader.section(name, node), project);
        else if (name == "output")
            readOutput(reader, reader.section(name, node), project);
        else if (name == "settings")
            readSettings(reader, reader.section(name, node), project);
        else
            reader.unknownKey(name, key.source());
    }
    return project;
}

Project readProjectFile(const std::string& path)
{
    std::string text;
    try {
        text = readWholeFile(path);
    } catch (const Error& e) {
        throw ProjectError(std::string("プロジェクトファイルを読み込めません: ") + e.what(), false);
    }
    return parseProjectText(text, path);
}

}  // namespace schemist
