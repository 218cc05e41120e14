// The options dialog's rules (frmOption) without widgets: the state of its
// controls, the load rules with the click handlers they set off, the
// option-group rules and the write-back on "設定".
#pragma once

#include "model/run_settings.h"
#include "ui/document_choice.h"

#include <array>
#include <optional>
#include <string>

namespace schemist::ui {

inline constexpr const char* kOptionCaption = "オプション設定";
inline constexpr const char* kTabSizeRangeMessage = "Tab文字数には 0 から 32767 までの数値を入力してください";
inline constexpr const char* kCommentPosRangeMessage = "コメントの位置には数値のみ入力できます";
inline constexpr int kCommentPosMaxChars = 3;

struct OptionButton {
    bool selected = false;
    bool enabled = true;
};

// Every control of the dialog that the rules touch.
struct OptionControls {
    // cmbHedL, cmbHedM, cmbHedR, cmbBotL, cmbBotM, cmbBotR: picked index.
    std::array<int, 6> choices{};
    OptionButton optStandardOut, optClassOut;
    bool frame5Enabled = true;
    OptionButton optStandard, optForm;
    OptionButton chkCollection;  // selected = ticked
    OptionButton optStyle1, optStyle2;
    OptionButton optField1, optField2;
    bool chkWith = false;
    std::string txtCommentPos;
    std::string txtTabSize;
    // The definition documents group: chkDocXlsx, chkDocMarkdown.
    bool chkDocXlsx = false;
    bool chkDocMarkdown = false;
    // The revision history: the snapshot it compares with, its version label.
    std::string txtHistoryFrom;
    std::string txtHistoryLabel;
};

class OptionDialogLogic {
public:
    // Form load: shows the settings and the chosen documents in the controls.
    void load(const RunSettings& settings, const DocumentChoice& documents = {});

    OptionControls& controls() { return c_; }
    const OptionControls& controls() const { return c_; }

    // A user's click on one button of the module group: it becomes selected,
    // its partner is deselected and its click handler runs.
    void chooseStandardOut();
    void chooseClassOut();

    // "設定": writes the controls back. A number the settings cannot hold is
    // refused with the returned message; nothing is written then, and the
    // box shows its old value again.
    // The chosen documents are written back with the settings; a history
    // without a document (or a label without a history) is refused as a
    // number is.
    std::optional<std::string> confirm(RunSettings& settings, DocumentChoice& documents);
    std::optional<std::string> confirm(RunSettings& settings);

    // Key press of either number box: digits only (Backspace discarded too).
    static bool numberKeyAccepted(char32_t c) { return c >= U'0' && c <= U'9'; }

private:
    void clickClassOut();
    void clickStandardOut();

    OptionControls c_;
    RunSettings shown_;
};

}  // namespace schemist::ui
