#pragma once
// The static layout of every screen, written as one table per screen: a row
// per widget with its kind, name, parent, place, caption, type and look,
// created in row order (later rows lie above earlier ones). The widgets'
// object names are the game's widget names, so screens and tests find them
// by name.
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <span>

namespace layout {

enum class Kind {
    Image,      // a picture (TImage)
    Label,      // a text (TLabel)
    Panel,      // a panel with a raised bevel (TPanel), optionally captioned
    Page,       // a flat panel without bevels: one page of a window
    Frame,      // a raised frame around a group of widgets (TBevel)
    Button,     // a push button (TButton)
    Next,       // a "▼" button of the story (TNextButton)
    Edit,       // a one-line text box
    RoundRect,  // a filled rectangle with rounded corners (TShape)
    Outline,    // an unfilled rounded rectangle with a 2-pixel pen (TShape)
    Disc,       // a filled ellipse with a grey rim (TShape)
};

enum Style : unsigned {
    Plain = 0,
    Bold = 1u << 0,
    Italic = 1u << 1,
    Centred = 1u << 2,       // text centred left to right (else left-aligned)
    RightAligned = 1u << 3,
    Wrapped = 1u << 4,       // text wraps at the label's width
    Top = 1u << 5,           // text from the top (else centred top to bottom)
    Hidden = 1u << 6,
    Stretch = 1u << 7,       // a picture stretched over the image
    Pressed = 1u << 8,       // panel: inner bevel lowered, no outer bevel
    Framed = 1u << 9,        // panel: outer bevel raised, inner lowered (a picture frame)
};

constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;

struct Row {
    Kind kind;
    const char* name;
    const char* parent;  // nullptr: the window itself
    QRect geometry;
    const char* caption = nullptr;
    int fontPx = 0;                  // 0: the window's font
    unsigned style = Plain;
    std::uint32_t text = 0x000000;   // caption colour, 0xRRGGBB
    std::uint32_t face = kNoColour;  // a panel's or shape's face; kNoColour: the kind's own
    int bevelWidth = 1;
};

// Creates the rows' widgets under `window`.
void Build(QWidget* window, std::span<const Row> rows);

// 0xRRGGBB as a colour.
QColor Rgb(std::uint32_t rgb);

// The widget of that name inside `window`; it must exist.
template <typename T = QWidget>
T* Find(const QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT_X(widget, "layout::Find", name);
    return widget;
}

} // namespace layout
