#include "platform/ui/layout.h"

#include "platform/ui/desktop.h"
#include "platform/ui/widgets.h"

#include <QHash>
#include <QLineEdit>

namespace layout {

QColor Rgb(std::uint32_t rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

namespace {

const QColor kShapeGrey(128, 128, 128);

QFont RowFont(const QWidget* window, const Row& row)
{
    QFont font = row.fontPx > 0 ? GameFont(row.fontPx) : window->font();
    font.setBold(row.style & Bold);
    font.setItalic(row.style & Italic);
    return font;
}

Qt::Alignment LabelAlignment(unsigned style)
{
    const Qt::Alignment across = style & Centred        ? Qt::AlignHCenter
                                 : style & RightAligned ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    return across | (style & Top ? Qt::AlignTop : Qt::AlignVCenter);
}

TPanel* MakePanel(QWidget* parent, const Row& row, const QString& caption)
{
    auto* panel = new TPanel(parent, row.name, row.geometry);
    if (row.face != kNoColour)
        panel->SetColour(Rgb(row.face));
    if (row.kind == Kind::Page)
        panel->SetBevels(TPanel::Bevel::None, TPanel::Bevel::None);
    else if (row.style & Pressed)
        panel->SetBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered, row.bevelWidth);
    else if (row.style & Framed)
        panel->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::Lowered, row.bevelWidth);
    else
        panel->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, row.bevelWidth);
    if (!caption.isEmpty())
        panel->SetCaption(caption, Rgb(row.text));
    return panel;
}

QWidget* Make(QWidget* parent, const Row& row)
{
    const QString caption = row.caption ? TrQ(row.caption) : QString();
    const QColor face = row.face == kNoColour ? QColor(Qt::white) : Rgb(row.face);
    switch (row.kind) {
    case Kind::Image:
        return new TImage(parent, row.name, row.geometry, row.style & Stretch);
    case Kind::Label: {
        auto* label = new TLabel(parent, row.name, row.geometry, caption);
        label->setAlignment(LabelAlignment(row.style));
        label->setWordWrap(row.style & Wrapped);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Rgb(row.text));
        label->setPalette(palette);
        return label;
    }
    case Kind::Panel:
    case Kind::Page:
        return MakePanel(parent, row, caption);
    case Kind::Frame:
        return new TBevel(parent, row.name, row.geometry);
    case Kind::Button:
        return new TButton(parent, row.name, row.geometry, caption);
    case Kind::Next:
        return new TNextButton(parent, row.name, row.geometry, caption);
    case Kind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QString::fromLatin1(row.name));
        edit->setGeometry(row.geometry);
        return edit;
    }
    case Kind::RoundRect:
        return new TShape(parent, row.name, row.geometry, TShape::Kind::RoundRect, face);
    case Kind::Outline:
        return new TShape(parent, row.name, row.geometry, TShape::Kind::RoundRect, face, Qt::black, 2, false);
    case Kind::Disc:
        return new TShape(parent, row.name, row.geometry, TShape::Kind::Ellipse, face, kShapeGrey);
    }
    return nullptr;
}

} // namespace

void Build(QWidget* window, std::span<const Row> rows)
{
    QHash<QString, QWidget*> made;
    for (const Row& row : rows) {
        QWidget* parent = window;
        if (row.parent) {
            parent = made.value(QString::fromLatin1(row.parent));
            if (!parent)
                parent = Find<QWidget>(window, row.parent);
        }
        QWidget* widget = Make(parent, row);
        widget->setFont(RowFont(window, row));
        if (row.style & Hidden)
            widget->hide();
        made.insert(QString::fromLatin1(row.name), widget);
    }
}

} // namespace layout
