// Message boxes of the windows.
#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>

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

bool askQuestion(QWidget* parent, const QString& title, const QString& text, const QString& accept,
                 const QString& refuse)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(refuse, QMessageBox::RejectRole);
    yes->setObjectName("accept");
    no->setObjectName("refuse");
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace schemist::ui
