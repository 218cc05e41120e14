// The rules shared by the conversion-table editors, without widgets: the
// edit buffer, the loading flag, the changed state shown by "適用", the
// buttons' effects and the Enter navigation.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace schemist::ui {

struct CellRef {
    int row = 0;
    int column = 0;
    bool operator==(const CellRef&) const = default;
};

// What a button asks of its window.
struct EditorAnswer {
    std::optional<std::string> message;  // shown in a box titled with the caption
    std::optional<CellRef> focus;        // the cell that gets the focus
    bool close = false;
};

// A reason to refuse a save, with the cell to put right.
struct CellProblem {
    CellRef cell;
    std::string message;
};

class TableEditorLogic {
public:
    TableEditorLogic(std::string storePath, int columns);
    virtual ~TableEditorLogic() = default;

    // Reads the table into the buffer. An error leaves the two empty start
    // rows and is returned as the message to show.
    std::optional<std::string> load();

    int rowCount() const { return static_cast<int>(buffer_.size()); }
    int columnCount() const { return columns_; }
    const std::string& cell(int row, int column) const { return buffer_.at(row).at(column); }
    virtual bool isEditable(int column) const { return true; }

    // A change of a cell. While the program itself fills cells (loading) it
    // does not count as an edit; an unchanged text is no edit either.
    void editCell(int row, int column, const std::string& text);
    bool loading() const { return loading_; }
    void setLoading(bool on) { loading_ = on; }

    // The changed state: "適用" is enabled by an edit and only by an edit.
    bool applyEnabled() const { return applyEnabled_; }

    EditorAnswer apply();  // "適用"
    EditorAnswer ok();     // "OK"
    EditorAnswer cancel() const { return {std::nullopt, std::nullopt, true}; }

    // Where Enter moves the focus from a cell; nullopt means the OK button.
    virtual std::optional<CellRef> nextAfterEnter(CellRef from) const = 0;

protected:
    using Rows = std::vector<std::vector<std::string>>;
    Rows& buffer() { return buffer_; }
    const Rows& buffer() const { return buffer_; }
    const std::string& storePath() const { return storePath_; }

    virtual Rows readRows() const = 0;
    virtual void writeRows() const = 0;
    // The check whose failure still closes the window on "OK".
    virtual std::optional<CellProblem> checkNumbers() const { return std::nullopt; }
    // Values the table cannot hold; refused before any save.
    virtual std::optional<CellProblem> checkLimits() const = 0;
    virtual CellRef firstCell() const = 0;

private:
    // Save after both checks; the answer says what went wrong.
    std::optional<EditorAnswer> saveChecked(bool closeOnNumberProblem);
    void resetToStartRows();

    std::string storePath_;
    int columns_;
    Rows buffer_;
    bool loading_ = false;
    bool applyEnabled_ = false;
};

// The limits of the store's fields.
inline constexpr int kMaxTextChars = 255;
inline constexpr const char* kTextTooLongMessage = "255文字以内で入力してください";
bool fitsInteger16(const std::string& numericText);
// A text that converts to a number (blanks around it allowed); "" does not.
bool isNumericText(const std::string& text);

}  // namespace schemist::ui
