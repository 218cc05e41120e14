// The manual in a window of the program's own, for systems where no browser
// takes the manual (no xdg-open, no browser installed).
#pragma once

#include <QDialog>

class QTextBrowser;

namespace schemist::ui {

class ManualWindow : public QDialog {
    Q_OBJECT
public:
    explicit ManualWindow(const QString& manualFile, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace schemist::ui
