// frmSplash: the window shown while the program starts; its timer opens the
// main window 1.5 seconds later and closes the splash.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

namespace schemist::ui {

inline constexpr int kSplashMilliseconds = 1500;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // `openMain` shows the main window when the timer fires.
    explicit SplashWindow(std::function<void()> openMain, QWidget* parent = nullptr);

    QTimer* timer() { return &timer1_; }

private:
    void onTimer();

    std::function<void()> openMain_;
    QTimer timer1_;
};

}  // namespace schemist::ui
