// Key filters of the text boxes.
#include "ui/key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace schemist::ui {

char32_t typedCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace: return U'\b';
    case Qt::Key_Return:
    case Qt::Key_Enter: return U'\r';
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    return text.toUcs4().value(0);
}

KeyFilter::KeyFilter(KeyRule rule, QObject* parent) : QObject(parent), rule_(std::move(rule)) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        char32_t c = typedCharacter(*static_cast<QKeyEvent*>(event));
        if (c != 0 && !rule_(c))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace schemist::ui
