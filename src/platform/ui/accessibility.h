#pragma once
// What a screen reader is told of the game's windows (Qt's accessibility, on
// Linux the AT-SPI bus). Buttons, labels and name boxes speak for themselves;
// a picture, a panel used as a button or the board is described here. A
// picture or shape left undescribed is decoration and is not offered, nor is
// anything hidden, so the reader meets what the player sees, and presses only
// what a hand could press.
#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

// Makes `window` one of the game's windows for the reader, with its own
// notifications (every screen gets this with its window set-up).
void UseGameAccessibility(QWidget* window);

// A picture or panel that means something: its role (a button for one the
// player presses, a graphic for one that is only seen) and its name, in
// Japanese. Called again when the name changes.
void Describe(QWidget* widget, QAccessible::Role role, const QString& name);

// The board: a table of 8 x 8 cells, each named by `cellName(column, row)`
// (columns and rows 1..8), e.g. "d4 白". The cell under the keyboard's cursor
// has the focus while the board has it.
void DescribeAsBoard(QWidget* board, const QString& name, std::function<QString(int column, int row)> cellName,
                     std::function<std::pair<int, int>()> cursor);
// A cell's contents changed; the cursor went to another cell.
void BoardCellChanged(QWidget* board, int column, int row);
void BoardCursorMoved(QWidget* board);

// What the game says that is painted rather than written in a control (a
// move, a pass, a remark, a result, a count): told to the reader by showing
// the next of the notifications of `window`, a game window on the screen, with
// the text as its name; it stays readable while the next few are told.
void Announce(QWidget* window, const QString& text);

// Answers what a screen reader has asked over the bus since the game last
// took events, and runs nothing else: for the game's waits, which take no
// input and run no timer.
void AnswerReaders();
