#include "frontend/ui/front_form.h"

#include "frontend/name_rules.h"
#include "platform/ui/desktop.h"

#include <QHash>
#include <QKeyEvent>
#include <QMetaMethod>

namespace frontend {

namespace {

QFont RowFont(const QWidget* window, const FormRow& row)
{
    QFont font = row.fontPx > 0 ? GameFont(row.fontPx, row.look & Bold) : window->font();
    font.setBold(row.look & Bold);
    font.setItalic(row.look & Italic);
    return font;
}

QWidget* MakeWidget(QWidget* window, QWidget* parent, const FormRow& row)
{
    switch (row.kind) {
    case Kind::Page:
    case Kind::Panel: {
        auto* panel = new TPanel(parent, row.name, row.geometry, QColor::fromRgb(row.colour));
        if (row.kind == Kind::Page)
            panel->SetBevels(TPanel::Bevel::None, TPanel::Bevel::None);
        return panel;
    }
    case Kind::Image:
        return new TImage(parent, row.name, row.geometry, row.look & Stretch);
    case Kind::Label: {
        auto* label = new TLabel(parent, row.name, row.geometry, QString::fromUtf8(row.caption ? row.caption : ""));
        label->setFont(RowFont(window, row));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(row.colour));
        label->setPalette(palette);
        label->setAlignment((row.look & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        return label;
    }
    case Kind::Button:
    case Kind::Next: {
        const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
        TButton* button = row.kind == Kind::Next ? new TNextButton(parent, row.name, row.geometry, caption)
                                                 : new TButton(parent, row.name, row.geometry, caption);
        button->setFont(RowFont(window, row));
        return button;
    }
    case Kind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QString::fromLatin1(row.name));
        edit->setGeometry(row.geometry);
        edit->setFont(RowFont(window, row));
        edit->setValidator(new TNameValidator(edit));
        return edit;
    }
    }
    return nullptr;
}

} // namespace

void BuildForm(QWidget* window, std::span<const FormRow> rows)
{
    QHash<QString, QWidget*> made;
    for (const FormRow& row : rows) {
        QWidget* parent = row.parent ? made.value(QString::fromLatin1(row.parent), window) : window;
        QWidget* widget = MakeWidget(window, parent, row);
        made.insert(QString::fromLatin1(row.name), widget);
        if (row.look & Hidden)
            widget->hide();
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

QValidator::State TNameValidator::validate(QString& input, int&) const
{
    return CheckNameInput(input.toStdString()) == NameInput::Fits ? Acceptable : Invalid;
}

} // namespace frontend
