// Helpers of the window tests.
#include "ui_test_support.h"

#include "store/default_data.h"

namespace schemist::test {

FreshStore::FreshStore() : path_(dir_.file("SCHM.db")) { RebuildWorkStore(path_, false); }

MessageRecorder::MessageRecorder()
{
    ui::setMessagePresenter([this](QWidget*, const QString& title, const QString& text) {
        shown_.push_back({title, text});
    });
}

MessageRecorder::~MessageRecorder() { ui::setMessagePresenter({}); }

}  // namespace schemist::test
