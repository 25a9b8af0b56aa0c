#pragma once
// The static layout of the campaign's two windows, written as tables: one row
// per widget, created in row order (later rows lie above earlier ones), each
// placed inside the widget named as its parent.
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace campaign {

enum class Kind { Image, StretchImage, Label, Panel, Frame, Button };

enum Style : unsigned {
    Plain = 0,
    Bold = 1u << 0,
    Italic = 1u << 1,
    Centred = 1u << 2,
    RightAligned = 1u << 3,
    Wrapped = 1u << 4,
    Hidden = 1u << 5,
    Pressed = 1u << 6,   // panel: inner bevel lowered, no outer bevel
    Framed = 1u << 7,    // panel: outer bevel raised, inner lowered (a picture frame)
};

constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;
constexpr std::uint32_t kPanelFace = 0xD4D0C8;

struct FormItem {
    Kind kind;
    const char* name;
    const char* parent;  // "" for the window itself
    QRect geometry;
    const char* caption = "";
    int fontPx = 12;
    unsigned style = Plain;
    std::uint32_t face = kNoColour;  // panels: the face; labels: none
    std::uint32_t text = 0x000000;   // caption colour
    int bevelWidth = 1;
};

// Creates the rows on `window` and returns nothing; look the widgets up by name.
void BuildForm(QWidget* window, const FormItem* items, std::size_t count);

template <std::size_t N>
void BuildForm(QWidget* window, const FormItem (&items)[N])
{
    BuildForm(window, items, N);
}

QColor Rgb(std::uint32_t rgb);

// A raised frame drawn around a group of widgets; it takes no input.
class TBevel : public QWidget {
    Q_OBJECT
public:
    TBevel(QWidget* parent, const char* name, QRect geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace campaign
