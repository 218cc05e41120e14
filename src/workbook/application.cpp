// Application and its workbook collection.
#include "workbook/application.h"

#include "platform/error.h"

namespace schemist::excel {

Workbook& Workbooks::add()
{
    books_.push_back(std::make_unique<Workbook>(*this, Application::kSheetsInNewWorkbook));
    return *books_.back();
}

void Workbooks::remove(Workbook& book)
{
    std::erase_if(books_, [&](const auto& b) { return b.get() == &book; });
}

Workbook& Application::activeWorkbook()
{
    Workbook* book = workbooks_.active();
    if (!book)
        throw Error("開いているブックがありません");
    return *book;
}

void Application::quit()
{
    while (Workbook* book = workbooks_.active())
        workbooks_.remove(*book);
}

}  // namespace schemist::excel
