// Writing the project file and laying one project over another. The text is
// written section by section in a fixed order, so that a saved file reads
// like the documented example and saving twice gives the same bytes.
#include "project/project_file.h"

#include "platform/atomic_file.h"

#include <toml++/toml.h>

#include <filesystem>
#include <sstream>

namespace schemist {

namespace fs = std::filesystem;

namespace {

// Always a double-quoted string, whatever it holds, so that every saved file
// looks alike; Japanese table names stay readable.
std::string quoted(const std::string& text)
{
    std::ostringstream out;
    out << toml::toml_formatter{toml::value<std::string>(text), toml::format_flags::allow_unicode_strings};
    return out.str();
}

// `path` as seen from `folder`; absolute when there is no relative way.
std::string relativeTo(const std::string& path, const fs::path& folder)
{
    fs::path target = fs::absolute(path).lexically_normal();
    fs::path relative = target.lexically_relative(fs::absolute(folder).lexically_normal());
    return relative.empty() ? target.string() : relative.string();
}

class Writer {
public:
    explicit Writer(const fs::path& folder) : folder_(folder) {}

    void section(const char* name)
    {
        if (!text_.empty())
            text_ += "\n";
        text_ += std::string("[") + name + "]\n";
    }
    void entry(const char* key, const std::string& value) { text_ += std::string(key) + " = " + value + "\n"; }
    void text(const char* key, const std::optional<std::string>& value)
    {
        if (value)
            entry(key, quoted(*value));
    }
    void path(const char* key, const std::optional<std::string>& value)
    {
        if (value)
            entry(key, quoted(relativeTo(*value, folder_)));
    }
    void flag(const char* key, const std::optional<bool>& value)
    {
        if (value)
            entry(key, *value ? "true" : "false");
    }
    void names(const char* key, const std::optional<std::vector<std::string>>& value)
    {
        if (!value)
            return;
        std::string list;
        for (const std::string& name : *value)
            list += (list.empty() ? "" : ", ") + quoted(name);
        entry(key, "[" + list + "]");
    }
    void number(const ProjectNumberSetting& setting, std::int16_t value)
    {
        int index = value - setting.range().min;
        if (!setting.choices.empty() && index >= 0 && index < static_cast<int>(setting.choices.size()))
            entry(setting.key, quoted(setting.choices[index]));
        else
            entry(setting.key, std::to_string(value));
    }
    const std::string& result() const { return text_; }

private:
    fs::path folder_;
    std::string text_;
};

template <typename T>
void overrideWith(std::optional<T>& base, const std::optional<T>& over)
{
    if (over)
        base = over;
}

}  // namespace

std::string projectFileText(const Project& project, const std::string& path)
{
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    Writer writer(folder);
    writer.section("source");
    writer.path("database", project.database);
    writer.names("tables", project.tables);
    writer.text("jet3-charset", project.jet3Charset);
    writer.section("output");
    writer.path("folder", project.outputFolder);
    writer.text("name", project.outputName);
    writer.flag("vb", project.makeVB);
    writer.flag("workbook", project.makeWorkbook);
    writer.names("documents", project.documents);
    writer.path("history-from", project.historyFrom);
    writer.text("history-label", project.historyLabel);
    writer.section("settings");
    for (const ProjectNumberSetting& setting : projectNumberSettings()) {
        auto it = project.numbers.find(setting.key);
        if (it != project.numbers.end())
            writer.number(setting, it->second);
    }
    writer.flag("with", project.with);
    writer.flag("collection", project.collection);
    writer.path("work-store", project.workStore);
    return writer.result();
}

void writeProjectFile(const Project& project, const std::string& path)
{
    writeFileAtomically(path, projectFileText(project, path));
}

Project mergeProjects(const Project& base, const Project& over)
{
    Project merged = base;
    overrideWith(merged.database, over.database);
    overrideWith(merged.tables, over.tables);
    overrideWith(merged.outputFolder, over.outputFolder);
    overrideWith(merged.outputName, over.outputName);
    overrideWith(merged.makeVB, over.makeVB);
    overrideWith(merged.makeWorkbook, over.makeWorkbook);
    overrideWith(merged.documents, over.documents);
    overrideWith(merged.historyFrom, over.historyFrom);
    overrideWith(merged.historyLabel, over.historyLabel);
    for (const auto& [key, value] : over.numbers)
        merged.numbers[key] = value;
    overrideWith(merged.with, over.with);
    overrideWith(merged.collection, over.collection);
    overrideWith(merged.jet3Charset, over.jet3Charset);
    overrideWith(merged.workStore, over.workStore);
    return merged;
}

}  // namespace schemist
