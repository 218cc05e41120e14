// Helpers of the window tests.
#include "ui_test_support.h"

#include "store/default_data.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QGroupBox>
#include <QLabel>
#include <QStyleHints>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace schemist::test {

QStringList texts(QWidget& w)
{
    QStringList all;
    for (auto* l : w.findChildren<QLabel*>())
        all << l->text();
    for (auto* b : w.findChildren<QAbstractButton*>())
        all << b->text();
    for (auto* g : w.findChildren<QGroupBox*>())
        all << g->title();
    return all;
}

FreshStore::FreshStore() : path_(dir_.file("SCHM.db")) { RebuildWorkStore(path_, false); }

MessageRecorder::MessageRecorder()
{
    ui::setMessagePresenter([this](QWidget*, const QString& title, const QString& text) {
        shown_.push_back({title, text});
    });
}

MessageRecorder::~MessageRecorder() { ui::setMessagePresenter({}); }

void clickItem(QAbstractItemView* view, const QModelIndex& index, Qt::KeyboardModifiers modifiers)
{
    ASSERT_TRUE(index.isValid());
    view->scrollTo(index);
    const QRect rect = view->visualRect(index);
    ASSERT_TRUE(view->viewport()->rect().intersects(rect)) << index.data().toString().toStdString();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rect.center());
}

QModelIndex itemNamed(QAbstractItemView* view, const QString& text, const QModelIndex& parent)
{
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(parent); ++r) {
        QModelIndex index = model->index(r, 0, parent);
        if (index.data().toString() == text)
            return index;
    }
    return {};
}

void clickButton(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void pickEntry(QComboBox* combo, const QString& text)
{
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    QAbstractItemView* popup = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }, 2000));
    // A release soon after the popup opened counts as the end of the opening click.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    clickItem(popup, itemNamed(popup, text));
    // On a loaded machine the popup can still be taking the opening click's
    // release as its own; a user whose click was swallowed clicks again.
    if (!QTest::qWaitFor([&] { return !popup->isVisible(); }, 2000))
        clickItem(popup, itemNamed(popup, text));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popup->isVisible(); }, 2000));
}

QuestionAnswerer::QuestionAnswerer(const QString& buttonText) : timer_(new QTimer)
{
    timer_->setInterval(20);
    QObject::connect(timer_, &QTimer::timeout, [text = text_, answered = answered_, buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || *answered)
            return;
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == buttonText) {
                *text = box->text();
                *answered = true;
                QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
                return;
            }
        }
    });
    timer_->start();
}

QuestionAnswerer::~QuestionAnswerer() { delete timer_; }

namespace {

QStringList captionsOf(QWidget& dialog)
{
    QStringList all = texts(dialog);
    for (auto* w : dialog.findChildren<QWidget*>())
        if (!w->toolTip().isEmpty())
            all << w->toolTip();
    for (auto* view : dialog.findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        for (int c = 0; model && c < model->columnCount(); ++c)
            all << model->headerData(c, Qt::Horizontal).toString();
    }
    return all;
}

}  // namespace

FileDialogAnswerer::FileDialogAnswerer(const QString& path) : timer_(new QTimer)
{
    timer_->setInterval(20);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer_, &QTimer::timeout, [title = title_, texts = texts_, answered = answered_, path, ticks] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!name || !name->isVisible())
            return;
        if (!*answered) {
            *title = dialog->windowTitle();
            *texts = captionsOf(*dialog);
            *answered = true;
            name->setFocus();
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, path, Qt::NoModifier, 5);  // at a typing pace: the dialog follows each key
            return;
        }
        // A user reads what the dialog made of the typing before pressing Enter.
        if (++*ticks < 10)
            return;
        // The completion list the typing opened is closed first, as a user
        // closes it, so that Enter goes to the dialog.
        QWidget* popup = name->completer() ? name->completer()->popup() : nullptr;
        if (popup && popup->isVisible())
            QTest::keyClick(popup, Qt::Key_Escape);
        else
            QTest::keyClick(name, Qt::Key_Return);
    });
    timer_->start();
}

FileDialogAnswerer::~FileDialogAnswerer() { delete timer_; }

void clickMenuEntry(QMainWindow& window, const QString& menuTitle, const QString& entryText)
{
    QMenuBar* bar = window.menuBar();
    QMenu* menu = nullptr;
    for (QAction* action : bar->actions())
        if (action->menu() && action->text().remove('&').startsWith(QString(menuTitle).remove('&')))
            menu = action->menu();
    ASSERT_NE(menu, nullptr) << menuTitle.toStdString();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
    for (QAction* action : menu->actions())
        if (action->text().remove('&').startsWith(QString(entryText).remove('&'))) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
    ADD_FAILURE() << "no entry " << entryText.toStdString();
}

}  // namespace schemist::test
