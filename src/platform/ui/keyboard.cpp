#include "platform/ui/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

namespace {

const char* const kGameWindow = "zumoru.gameWindow";
const char* const kOwnsArrows = "zumoru.ownsArrows";
const char* const kFocusBeforeDisabled = "zumoru.focusBeforeDisabled";

bool IsGameWindow(const QWidget* window) { return window && window->property(kGameWindow).toBool(); }

// The player has last used the keys (not the mouse), in any game window.
bool keysInUse = false;

// Whether the arrow key is the focused control's own: a name box keeps left
// and right for its caret, the board all four for its cursor.
bool ArrowBelongsTo(const QWidget* focused, int key)
{
    if (!focused)
        return false;
    if (focused->property(kOwnsArrows).toBool())
        return true;
    return qobject_cast<const QLineEdit*>(focused) && (key == Qt::Key_Left || key == Qt::Key_Right);
}

bool TakesFocus(const QWidget* widget, const QWidget* window)
{
    return widget->window() == window && (widget->focusPolicy() & Qt::TabFocus) && ReachableByHand(widget);
}

// The focus moves on from `from` the way Tab (forward) or Shift+Tab moves it.
void MoveFocus(QWidget* window, QWidget* from, bool forward)
{
    QWidget* next = forward ? from->nextInFocusChain() : from->previousInFocusChain();
    for (int guard = 0; next && next != from && guard < 1000; ++guard) {
        if (TakesFocus(next, window)) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    }
}

// The thin frame around the focused control, two pixels outside it so that it
// hides nothing of the control: black dots on white, seen on any background.
// It lies over the control's neighbours and takes no input.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("keyFocusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void Around(QWidget* control)
    {
        if (parentWidget() != control->parentWidget())
            setParent(control->parentWidget());
        setGeometry(control->geometry().adjusted(-2, -2, 2, 2));
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect edge = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(edge);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(edge);
    }
};

// One frame for the whole game, made again should the screen holding it go.
QPointer<FocusFrame> focusFrame;

// A name box shows its focus with its caret, the board with its cursor;
// every other control gets the frame.
void FrameFollows(QWidget* focused)
{
    // A window shown since the last key learns that the keys are in use, so
    // that its buttons show their focus too.
    if (focused && keysInUse)
        focused->window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
    const bool framed = focused && focused->parentWidget() && ShowsKeyboardFocus(focused) &&
                        !focused->property(kOwnsArrows).toBool() && !qobject_cast<QLineEdit*>(focused);
    if (!framed) {
        if (focusFrame)
            focusFrame->hide();
        return;
    }
    if (!focusFrame)
        focusFrame = new FocusFrame(focused->parentWidget());
    focusFrame->Around(focused);
}

// The player plays by keys or by the mouse, whichever window it is: a key
// shows the focus in every game window, a mouse press hides it in all.
void ShowFocusFrames(bool shown)
{
    keysInUse = shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!IsGameWindow(window) || window->testAttribute(Qt::WA_KeyboardFocusChange) == shown)
            continue;
        window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
        window->update();
        for (QWidget* child : window->findChildren<QWidget*>())
            child->update();
    }
    FrameFollows(QApplication::focusWidget());
}

// Watches every key and press of the game's windows: a key shows the focus
// and an arrow moves it, a mouse press hides it again.
class KeyboardWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::MouseButtonPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* window = widget ? widget->window() : nullptr;
        if (!IsGameWindow(window))
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            ShowFocusFrames(false);
            return false;
        }
        ShowFocusFrames(true);
        const bool taken = TakeKey(window, widget, static_cast<QKeyEvent*>(event));
        if (taken)
            event->accept();
        return taken;
    }

private:
    // What the keys do for the game before the control sees them; true when
    // the key has been used here.
    static bool TakeKey(QWidget* window, QWidget* widget, const QKeyEvent* keyEvent)
    {
        // Only the key as the focused control first receives it, not as it
        // passes on to the windows around.
        QWidget* focused = window->focusWidget();
        const int key = keyEvent->key();
        const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
        const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                         !(keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (!focused && (arrow || tab) && widget == window) {
            FocusFirstControl(window);
            return true;
        }
        if (!focused || widget != focused)
            return false;
        // A control that has come to lie under another (the give-up button
        // under the finish panel) keeps no keys: they go to the first control
        // a hand can reach.
        if (focused->isEnabled() && !ReachableByHand(focused)) {
            FocusFirstControl(window);
            return true;
        }
        // Tab goes the way of the arrows, past whatever the mouse cannot reach.
        if (tab) {
            MoveFocus(window, focused, key == Qt::Key_Tab && !(keyEvent->modifiers() & Qt::ShiftModifier));
            return true;
        }
        const bool enterInNameBox =
            (key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QLineEdit*>(focused);
        if (arrow && !ArrowBelongsTo(focused, key)) {
            MoveFocus(window, focused, key == Qt::Key_Right || key == Qt::Key_Down);
            return true;
        }
        // Enter in a name box goes on to the next control, as Tab does.
        if (enterInNameBox) {
            MoveFocus(window, focused, true);
            return true;
        }
        return false;
    }
};

} // namespace

void UseKeyboard(QWidget* window)
{
    static KeyboardWatch* watch = nullptr;
    if (!watch && qApp) {
        watch = new KeyboardWatch;
        watch->setParent(qApp);
        qApp->installEventFilter(watch);
        QObject::connect(qApp, &QApplication::focusChanged, watch, [](QWidget*, QWidget* now) {
            if (now && IsGameWindow(now->window()) && now->isEnabled() && !ReachableByHand(now)) {
                // Given to a control under another (by a reader, say): the
                // focus goes on to one a hand can reach.
                FocusFirstControl(now->window());
                return;
            }
            if (!now || IsGameWindow(now->window()))
                FrameFollows(now);
        });
    }
    window->setProperty(kGameWindow, true);
}

void SetReadingOrder(QWidget* window, std::initializer_list<const char*> names)
{
    for (QWidget* child : window->findChildren<QWidget*>())
        child->setFocusPolicy(Qt::NoFocus);
    QWidget* previous = nullptr;
    for (const char* name : names) {
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(name));
        Q_ASSERT_X(control, "SetReadingOrder", name);
        control->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

bool ReachableByHand(const QWidget* control)
{
    if (!control->isVisible() || !control->isEnabled())
        return false;
    // What the window would hand a press in the control's middle to; widgets
    // that let presses through (the notices over the board, the focus frame)
    // are looked through, as the mouse does.
    const QWidget* window = control->window();
    const QWidget* hit = window->childAt(control->mapTo(window, control->rect().center()));
    return hit == control || (hit && control->isAncestorOf(hit)) || (!hit && control == window);
}

void KeepArrowKeys(QWidget* control) { control->setProperty(kOwnsArrows, true); }

void FocusFirstControl(QWidget* area)
{
    QWidget* window = area->window();
    QWidget* candidate = window;
    for (int guard = 0; guard < 1000; ++guard) {
        candidate = candidate->nextInFocusChain();
        if (candidate == window)
            return;
        if (area->isAncestorOf(candidate) && TakesFocus(candidate, window)) {
            candidate->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool ShowsKeyboardFocus(const QWidget* widget) { return keysInUse && widget->hasFocus(); }

void SetScreenEnabled(QWidget* window, bool enabled)
{
    if (!enabled && window->isEnabled())
        window->setProperty(kFocusBeforeDisabled, QVariant::fromValue(QPointer<QWidget>(window->focusWidget())));
    window->setEnabled(enabled);
    if (!enabled)
        return;
    if (window->focusWidget())
        return;
    const auto before = window->property(kFocusBeforeDisabled).value<QPointer<QWidget>>();
    if (before && TakesFocus(before, window))
        before->setFocus(Qt::OtherFocusReason);
    else
        FocusFirstControl(window);
}
