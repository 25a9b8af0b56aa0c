#pragma once
// Every wait of a match in one table, in the game's own milliseconds: the
// paces of the match screen's timers and the blocking pauses of the flow and
// of the board. A change of timing is one line here.
#include "board/board.h"

struct MatchWaits {
    int startPace;            // timStart: the start sequence's first steps
    int startSlowPace;        // timStart from the greeting on, for the rest of the run
    int beforeOpeningMove;    // the player moves second: the computer's first move
    int beforeComputerMove;   // the computer's plate lights, then it moves
    int passNotice;           // "パスです!" stays over the board
    int remarkCheck;          // while a remark shows, before the computer moves again
    int finalPosition;        // the finished board stays in view before the count
    int countPace;            // timPieceCount: one disc of each colour
    int beforeResult;         // the count laid out, then the result
    int finishBlink;          // timGameEnd: "対局終了" blinks
    int bubbleFirstTick;      // timMessage: a remark asked for, its bubble opens
    int bubbleLine;           // timMessage: each line of a remark stays up
    int discPlaced;           // the board: a disc placed, before its captures turn
    int discTurned;           // the board: between two discs turning over
};

inline constexpr MatchWaits kMatchWaits{
    .startPace = 170,
    .startSlowPace = 400,
    .beforeOpeningMove = 500,
    .beforeComputerMove = 300,
    .passNotice = 1000,
    .remarkCheck = 10,
    .finalPosition = 1500,
    .countPace = 120,
    .beforeResult = 300,
    .finishBlink = 500,
    .bubbleFirstTick = 100,
    .bubbleLine = 2000,
    .discPlaced = 300,
    .discTurned = 130,
};

// How long the board waits at each of its pauses.
constexpr int BoardPauseMs(BoardPause pause)
{
    return pause == BoardPause::AfterPlacing ? kMatchWaits.discPlaced : kMatchWaits.discTurned;
}
