// The splash window.
#include "ui/splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace schemist::ui {
namespace {

QLabel* splashLabel(const QString& text, const QString& name, int pointSize, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font("IPAPGothic");
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(std::function<void()> openMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), openMain_(std::move(openMain))
{
    setObjectName("frmSplash");
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 28, 48, 28);
    layout->addWidget(splashLabel("Schemist", "Label1", 30, this));
    layout->addWidget(splashLabel("for", "Label2", 14, this));
    layout->addWidget(splashLabel("Access", "Label3", 24, this));
    setFixedSize(360, 220);

    timer1_.setObjectName("Timer1");
    timer1_.setSingleShot(true);
    timer1_.setInterval(kSplashMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &SplashWindow::onTimer);
    timer1_.start();
}

void SplashWindow::onTimer()
{
    if (openMain_)
        openMain_();
    close();
}

}  // namespace schemist::ui
