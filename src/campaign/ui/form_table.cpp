#include "campaign/ui/form_table.h"

#include "platform/ui/desktop.h"
#include "platform/ui/widgets.h"

#include <QPainter>

namespace campaign {

QColor Rgb(std::uint32_t rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

namespace {

QWidget* ParentOf(QWidget* window, const char* parent)
{
    if (!parent || !*parent)
        return window;
    QWidget* found = window->findChild<QWidget*>(QString::fromLatin1(parent));
    return found ? found : window;
}

QFont ItemFont(const FormItem& item)
{
    QFont font = GameFont(item.fontPx, (item.style & Bold) != 0);
    font.setItalic((item.style & Italic) != 0);
    return font;
}

} // namespace

void BuildForm(QWidget* window, const FormItem* items, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const FormItem& item = items[i];
        QWidget* parent = ParentOf(window, item.parent);
        const QString caption = QString::fromUtf8(item.caption);
        QWidget* made = nullptr;
        switch (item.kind) {
        case Kind::Image:
        case Kind::StretchImage:
            made = new TImage(parent, item.name, item.geometry, item.kind == Kind::StretchImage);
            break;
        case Kind::Label: {
            auto* label = new TLabel(parent, item.name, item.geometry, caption);
            Qt::Alignment align = Qt::AlignVCenter;
            if (item.style & Centred)
                align |= Qt::AlignHCenter;
            else if (item.style & RightAligned)
                align |= Qt::AlignRight;
            else
                align |= Qt::AlignLeft;
            if (item.style & Wrapped)
                align = (align & ~Qt::AlignVCenter) | Qt::AlignTop;
            label->setAlignment(align);
            label->setWordWrap((item.style & Wrapped) != 0);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Rgb(item.text));
            label->setPalette(palette);
            made = label;
            break;
        }
        case Kind::Panel: {
            auto* panel = new TPanel(parent, item.name, item.geometry,
                                     Rgb(item.face == kNoColour ? kPanelFace : item.face));
            if (item.style & Pressed)
                panel->SetBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered, item.bevelWidth);
            else if (item.style & Framed)
                panel->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::Lowered, item.bevelWidth);
            else
                panel->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, item.bevelWidth);
            if (!caption.isEmpty())
                panel->SetCaption(caption, Rgb(item.text));
            made = panel;
            break;
        }
        case Kind::Frame:
            made = new TBevel(parent, item.name, item.geometry);
            break;
        case Kind::Button:
            made = new TButton(parent, item.name, item.geometry, caption);
            break;
        }
        made->setFont(ItemFont(item));
        if (item.style & Hidden)
            made->hide();
    }
}

TBevel::TBevel(QWidget* parent, const char* name, QRect geometry)
    : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    // A raised edge of two pixels: light above and to the left, dark below and
    // to the right.
    QPainter painter(this);
    const QRect area = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.drawLine(area.topLeft() + QPoint(1, 1), area.topRight() + QPoint(-1, 1));
    painter.drawLine(area.topLeft() + QPoint(1, 1), area.bottomLeft() + QPoint(1, -1));
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.drawLine(area.bottomLeft() + QPoint(1, -1), area.bottomRight() + QPoint(-1, -1));
    painter.drawLine(area.topRight() + QPoint(-1, 1), area.bottomRight() + QPoint(-1, -1));
}

} // namespace campaign
