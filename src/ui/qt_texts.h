// Japanese for the texts Qt itself shows in this program's windows: the file
// dialog (its columns, buttons, tooltips and questions), the file types, and
// the context menu of text boxes. Debian's Qt comes without a Japanese
// translation of its own, and the rest of the program speaks Japanese.
#pragma once

namespace schemist::ui {

// Installs the texts once for the application; later calls do nothing.
void installJapaneseQtTexts();

}  // namespace schemist::ui
