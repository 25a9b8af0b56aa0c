#include "platform/ui/window_frame.h"

#include "platform/ui/x11_display.h"

#include <QAbstractNativeEventFilter>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// The Motif window-manager hints, as the X11 property holds them.
struct MotifHints {
    std::uint32_t flags;
    std::uint32_t functions;
    std::uint32_t decorations;
    std::int32_t inputMode;
    std::uint32_t status;
};

constexpr std::uint32_t kHintsFunctions = 1u << 0;
constexpr std::uint32_t kHintsDecorations = 1u << 1;
constexpr std::uint32_t kFunctionResize = 1u << 1;
constexpr std::uint32_t kFunctionMove = 1u << 2;
constexpr std::uint32_t kDecorBorder = 1u << 1;
constexpr std::uint32_t kDecorResizeHandle = 1u << 2;
constexpr std::uint32_t kDecorTitle = 1u << 3;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Remembers the game's windows and watches what the window manager allows
// them; switches to border-only frames when it keeps its buttons.
class FrameKeeper : public QAbstractNativeEventFilter {
public:
    static FrameKeeper& Instance()
    {
        static FrameKeeper keeper;
        return keeper;
    }

    void Ask(QWidget* window, bool sizeable)
    {
        xcb_connection_t* connection = X11Connection();
        if (!connection)
            return;
        if (!installed_) {
            qGuiApp->installNativeEventFilter(this);
            motifHints_ = Atom(connection, "_MOTIF_WM_HINTS");
            allowedActions_ = Atom(connection, "_NET_WM_ALLOWED_ACTIONS");
            closeAction_ = Atom(connection, "_NET_WM_ACTION_CLOSE");
            minimiseAction_ = Atom(connection, "_NET_WM_ACTION_MINIMIZE");
            installed_ = true;
        }
        const auto id = static_cast<xcb_window_t>(window->winId());
        windows_.insert(id, {QPointer<QWidget>(window), sizeable});
        Apply(connection, id, sizeable);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (borderOnly_ || eventType != "xcb_generic_event_t")
            return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event);
        if (change->atom == allowedActions_ && windows_.contains(change->window) && KeepsButtons(change->window)) {
            // This window manager does not take buttons off a title bar: no
            // title bar, then, on any of our windows.
            borderOnly_ = true;
            xcb_connection_t* connection = X11Connection();
            for (auto it = windows_.cbegin(); it != windows_.cend(); ++it)
                if (it.value().widget)
                    Apply(connection, it.key(), it.value().sizeable);
            xcb_flush(connection);
        }
        return false;
    }

private:
    struct Watched {
        QPointer<QWidget> widget;
        bool sizeable;
    };

    void Apply(xcb_connection_t* connection, xcb_window_t window, bool sizeable) const
    {
        MotifHints hints{};
        hints.flags = kHintsFunctions | kHintsDecorations;
        hints.functions = kFunctionMove | (sizeable ? kFunctionResize : 0);
        // Border only means no handles either: a window manager that sees a
        // handle keeps the whole title bar with it.
        hints.decorations = kDecorBorder | (borderOnly_ ? 0 : kDecorTitle | (sizeable ? kDecorResizeHandle : 0));
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, motifHints_, motifHints_, 32,
                            sizeof(hints) / 4, &hints);
    }

    // True when the window manager still offers to close or minimise a
    // window whose hints ask for neither.
    bool KeepsButtons(xcb_window_t window) const
    {
        xcb_connection_t* connection = X11Connection();
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, allowedActions_, XCB_ATOM_ATOM, 0, 64), nullptr);
        bool keeps = false;
        if (reply && reply->format == 32) {
            const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / 4;
            for (int i = 0; i < count; ++i)
                keeps = keeps || atoms[i] == closeAction_ || atoms[i] == minimiseAction_;
        }
        std::free(reply);
        return keeps;
    }

    bool installed_ = false;
    bool borderOnly_ = false;
    xcb_atom_t motifHints_ = XCB_ATOM_NONE;
    xcb_atom_t allowedActions_ = XCB_ATOM_NONE;
    xcb_atom_t closeAction_ = XCB_ATOM_NONE;
    xcb_atom_t minimiseAction_ = XCB_ATOM_NONE;
    QHash<xcb_window_t, Watched> windows_;
};

constexpr Qt::WindowStates kEnlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Puts a game window back to its own size when a title bar's button (or a
// desktop's shortcut) has maximised it or made it full screen.
class SizeKeeper : public QObject {
public:
    static SizeKeeper& Instance()
    {
        // Kept to the end: it watches windows that live as long as the program.
        static auto* const keeper = new SizeKeeper;
        return *keeper;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->windowState() & kEnlarged)
                QTimer::singleShot(0, window, [window] { window->setWindowState(window->windowState() & ~kEnlarged); });
        }
        return false;
    }
};

} // namespace

void AskForFrameWithoutButtons(QWidget* window, bool sizeable)
{
    window->installEventFilter(&SizeKeeper::Instance());
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    FrameKeeper::Instance().Ask(window, sizeable);
}
