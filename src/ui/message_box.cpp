// Message boxes of the windows.
#include "ui/message_box.h"

#include <QMessageBox>

namespace schemist::ui {
namespace {

MessagePresenter& presenter()
{
    static MessagePresenter p;
    return p;
}

}  // namespace

void setMessagePresenter(MessagePresenter p) { presenter() = std::move(p); }

void showMessage(QWidget* parent, const QString& title, const QString& text)
{
    if (presenter()) {
        presenter()(parent, title, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace schemist::ui
