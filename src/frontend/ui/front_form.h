#pragma once
#include "platform/ui/widgets.h"

#include <QLineEdit>
#include <QRect>
#include <QRgb>
#include <QValidator>
#include <span>

namespace frontend {

// The front end's windows are laid out from one table each: a row per widget
// with its kind, name, parent, place, caption, type size and look. The widgets'
// object names are the game's widget names, so every screen and test finds
// them by name.

enum class Kind {
    Page,    // a flat, borderless page of the window
    Panel,   // a raised panel
    Image,
    Label,
    Button,
    Next,    // a "▼" button that also answers a character key
    Edit,    // a name box (Shift-JIS bytes, storable characters only)
};

enum Look : unsigned {
    Plain = 0,
    Bold = 1u << 0,
    Italic = 1u << 1,
    Centred = 1u << 2,
    Hidden = 1u << 3,
    Stretch = 1u << 4,
};

struct FormRow {
    Kind kind;
    const char* name;
    const char* parent;  // nullptr: the window itself
    QRect geometry;
    const char* caption = nullptr;
    int fontPx = 0;       // 0: the window's font
    unsigned look = Plain;
    QRgb colour = 0;      // a page's or panel's face, a label's text colour
};

// Creates the widgets of `rows` in order (later rows lie on top of earlier
// ones) under `window`.
void BuildForm(QWidget* window, std::span<const FormRow> rows);

// The widget named `name` of the window (it must exist).
template <typename T>
T* Part(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT_X(widget, "Part", name);
    return widget;
}

// A "▼" button: a click moves on; on a story button (one whose `KeyPress` is
// connected) so does any character key while it has the focus.
class TNextButton : public TButton {
    Q_OBJECT
public:
    using TButton::TButton;
signals:
    void KeyPress();
protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Keeps a name box to names the game can store: at most 10 Shift-JIS bytes
// and no character without a Shift-JIS code.
class TNameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace frontend
