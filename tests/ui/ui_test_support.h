// Helpers of the window tests: a fresh work store with its default data, a
// recorder of the message boxes the windows would show, and real mouse input
// on views, buttons and question boxes.
#pragma once

#include "support/test_support.h"
#include "ui/message_box.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include <ostream>

// Readable failures: texts printed as text, not as code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class QAbstractButton;
class QComboBox;
class QMainWindow;
class QTimer;
class QAbstractItemView;

namespace schemist::test {

// A window's child of the given kind and object name; a failure when absent.
template <typename T>
T* child(QWidget& w, const char* name)
{
    T* found = w.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Every caption a window shows: labels, buttons and group titles.
QStringList texts(QWidget& w);

// A work store with the default conversion tables in a scratch folder.
class FreshStore {
public:
    FreshStore();
    const std::string& path() const { return path_; }
    const ScratchDir& dir() const { return dir_; }

private:
    ScratchDir dir_;
    std::string path_;
};

struct ShownMessage {
    QString title;
    QString text;
};

// Records message boxes instead of showing them, while it exists.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<ShownMessage>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::vector<ShownMessage> shown_;
};

// A left click on the item of a view, where a user would click it.
void clickItem(QAbstractItemView* view, const QModelIndex& index, Qt::KeyboardModifiers modifiers = {});
// The row of a view's model whose display text is `text` (column 0).
QModelIndex itemNamed(QAbstractItemView* view, const QString& text, const QModelIndex& parent = {});
void clickButton(QAbstractButton* button);
// The entry `text` picked from a drop-down list's popup with the mouse.
void pickEntry(QComboBox* combo, const QString& text);

// Answers the next question box with a click on its button `buttonText` and
// keeps the box's text; waits for the box as long as the test runs.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(const QString& buttonText);
    ~QuestionAnswerer();
    bool answered() const { return *answered_; }
    const QString& text() const { return *text_; }

private:
    std::shared_ptr<QString> text_ = std::make_shared<QString>();
    std::shared_ptr<bool> answered_ = std::make_shared<bool>(false);
    QTimer* timer_;
};

// Answers the next file dialog as a user does: the path typed into its file
// name box, then Enter. Keeps the dialog's title.
class FileDialogAnswerer {
public:
    explicit FileDialogAnswerer(const QString& path);
    ~FileDialogAnswerer();
    bool answered() const { return *answered_; }
    const QString& title() const { return *title_; }
    // Every caption, tooltip and column heading the dialog showed.
    const QStringList& shownTexts() const { return *texts_; }

private:
    std::shared_ptr<QString> title_ = std::make_shared<QString>();
    std::shared_ptr<QStringList> texts_ = std::make_shared<QStringList>();
    std::shared_ptr<bool> answered_ = std::make_shared<bool>(false);
    QTimer* timer_;
};

// The menu `menuTitle` opened by a click on the menu bar, then its entry
// `entryText` clicked.
void clickMenuEntry(QMainWindow& window, const QString& menuTitle, const QString& entryText);

}  // namespace schemist::test
