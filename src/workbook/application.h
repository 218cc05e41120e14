// The application object of the workbook model: the entry point that code
// written in the manner of Excel automation starts from. There is one
// instance per use; it holds the open workbooks and the DisplayAlerts switch.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "workbook/range.h"
#include "workbook/workbook.h"

namespace schemist::excel {

class Workbooks {
public:
    int count() const { return static_cast<int>(books_.size()); }
    // A new workbook with the application's usual three sheets; it becomes
    // the active workbook.
    Workbook& add();
    void remove(Workbook& book);
    Workbook* active() { return books_.empty() ? nullptr : books_.back().get(); }

private:
    std::vector<std::unique_ptr<Workbook>> books_;
};

class Application {
public:
    static constexpr int kSheetsInNewWorkbook = 3;

    Workbooks& workbooks() { return workbooks_; }
    // The active workbook; Error when none is open.
    Workbook& activeWorkbook();
    Worksheet& activeSheet() { return activeWorkbook().activeSheet(); }
    Sheets& sheets() { return activeWorkbook().sheets(); }
    Sheets& worksheets() { return activeWorkbook().worksheets(); }
    Range range(std::string_view address) { return activeSheet().range(address); }
    Range columns(std::string_view address) { return activeSheet().columns(address); }

    bool displayAlerts = true;

    // Closes every workbook without saving.
    void quit();

private:
    Workbooks workbooks_;
};

}  // namespace schemist::excel
