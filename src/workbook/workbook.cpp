// Workbook and its sheet collection.
#include "workbook/workbook.h"

#include <algorithm>

#include "platform/atomic_file.h"
#include "platform/error.h"
#include "workbook/application.h"
#include "workbook/sheet_name.h"
#include "platform/xls/xls_writer.h"
#include "workbook/workbook_file.h"

namespace schemist::excel {

Worksheet& Sheets::item(int index)
{
    if (index < 1 || index > count())
        throw Error("シート番号 " + std::to_string(index) + " はありません");
    return *sheets_[index - 1];
}

Worksheet& Sheets::item(std::string_view name)
{
    for (auto& s : sheets_)
        if (sameSheetName(s->name(), name))
            return *s;
    throw Error("シート「" + std::string(name) + "」はありません");
}

std::string Sheets::nextSheetName()
{
    for (;;) {
        std::string name = "Sheet" + std::to_string(++namesGiven_);
        if (!hasName(name))
            return name;
    }
}

Worksheet& Sheets::append()
{
    sheets_.push_back(std::make_unique<Worksheet>(parent_, nextSheetName()));
    ++nameKeys_[sheetNameKey(sheets_.back()->name())];
    return *sheets_.back();
}

Worksheet& Sheets::add(Worksheet& after)
{
    int at = indexOf(after);
    auto sheet = std::make_unique<Worksheet>(parent_, nextSheetName());
    Worksheet& added = *sheet;
    ++nameKeys_[sheetNameKey(added.name())];
    sheets_.insert(sheets_.begin() + at, std::move(sheet));
    parent_.activate(added);
    parent_.markChanged();
    return added;
}

void Sheets::remove(Worksheet& sheet)
{
    if (count() == 1)
        throw Error("ブックには少なくとも1枚のシートが必要です");
    int at = indexOf(sheet);
    if (&parent_.activeSheet() == &sheet)
        parent_.activate(*sheets_[at < count() ? at : at - 2]);
    --nameKeys_[sheetNameKey(sheet.name())];
    sheets_.erase(sheets_.begin() + (at - 1));
    parent_.markChanged();
}

int Sheets::indexOf(const Worksheet& sheet) const
{
    for (std::size_t i = 0; i < sheets_.size(); ++i)
        if (sheets_[i].get() == &sheet)
            return static_cast<int>(i) + 1;
    throw Error("シート「" + sheet.name() + "」はこのブックにありません");
}

bool Sheets::hasName(std::string_view name, const Worksheet* except) const
{
    std::string key = sheetNameKey(name);
    auto it = nameKeys_.find(key);
    int count = it == nameKeys_.end() ? 0 : it->second;
    if (except && sheetNameKey(except->name()) == key)
        --count;
    return count > 0;
}

void Sheets::renamed(const std::string& oldName, const std::string& newName)
{
    --nameKeys_[sheetNameKey(oldName)];
    ++nameKeys_[sheetNameKey(newName)];
}

std::vector<std::string> Sheets::names() const
{
    std::vector<std::string> out;
    for (const auto& s : sheets_)
        out.push_back(s->name());
    return out;
}

Workbook::Workbook(Workbooks& owner, int sheetsInNewWorkbook) : owner_(owner), sheets_(*this)
{
    for (int i = 0; i < sheetsInNewWorkbook; ++i)
        sheets_.append();
    active_ = &sheets_.item(1);
}

std::string Workbook::fileBytes() const { return xls::buildXlsFile(toXlsBook(*this)); }

std::string Workbook::fileBytesForClosing() { return xls::buildXlsFile(toXlsBookReleasingCells(*this)); }

void Workbook::saveAs(const std::string& filename)
{
    writeFileAtomically(filename, fileBytes());
    path_ = filename;
    saved_ = true;
}

void Workbook::close(bool saveChanges)
{
    if (saveChanges && !saved_ && !path_.empty())
        saveAs(path_);
    owner_.remove(*this);  // destroys this object: nothing may follow
}

}  // namespace schemist::excel
