// A filter on the key presses of a text box: a typed character that the rule
// refuses never reaches the box. Keys that type nothing (Delete, arrows) pass.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

namespace schemist::ui {

using KeyRule = std::function<bool(char32_t)>;

// The character a key press types, as the rules see it: Backspace "\b",
// Enter "\r"; 0 for a key that types nothing.
char32_t typedCharacter(const QKeyEvent& event);

class KeyFilter : public QObject {
    Q_OBJECT
public:
    KeyFilter(KeyRule rule, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyRule rule_;
};

// Selects a text box's whole text whenever it gains the focus.
class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace schemist::ui
