#include "platform/ui/widgets.h"

#include "platform/ui/desktop.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Space or Enter, pressed once (not the repeats of a held key).
bool IsPressKey(const QKeyEvent* event)
{
    const int key = event->key();
    return !event->isAutoRepeat() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

// A press key taken by a picture, panel or label that has the focus.
bool TakePressKey(QKeyEvent* event)
{
    if (!IsPressKey(event))
        return false;
    event->accept();
    return true;
}

} // namespace

TImage::TImage(QWidget* parent, const char* name, QRect geometry, bool stretch)
    : QWidget(parent), stretch_(stretch)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
}

void TImage::SetPicture(const QPixmap& picture)
{
    // Shared until either side draws on it (a painter on a shared pixmap
    // takes a copy of its own first): the many images that show the same
    // picture hold it once.
    picture_ = picture;
    update();
}

void TImage::MirrorSquareFrom(const QPixmap& source, int size)
{
    if (source.isNull())
        return;
    const qreal ratio = source.devicePixelRatio();
    const int physical = static_cast<int>(size * ratio);
    const QImage square = source.toImage().copy(0, 0, physical, physical).mirrored(true, false);
    if (picture_.isNull())
        picture_ = source.copy();
    QPainter painter(&picture_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QPixmap mirrored = QPixmap::fromImage(square);
    mirrored.setDevicePixelRatio(ratio);
    painter.drawPixmap(0, 0, mirrored);
    painter.end();
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
    }
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button(), event->position().toPoint());
}

void TImage::keyPressEvent(QKeyEvent* event)
{
    if (TakePressKey(event))
        emit MouseDown(Qt::LeftButton, rect().center());
    else
        QWidget::keyPressEvent(event);
}

TLabel::TLabel(QWidget* parent, const char* name, QRect geometry, const QString& caption)
    : PlainLabel(caption, parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button());
}

void TLabel::keyPressEvent(QKeyEvent* event)
{
    if (TakePressKey(event))
        emit MouseDown(Qt::LeftButton);
    else
        QLabel::keyPressEvent(event);
}

TPanel::TPanel(QWidget* parent, const char* name, QRect geometry, QColor colour)
    : QWidget(parent), colour_(colour)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
}

void TPanel::SetCaption(const QString& caption, QColor textColour)
{
    caption_ = caption;
    textColour_ = textColour;
    update();
}

void TPanel::SetBevels(Bevel outer, Bevel inner, int width)
{
    outer_ = outer;
    inner_ = inner;
    bevelWidth_ = width;
    update();
}

namespace {

void DrawBevel(QPainter& painter, QRect area, TPanel::Bevel bevel, int width)
{
    if (bevel == TPanel::Bevel::None)
        return;
    const QColor light = bevel == TPanel::Bevel::Raised ? QColor(255, 255, 255) : QColor(128, 128, 128);
    const QColor dark = bevel == TPanel::Bevel::Raised ? QColor(128, 128, 128) : QColor(255, 255, 255);
    for (int i = 0; i < width; ++i) {
        const QRect r = area.adjusted(i, i, -i - 1, -i - 1);
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
}

} // namespace

void TPanel::paintEvent(QPaintEvent*)
{
    // Both bevels are as wide as the bevel width, the inner one inside the outer.
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    DrawBevel(painter, rect(), outer_, bevelWidth_);
    const int inset = outer_ == Bevel::None ? 0 : bevelWidth_;
    DrawBevel(painter, rect().adjusted(inset, inset, -inset, -inset), inner_, bevelWidth_);
    if (!caption_.isEmpty()) {
        painter.setPen(textColour_);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }
}

void TPanel::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button());
}

void TPanel::keyPressEvent(QKeyEvent* event)
{
    if (TakePressKey(event))
        emit MouseDown(Qt::LeftButton);
    else
        QWidget::keyPressEvent(event);
}

TButton::TButton(QWidget* parent, const char* name, QRect geometry, const QString& caption)
    : QPushButton(caption, parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
}

void TButton::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button());
    QPushButton::mousePressEvent(event);
}

void TButton::keyPressEvent(QKeyEvent* event)
{
    // A key press sounds as a press of the mouse does.
    if (IsPressKey(event))
        emit MouseDown(Qt::LeftButton);
    // Qt presses a button on Enter only in dialogs; the game's windows are not.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TShape::TShape(QWidget* parent, const char* name, QRect geometry, Kind kind, QColor brush, QColor pen,
               int penWidth, bool filled)
    : QWidget(parent), kind_(kind), brush_(brush), pen_(pen), penWidth_(penWidth), filled_(filled)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    painter.setPen(QPen(pen_, penWidth_));
    painter.setBrush(filled_ ? QBrush(brush_) : Qt::NoBrush);
    const qreal inset = penWidth_ / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (kind_) {
    case Kind::Rectangle: painter.drawRect(area); break;
    case Kind::RoundRect: painter.drawRoundedRect(area, 10, 10); break;
    case Kind::Ellipse: painter.drawEllipse(area); break;
    }
}

void TNextButton::keyPressEvent(QKeyEvent* event)
{
    // On a story button any key that types a character counts, a held key
    // moving on only once; the other "▼" buttons answer keys as every button.
    if (event->text().isEmpty() || !isSignalConnected(QMetaMethod::fromSignal(&TNextButton::KeyPress))) {
        TButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        emit KeyPress();
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

QValidator::State TNameValidator::validate(QString& input, int&) const
{
    return fits_(input.toStdString()) ? Acceptable : Invalid;
}
