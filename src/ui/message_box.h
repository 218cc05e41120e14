// Message boxes of the windows: OK-only boxes, replaceable so that tests can
// read what would be shown instead of waiting for a click, and questions
// with two buttons.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace schemist::ui {

using MessagePresenter = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// An empty presenter restores the real message box.
void setMessagePresenter(MessagePresenter presenter);
void showMessage(QWidget* parent, const QString& title, const QString& text);

// A question box with an accepting and a refusing button (the refusing one
// is the default, so Enter does not do the work by accident); true when the
// accepting button was pressed.
bool askQuestion(QWidget* parent, const QString& title, const QString& text, const QString& accept,
                 const QString& refuse);

QString qt(const std::string& utf8);
std::string utf8(const QString& text);

}  // namespace schemist::ui
