// The manual window.
#include "ui/manual_window.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace schemist::ui {

ManualWindow::ManualWindow(const QString& manualFile, QWidget* parent) : QDialog(parent)
{
    setObjectName("manualWindow");
    setWindowTitle("Schemist for Access マニュアル");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("manualText");
    // Links to other sites go to the system, links inside the manual stay here.
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QFileInfo(manualFile).absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(manualFile));
    layout->addWidget(browser_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton("閉じる", QDialogButtonBox::RejectRole);
    close->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(820, 640);
}

}  // namespace schemist::ui
