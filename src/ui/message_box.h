// OK-only message boxes of the windows, replaceable so that tests can read
// what would be shown instead of waiting for a click.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace schemist::ui {

using MessagePresenter = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// An empty presenter restores the real message box.
void setMessagePresenter(MessagePresenter presenter);
void showMessage(QWidget* parent, const QString& title, const QString& text);

QString qt(const std::string& utf8);
std::string utf8(const QString& text);

}  // namespace schemist::ui
