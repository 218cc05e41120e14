// A workbook of the model and its sheet collection. Saving writes the
// workbook as an Excel 97-2003 (.xls, BIFF8) file.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "workbook/worksheet.h"

namespace schemist::excel {

class Workbooks;

class Sheets {
public:
    explicit Sheets(Workbook& parent) : parent_(parent) {}

    int count() const { return static_cast<int>(sheets_.size()); }
    // By 1-based index, or by name without regard to case; Error when absent.
    Worksheet& item(int index);
    Worksheet& item(std::string_view name);
    // A new sheet named "SheetN" after `after`; it becomes the active sheet.
    Worksheet& add(Worksheet& after);
    // Appends a sheet, for a new workbook.
    Worksheet& append();
    void remove(Worksheet& sheet);
    int indexOf(const Worksheet& sheet) const;

    std::vector<std::string> names() const;
    // Whether a sheet other than `except` has the name (without regard to case).
    bool hasName(std::string_view name, const Worksheet* except = nullptr) const;
    // Keeps the name index current when a sheet is renamed.
    void renamed(const std::string& oldName, const std::string& newName);
    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (const auto& s : sheets_)
            visit(static_cast<const Worksheet&>(*s));
    }
    template <typename Visit>
    void forEach(Visit visit)
    {
        for (const auto& s : sheets_)
            visit(*s);
    }

private:
    std::string nextSheetName();

    Workbook& parent_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    std::unordered_map<std::string, int> nameKeys_;  // sheetNameKey -> sheets with it
    int namesGiven_ = 0;
};

class Workbook {
public:
    explicit Workbook(Workbooks& owner, int sheetsInNewWorkbook);
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    Sheets& sheets() { return sheets_; }
    Sheets& worksheets() { return sheets_; }
    const Sheets& sheets() const { return sheets_; }
    Worksheet& activeSheet() { return *active_; }
    const Worksheet& activeSheet() const { return *active_; }
    void activate(Worksheet& sheet) { active_ = &sheet; }
    CellStyles& cellStyles() { return cellStyles_; }

    // The bytes SaveAs writes: the .xls file of the workbook as it stands.
    std::string fileBytes() const;
    // The same bytes, each sheet's cells let go as soon as they are
    // converted: for a workbook that is closed right after, without keeping
    // its cells and their saved form whole at once.
    std::string fileBytesForClosing();
    // Writes the .xls file atomically; Error naming the path on failure.
    void saveAs(const std::string& filename);
    bool saved() const { return saved_; }
    void markChanged() { saved_ = false; }
    // Closes the workbook (removing it from the application's workbooks);
    // with saveChanges it is saved first under its last name, if it has one.
    // The object is gone afterwards.
    void close(bool saveChanges);

private:
    Workbooks& owner_;
    CellStyles cellStyles_;  // before the sheets, which keep a pointer to it
    Sheets sheets_;
    Worksheet* active_ = nullptr;
    std::string path_;
    bool saved_ = true;
};

}  // namespace schemist::excel
