#include "platform/ui/accessibility.h"

#include "platform/ui/keyboard.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QKeyEvent>
#include <QWidget>
#include <array>
#include <map>
#include <memory>

namespace {

const char* const kDescribed = "zumoru.describedRole";
const char* const kBoardTable = "zumoru.boardTable";
const char* const kAnnouncer = "zumoru.announcer";
const char* const kNextAnnouncer = "zumoru.nextAnnouncer";

// A reader on the bus hears only that a notification was shown and then asks
// for its name, a question that often reaches the game after it has told
// something more (a move, and at once the pass it leaves). Each window
// therefore announces through a ring of notifications, each keeping its text
// until its turn comes round again, so that a reader this many announcements
// behind still reads each one.
constexpr int kAnnouncers = 8;

const char* const kToldName = "zumoru.toldName";

// A picture, shape or frame left undescribed, or a plain widget that only
// draws (the focus frame, the board's cursor): never shown to a reader.
bool Decoration(const QWidget* widget)
{
    if (widget->property(kDescribed).isValid() || widget->property(kBoardTable).toBool() ||
        widget->property(kAnnouncer).toBool())
        return false;
    const QString cls = QString::fromLatin1(widget->metaObject()->className());
    return cls == QLatin1String("TImage") || cls == QLatin1String("TShape") || cls == QLatin1String("TBevel") ||
           cls == QLatin1String("QWidget");
}

// Whether a child is offered to the reader: shown, and not decoration.
bool Offered(const QWidget* child)
{
    return child->isVisibleTo(child->parentWidget()) && !child->isWindow() && !Decoration(child);
}

QList<QWidget*> OfferedChildren(const QWidget* widget)
{
    QList<QWidget*> offered;
    for (QObject* object : widget->children())
        if (auto* child = qobject_cast<QWidget*>(object); child && Offered(child))
            offered.append(child);
    return offered;
}

// A button's caption as read aloud: an "&&" that keeps a name's "&" from
// making a shortcut is one "&".
QString CaptionAsRead(const QWidget* widget)
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button ? button->text().replace(QLatin1String("&&"), QLatin1String("&")) : QString();
}

// A window, a page or a panel of the game, or one of its buttons: its offered
// children only; a described panel (a place tab, a figure to pick) is a button
// too. A button is pressed as the keyboard presses it, and only while a hand
// could press it: covered, hidden or disabled it offers nothing to do.
class GamePart : public QAccessibleWidget {
public:
    GamePart(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? CaptionAsRead(widget()) : text;
    }
    int childCount() const override { return static_cast<int>(OfferedChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> offered = OfferedChildren(widget());
        if (index < 0 || index >= offered.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(offered.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || !child->object())
            return -1;
        return static_cast<int>(OfferedChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::Button)
            state.focusable = widget()->focusPolicy() != Qt::NoFocus && ReachableByHand(widget());
        return state;
    }
    QStringList actionNames() const override
    {
        if (!ReachableByHand(widget()))
            return {};
        if (role() != QAccessible::Button)
            return QAccessibleWidget::actionNames();
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override
    {
        if (!ReachableByHand(widget()))
            return;
        if (action != pressAction() || role() != QAccessible::Button) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // As the keyboard presses it: Enter, which every control of the game
        // takes as a press at once.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press);
    }
};

// One of the window's notifications: a pixel under everything else that
// draws nothing. It is hidden until it has something to say, and each
// announcement shows it anew with its text: a reader speaks a notification
// as it becomes shown (Orca only then, never for a name changed in place).
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window) : QWidget(window)
    {
        setObjectName(QStringLiteral("announcer"));
        setProperty(kAnnouncer, true);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        lower();
        hide();
    }

    void Tell(const QString& text)
    {
        hide();
        setAccessibleName(text);
        show();
    }
};

// A window hides its notifications with itself, so that opening it again
// repeats nothing said before and shows nothing empty.
class AnnouncersHideWithWindow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched == parent())
            for (Announcer* announcer : static_cast<QWidget*>(watched)->findChildren<Announcer*>(
                     QStringLiteral("announcer"), Qt::FindDirectChildrenOnly))
                announcer->hide();
        return false;
    }
};

class BoardTable;

// One square of the board.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardTable* table, int column, int row) : table_(table), column_(column), row_(row) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    BoardTable* table_;
    int column_;
    int row_;
};

struct BoardSource {
    QString name;
    std::function<QString(int, int)> cellName;
    std::function<std::pair<int, int>()> cursor;
};

// The board: a table of 64 cells, row 1 first.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardTable(QWidget* board, const BoardSource* source) : QAccessibleWidget(board, QAccessible::Table), source_(source)
    {
    }
    ~BoardTable() override
    {
        for (auto& id : ids_)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    const BoardSource& Source() const { return *source_; }
    QWidget* Board() const { return widget(); }

    QAccessibleInterface* Cell(int column, int row) const
    {
        auto& id = ids_[static_cast<std::size_t>((row - 1) * 8 + column - 1)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new BoardCell(const_cast<BoardTable*>(this), column, row));
        return QAccessible::accessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? source_->name : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 64; }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < 64 ? Cell(index % 8 + 1, index / 8 + 1) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (ids_[i] && QAccessible::accessibleInterface(ids_[i]) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!widget()->hasFocus())
            return nullptr;
        const auto [column, row] = source_->cursor();
        return Cell(column, row);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < 8 && column >= 0 && column < 8 ? Cell(column + 1, row + 1) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QString(QChar('a' + column)); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 8; }
    int rowCount() const override { return 8; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const BoardSource* source_;
    mutable std::array<QAccessible::Id, 64> ids_{};
};

bool BoardCell::isValid() const { return table_ && table_->isValid(); }
QAccessibleInterface* BoardCell::parent() const { return table_; }
QAccessibleInterface* BoardCell::table() const { return table_; }

QString BoardCell::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? table_->Source().cellName(column_, row_) : QString();
}

QRect BoardCell::rect() const
{
    // The squares lie on a 38-pixel pitch inside a 6-pixel margin.
    const QRect board = table_->rect();
    const int pitch = (table_->Board()->width() - 10) / 8;
    return QRect(board.x() + 6 + (column_ - 1) * pitch, board.y() + 6 + (row_ - 1) * pitch, pitch, pitch);
}

QAccessible::State BoardCell::state() const
{
    QAccessible::State state;
    state.focusable = true;
    const auto [column, row] = table_->Source().cursor();
    state.focused = table_->Board()->hasFocus() && column == column_ && row == row_;
    return state;
}

// Board sources outlive nothing: one per board widget, kept with it.
std::map<const QWidget*, std::unique_ptr<BoardSource>>& Boards()
{
    static std::map<const QWidget*, std::unique_ptr<BoardSource>> boards;
    return boards;
}

QAccessibleInterface* GameFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->property(kBoardTable).toBool()) {
        const auto found = Boards().find(widget);
        return found == Boards().end() ? nullptr : new BoardTable(widget, found->second.get());
    }
    if (widget->property(kAnnouncer).toBool())
        return new QAccessibleWidget(widget, QAccessible::Notification);
    const QVariant described = widget->property(kDescribed);
    if (described.isValid())
        return new GamePart(widget, static_cast<QAccessible::Role>(described.toInt()));
    // The game's own containers: its windows, pages and panels.
    if (className == QLatin1String("TButton") || className == QLatin1String("TNextButton"))
        return new GamePart(widget, QAccessible::Button);
    if (className == QLatin1String("TPanel") || className.startsWith(QLatin1String("Tfrm")))
        return new GamePart(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Pane);
    return nullptr;
}

// Whether the event only says that a text, a picture, a pane or a
// notification was enabled or disabled with its window: such a part is read,
// never used, so that says nothing (the window itself, its buttons and the
// board tell it).
bool OnlyEnabledChangedOfAPartNotUsed(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::StateChanged)
        return false;
    QAccessible::State onlyEnabled;
    onlyEnabled.disabled = true;
    if (static_cast<QAccessibleStateChangeEvent*>(event)->changedStates() != onlyEnabled)
        return false;
    QAccessibleInterface* iface = event->accessibleInterface();
    const QAccessible::Role role = iface ? iface->role() : QAccessible::NoRole;
    return role == QAccessible::StaticText || role == QAccessible::Graphic || role == QAccessible::Pane ||
           role == QAccessible::Notification;
}

// What of the game's changes goes out to a screen reader. A reader asks the
// game about every event it gets, and one that gets more than it can ask
// about falls behind and drops what it was to speak (Orca does, past some
// fifty waiting, and a match disables and enables its screen twice a move):
// so nothing is sent about decoration, which no reader ever meets, nor a
// name "changed" to the same name (the story's blinking "▼", named "次へ"
// throughout), nor a part that is only read being enabled or disabled, nor
// a notification going.
bool WorthTelling(QAccessibleEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(event->object());
    if (!widget || widget->isWindow())
        return true;
    if (Decoration(widget) || OnlyEnabledChangedOfAPartNotUsed(event))
        return false;
    // A notification is heard as it is shown; that the last one goes away
    // to make room says nothing.
    if (widget->property(kAnnouncer).toBool() && event->type() == QAccessible::ObjectHide)
        return false;
    if (event->type() == QAccessible::NameChanged) {
        QAccessibleInterface* iface = event->accessibleInterface();
        const QString name = iface ? iface->text(QAccessible::Name) : QString();
        if (widget->property(kToldName).toString() == name && widget->property(kToldName).isValid())
            return false;
        widget->setProperty(kToldName, name);
    }
    return true;
}

void TellReaders(QAccessibleEvent* event)
{
    if (!WorthTelling(event))
        return;
    if (QPlatformAccessibility* bridge = QGuiApplicationPrivate::platformIntegration()->accessibility())
        bridge->notifyAccessibilityUpdate(event);
}

} // namespace

void UseGameAccessibility(QWidget* window)
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(GameFactory);
        QAccessible::installUpdateHandler(TellReaders);
        installed = true;
    }
    for (int i = 0; i < kAnnouncers; ++i)
        new Announcer(window);
    window->installEventFilter(new AnnouncersHideWithWindow(window));
}

void Describe(QWidget* widget, QAccessible::Role role, const QString& name)
{
    widget->setProperty(kDescribed, static_cast<int>(role));
    widget->setAccessibleName(name);
}

void DescribeAsBoard(QWidget* board, const QString& name, std::function<QString(int, int)> cellName,
                     std::function<std::pair<int, int>()> cursor)
{
    Boards()[board] = std::make_unique<BoardSource>(BoardSource{name, std::move(cellName), std::move(cursor)});
    QObject::connect(board, &QObject::destroyed, [board] { Boards().erase(board); });
    board->setProperty(kBoardTable, true);
}

void BoardCellChanged(QWidget* board, int column, int row)
{
    if (!QAccessible::isActive())
        return;
    auto* table = dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(board));
    if (!table)
        return;
    QAccessibleEvent changed(table->Cell(column, row), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void BoardCursorMoved(QWidget* board)
{
    if (!QAccessible::isActive())
        return;
    auto* table = dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(board));
    if (!table || !board->hasFocus())
        return;
    QAccessibleEvent focus(table->focusChild(), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void Announce(QWidget* window, const QString& text)
{
    const QList<Announcer*> announcers =
        window->findChildren<Announcer*>(QStringLiteral("announcer"), Qt::FindDirectChildrenOnly);
    if (announcers.isEmpty())
        return;
    // A window not on the screen has no reader looking at it.
    if (!window->isVisible())
        return;
    const int next = window->property(kNextAnnouncer).toInt() % static_cast<int>(announcers.size());
    announcers.at(next)->Tell(text);
    window->setProperty(kNextAnnouncer, next + 1);
}

void AnswerReaders()
{
    // The bus delivers a reader's questions to the game's thread as queued
    // calls, and the game queues none of its own.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}
