// The name table editors' window.
#include "ui/name_editor.h"

#include "ui/message_box.h"

namespace schemist::ui {
namespace {

std::vector<EditorColumn> nameColumns()
{
    return {
        {kNameKeyHeading, 200, false, {}},
        {kNameValueHeading, 240, false, &NameEditorLogic::nameKeyAccepted},
    };
}

}  // namespace

NameEditor::NameEditor(const std::string& storePath, NameTableKind kind, QWidget* parent)
    : TableEditorDialog(logic_, nameEditorInfo(kind).objectName, qt(nameEditorInfo(kind).caption), nameColumns(),
                        parent),
      logic_(storePath, kind)
{
    loadTable();
}

NameEditor::~NameEditor() { releaseBuffer(); }

}  // namespace schemist::ui
