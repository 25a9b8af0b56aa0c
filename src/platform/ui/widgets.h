#pragma once
#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QValidator>
#include <QWidget>
#include <functional>
#include <string>

// The widget kinds every screen is built from. Each reacts on the press of any
// mouse button (the game's rule) through its `MouseDown` signal; buttons also
// emit the usual `clicked` when the press is released over them. A picture,
// panel or label in a screen's reading order (keyboard.h) is a control too:
// with the focus, Space and Enter press it as the left mouse button would, in
// its middle.

// An image with its own picture (a canvas that can be drawn into). Pictures are
// kept at the screen's device pixel ratio so they stay sharp on high-DPI screens.
class TImage : public QWidget {
    Q_OBJECT
public:
    TImage(QWidget* parent, const char* name, QRect geometry, bool stretch = false);

    // Copies the picture (the data is shared until one of them is drawn on);
    // the image keeps its own size and stretch.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    // The picture to draw into; call update() afterwards.
    QPixmap& Canvas() { return picture_; }
    // Replaces the top-left size x size square with the left-right mirror of the
    // same square of `source`.
    void MirrorSquareFrom(const QPixmap& source, int size = 89);

signals:
    void MouseDown(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_;
};

// The text of every label of the game is shown as it is written, never as
// markup: a name typed "<b>A&B</b>" reads so. Deliberately no Q_OBJECT of its
// own: the caption is set while the label is still a QLabel to Qt, and what a
// screen reader is offered for it then (Qt keeps one view per class) gives way
// to the game's own once the label is complete.
class PlainLabel : public QLabel {
protected:
    PlainLabel(const QString& caption, QWidget* parent) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setText(caption);
    }
};

// A label; `MouseDown` on any button press.
class TLabel : public PlainLabel {
    Q_OBJECT
public:
    TLabel(QWidget* parent, const char* name, QRect geometry, const QString& caption = {});
signals:
    void MouseDown(Qt::MouseButton button);
protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A panel with a coloured face and raised/lowered bevels, optionally captioned;
// the place tabs use it as a button.
class TPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };
    TPanel(QWidget* parent, const char* name, QRect geometry, QColor colour = QColor(212, 208, 200));

    void SetColour(QColor colour) { colour_ = colour; update(); }
    QColor Colour() const { return colour_; }
    void SetCaption(const QString& caption, QColor textColour = Qt::black);
    QString Caption() const { return caption_; }
    QColor CaptionColour() const { return textColour_; }
    void SetBevels(Bevel outer, Bevel inner, int width = 1);
    Bevel OuterBevel() const { return outer_; }
    Bevel InnerBevel() const { return inner_; }

signals:
    void MouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor colour_;
    QColor textColour_ = Qt::black;
    QString caption_;
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int bevelWidth_ = 1;
};

// A push button (optionally with a picture); `MouseDown` comes before `clicked`.
// With the keyboard focus, Space and Enter press it as a click does.
class TButton : public QPushButton {
    Q_OBJECT
public:
    TButton(QWidget* parent, const char* name, QRect geometry, const QString& caption);
signals:
    void MouseDown(Qt::MouseButton button);
protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A plain shape: a rectangle, a rounded rectangle or an ellipse with a pen and an
// optional fill.
class TShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundRect, Ellipse };
    TShape(QWidget* parent, const char* name, QRect geometry, Kind kind, QColor brush,
           QColor pen = Qt::black, int penWidth = 1, bool filled = true);
    void SetBrush(QColor brush) { brush_ = brush; update(); }
    QColor Brush() const { return brush_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor brush_;
    QColor pen_;
    int penWidth_;
    bool filled_;
};

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

// A raised frame drawn around a group of widgets; it takes no input.
class TBevel : public QWidget {
    Q_OBJECT
public:
    TBevel(QWidget* parent, const char* name, QRect geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Keeps a name box to names the game can store: the rule (on UTF-8 text)
// says whether the text fits.
class TNameValidator : public QValidator {
    Q_OBJECT
public:
    TNameValidator(QObject* parent, std::function<bool(const std::string&)> fits)
        : QValidator(parent), fits_(std::move(fits))
    {
    }
    State validate(QString& input, int& position) const override;

private:
    std::function<bool(const std::string&)> fits_;
};
