// Shared editor rules.
#include "ui/editor_logic.h"

#include "platform/error.h"
#include "platform/text.h"

#include <cmath>
#include <cstdlib>

namespace schemist::ui {

bool isNumericText(const std::string& text)
{
    std::string t = trimBlanks(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    double d = std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size() && std::isfinite(d);
}

bool fitsInteger16(const std::string& numericText)
{
    double d = std::nearbyint(std::strtod(trimBlanks(numericText).c_str(), nullptr));
    return d >= -32768 && d <= 32767;
}

TableEditorLogic::TableEditorLogic(std::string storePath, int columns)
    : storePath_(std::move(storePath)), columns_(columns)
{
    resetToStartRows();
}

void TableEditorLogic::resetToStartRows()
{
    buffer_.assign(2, std::vector<std::string>(static_cast<std::size_t>(columns_)));
}

std::optional<std::string> TableEditorLogic::load()
{
    loading_ = true;
    applyEnabled_ = false;
    resetToStartRows();
    std::optional<std::string> problem;
    try {
        Rows rows = readRows();
        if (!rows.empty())
            buffer_ = std::move(rows);
    } catch (const Error& e) {
        problem = e.what();
    }
    loading_ = false;
    return problem;
}

void TableEditorLogic::editCell(int row, int column, const std::string& text)
{
    std::string& cell = buffer_.at(row).at(column);
    if (cell == text)
        return;
    cell = text;
    if (!loading_)
        applyEnabled_ = true;
}

std::optional<EditorAnswer> TableEditorLogic::saveChecked(bool closeOnNumberProblem)
{
    if (auto problem = checkNumbers())
        return EditorAnswer{problem->message, problem->cell, closeOnNumberProblem};
    if (auto problem = checkLimits())
        return EditorAnswer{problem->message, problem->cell, false};
    try {
        writeRows();
    } catch (const Error& e) {
        return EditorAnswer{std::string(e.what()), std::nullopt, false};
    }
    applyEnabled_ = false;
    return std::nullopt;
}

EditorAnswer TableEditorLogic::apply()
{
    if (auto refused = saveChecked(false))
        return *refused;
    return {std::nullopt, firstCell(), false};
}

EditorAnswer TableEditorLogic::ok()
{
    if (!applyEnabled_)
        return {std::nullopt, std::nullopt, true};
    if (auto refused = saveChecked(true))
        return *refused;
    return {std::nullopt, std::nullopt, true};
}

}  // namespace schemist::ui
