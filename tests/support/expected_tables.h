#pragma once
// The game's tables as it is meant to have them, written out once more by hand
// so that the tests compare the program's data and screens with them: the
// roster, the strengths, the layout of every screen.
#include "brains/strength_table.h"

#include <string>

namespace expected {

struct RosterRow {
    const char* portrait;  // the selection screen's image
    const char* name;
    const char* strength;
    const char* messageFile;
    int soundSet;
    const char* media[3];  // portrait, winning face, losing face
};

inline const RosterRow kRoster[12] = {
    {"imgChar1_1", "ズモル蝸牛", "強さ ★", "/data/ms00.dat", 1, {"imgChar00", "imgChar00w", "imgChar00l"}},
    {"imgChar1_2", "ズモル玉ねぎ", "強さ ★", "/data/ms01.dat", 3, {"imgChar01", "imgChar01w", "imgChar01l"}},
    {"imgChar1_3", "ズモル羊", "強さ ★★", "/data/ms02.dat", 2, {"imgChar02", "imgChar02w", "imgChar02l"}},
    {"imgChar1_4", "ズモル蝶", "強さ ★★", "/data/ms03.dat", 4, {"imgChar03", "imgChar03w", "imgChar03l"}},
    {"imgChar2_1", "ズモル三兄弟", "強さ ★", "/data/ms10.dat", 5, {"imgChar10", "imgChar10w", "imgChar10l"}},
    {"imgChar2_2", "ズモルキノコ", "強さ ★★", "/data/ms11.dat", 7, {"imgChar11", "imgChar11w", "imgChar11l"}},
    {"imgChar2_3", "ズモルハロイン", "強さ ★★", "/data/ms12.dat", 6, {"imgChar12", "imgChar12w", "imgChar12l"}},
    {"imgChar2_4", "ズモル富士", "強さ ★★★", "/data/ms13.dat", 8, {"imgChar13", "imgChar13w", "imgChar13l"}},
    {"imgChar3_1", "ズモル棺桶", "強さ ★★★", "/data/ms20.dat", 9, {"imgChar20", "imgChar20w", "imgChar20l"}},
    {"imgChar3_2", "ズモルステルス", "強さ ★★★", "/data/ms21.dat", 10, {"imgChar21", "imgChar21w", "imgChar21l"}},
    {"imgChar3_3", "メタルズモル", "強さ ★★★★", "/data/ms22.dat", 11, {"imgChar22", "imgChar22w", "imgChar22l"}},
    {"imgChar3_4", "ズモル電子", "強さ ★★★★★", "/data/ms23.dat", 12, {"imgChar23", "imgChar23w", "imgChar23l"}},
};

// "R" is the corner-or-random game; otherwise depth/late depth/endgame empties.
inline const char* const kStageStrength[12][3] = {
    {"R", "R", "3/3/5"},     {"R", "1/1/3", "3/3/5"}, {"R", "1/3/5", "3/3/7"},     {"R", "1/3/5", "3/5/7"},
    {"R", "1/3/3", "5/5/5"}, {"R", "3/3/3", "5/5/9"}, {"R", "3/3/3", "5/5/7"},     {"R", "5/5/7", "5/7/9"},
    {"1/1/3", "3/3/5", "5/5/7"}, {"1/1/3", "3/5/5", "5/7/9"}, {"1/3/5", "5/5/7", "7/7/11"},
    {"3/3/5", "5/7/9", "7/7/13"},
};

inline const char* const kChickStrength[5][3] = {
    {"R", "1/3/5", "5/7/9"},
    {"R", "3/3/5", "5/7/11"},
    {"1/1/3", "3/5/7", "7/7/11"},
    {"1/3/5", "5/5/7", "7/9/11"},
    {"3/3/5", "5/7/13", "7/11/15"},
};

inline const char* const kChickCaption[5] = {"強さ ★", "強さ ★★", "強さ ★★★", "強さ ★★★★", "強さ ★★★★★"};

// The strength parameters a table entry stands for.
inline StrengthParams Strength(const std::string& entry)
{
    if (entry == "R")
        return StrengthParams{3, 3, 5, true};
    StrengthParams out;
    out.RandomPlay = false;
    const auto first = entry.find('/');
    const auto second = entry.find('/', first + 1);
    out.SearchDepth = std::stoi(entry.substr(0, first));
    out.LateSearchDepth = std::stoi(entry.substr(first + 1, second - first - 1));
    out.EndgameEmpties = std::stoi(entry.substr(second + 1));
    return out;
}

// Each screen's widgets where the game's design puts them: place, size, and a
// look of words ("40px bold italic centred red face=#008080", any of them),
// and the caption; what the design leaves open is not given.
inline constexpr int A = -1;  // not given by the design

struct LayoutRow {
    const char* window;
    const char* name;
    int x, y, width, height;
    const char* look;     // "40px bold italic centred red face=#008080", any of them
    const char* caption;  // nullptr: not given
};

// clang-format off
inline const LayoutRow kLayout[] = {
    // The title window: logo, title, menu and the two slot pages.
    {"frmStart", "pnlLogo", 0, 0, 265, 185, "face=#000000", nullptr},
    {"frmStart", "imgLogo", 105, 53, A, A, "", nullptr},
    {"frmStart", "lblLogo", 88, 110, A, A, "20px bold white", nullptr},
    {"frmStart", "lblYear", 200, 161, A, A, "13px white", nullptr},
    {"frmStart", "Panel1", 0, 0, 265, 185, "", nullptr},
    {"frmStart", "img1", 0, 0, 265, 185, "", nullptr},
    {"frmStart", "Panel7", 19, 8, 225, 129, "face=#FF9966", nullptr},
    {"frmStart", "imgTitle1", 13, 12, 46, 43, "", nullptr},
    {"frmStart", "imgTitle2", 52, 12, 45, 45, "", nullptr},
    {"frmStart", "imgTitle3", 93, 12, 43, 42, "", nullptr},
    {"frmStart", "imgTitle4", 129, 16, 44, 38, "", nullptr},
    {"frmStart", "imgTitle5", 169, 14, 45, 42, "", nullptr},
    {"frmStart", "imgTitle6", 12, 59, 201, 11, "", nullptr},
    {"frmStart", "imgTitle7", 23, 72, 186, 47, "", nullptr},
    {"frmStart", "bitStart", 83, 150, 102, 25, "", ""},
    {"frmStart", "Panel4", 0, 0, 265, 185, "", nullptr},
    {"frmStart", "Label11", A, A, A, A, "19px bold white centred", "どこから始めますか？"},
    {"frmStart", "BitBtn1", 64, 62, 137, 33, "17px bold", "はじめから"},
    {"frmStart", "BitBtn2", 64, 114, 137, 33, "17px bold", "つづきから"},
    {"frmStart", "Panel2", 0, 0, 265, 185, "", nullptr},
    {"frmStart", "Label1", A, 24, A, A, "19px bold white centred", "どのつづきから始めますか？"},
    {"frmStart", "Label2", 32, A, A, A, "19px bold white", "1"},
    {"frmStart", "Label3", 32, A, A, A, "19px bold white", "2"},
    {"frmStart", "Label4", 32, A, A, A, "19px bold white", "3"},
    {"frmStart", "btnLoad1", 56, 64, 169, 25, "13px italic grey", "no-file"},
    {"frmStart", "btnLoad2", 56, 88, 169, 25, "13px italic grey", "no-file"},
    {"frmStart", "btnLoad3", 56, 112, 169, 25, "13px italic grey", "no-file"},
    {"frmStart", "Button4", 88, 149, 89, 25, "", "もどる"},
    {"frmStart", "Panel3", 0, 0, 265, 185, "", nullptr},
    {"frmStart", "Label5", 16, 16, A, A, "19px bold white centred", "データの保存場所を"},
    {"frmStart", "Label9", 120, 35, A, A, "19px bold white centred", "選んでください"},
    {"frmStart", "Label6", 32, A, A, A, "19px bold white", "1"},
    {"frmStart", "Label7", 32, A, A, A, "19px bold white", "2"},
    {"frmStart", "Label8", 32, A, A, A, "19px bold white", "3"},
    {"frmStart", "btnSave1", 56, 64, 169, 25, "13px italic grey", "no-file"},
    {"frmStart", "btnSave2", 56, 88, 169, 25, "13px italic grey", "no-file"},
    {"frmStart", "btnSave3", 56, 112, 169, 25, "13px italic grey", "no-file"},
    {"frmStart", "Button8", 88, 152, 89, 25, "", "もどる"},
    {"frmStart", "btnF", A, A, 169, 25, "19px regular", nullptr},

    // The opening window: name and figure, level, the egg story, hatching, clear.
    {"frmOpening", "Panel1", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "img1", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "Label1", 9, 5, A, A, "19px bold black", "あなたのお名前は？"},
    {"frmOpening", "Edit1", 40, 32, 121, 32, "24px", ""},
    {"frmOpening", "Panel6", 40, 72, 81, 105, "", nullptr},
    {"frmOpening", "Image5", A, A, 90, 90, "", nullptr},
    {"frmOpening", "Panel7", 136, 72, 81, 105, "", nullptr},
    {"frmOpening", "Image6", A, A, 90, 90, "", nullptr},
    {"frmOpening", "Panel2", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "Image1", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "Label2", 18, 13, A, A, "19px bold black", "ゲームレベルは？"},
    {"frmOpening", "Button2", 79, 48, 108, 34, "17px bold", "やさしい"},
    {"frmOpening", "Button3", 79, 94, 108, 34, "17px bold", "普通"},
    {"frmOpening", "Button5", 79, 140, 108, 34, "17px bold", "難しい"},
    {"frmOpening", "Panel3", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "Image2", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "lblMes1", 15, 9, 242, 19, "19px bold black", ""},
    {"frmOpening", "lblMes2", 15, 28, 242, 19, "19px bold black", ""},
    {"frmOpening", "imgHelo", 114, 72, 90, 90, "", nullptr},
    {"frmOpening", "imgEgg", 80, 120, 33, 41, "", nullptr},
    {"frmOpening", "Button6", 224, 147, 37, 30, "", nullptr},
    {"frmOpening", "Button7", 224, 147, 37, 30, "", nullptr},
    {"frmOpening", "Button8", 224, 147, 37, 30, "", nullptr},
    {"frmOpening", "Button9", 224, 147, 37, 30, "", nullptr},
    {"frmOpening", "Panel4", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "Image4", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "lblCMes1", 16, 9, 241, 19, "19px bold black", ""},
    {"frmOpening", "lblCMes2", 15, 36, 242, 19, "19px bold black", ""},
    {"frmOpening", "imgEggAnime", 104, 96, 58, 73, "", nullptr},
    {"frmOpening", "imgKara", 48, 96, 170, 77, "", nullptr},
    {"frmOpening", "imgHina", 88, 72, 90, 90, "", nullptr},
    {"frmOpening", "Button10", 224, 144, 37, 30, "", nullptr},
    {"frmOpening", "Button11", 224, 144, 37, 30, "", nullptr},
    {"frmOpening", "Button12", 224, 144, 37, 30, "", nullptr},
    {"frmOpening", "Edit2", 16, 35, 137, 32, "24px", ""},
    {"frmOpening", "Panel5", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "Image3", 0, 0, 271, 185, "", nullptr},
    {"frmOpening", "Label3", 32, 10, 217, 27, "27px bold italic blue", "Congratulations!"},
    {"frmOpening", "imgEndHelo", 130, 45, 90, 90, "", nullptr},
    {"frmOpening", "imgEndEgg", 53, 53, 90, 90, "", nullptr},
    {"frmOpening", "Button1", 80, 144, 121, 33, "16px bold italic", "Game Clear！"},

    // The selection screen: places, opponents, the player's panel, the bonus stage.
    {"frmCharSelect", "Label7", A, A, A, A, "", "対戦場所"},
    {"frmCharSelect", "pnlPlace1", 16, 56, 73, 57, "face=#B6CFB1", "迷いの森"},
    {"frmCharSelect", "pnlPlace2", 16, 120, 73, 57, "face=#BFBFFF", "魔の山"},
    {"frmCharSelect", "pnlPlace3", 16, 184, 73, 57, "face=#CDB4B8", "電脳立国"},
    {"frmCharSelect", "pnlPlace4", 16, 256, 73, 57, "face=#000000 white", "コロシアム"},
    {"frmCharSelect", "Panel10", A, A, A, A, "bold white face=#008080", "対戦相手を選んでください"},
    {"frmCharSelect", "Panel1", 96, 56, 249, 257, "face=#B6CFB1", nullptr},
    {"frmCharSelect", "Panel2", 96, 56, 249, 257, "face=#BFBFFF", nullptr},
    {"frmCharSelect", "Panel3", 96, 56, 249, 257, "face=#CDB4B8", nullptr},
    {"frmCharSelect", "Panel4", 96, 56, 249, 257, "face=#000000", nullptr},
    {"frmCharSelect", "Label5", A, A, A, A, "", "ゲームレベル"},
    {"frmCharSelect", "lblDificulty", A, A, A, A, "", "～ やさしい ～"},
    {"frmCharSelect", "pnlEgg", 368, 64, 121, 89, "", nullptr},
    {"frmCharSelect", "lblMes1", A, A, A, A, "", "敵を倒して"},
    {"frmCharSelect", "lblMes2", A, A, A, A, "", "栄養を増やそう"},
    {"frmCharSelect", "Label2", A, A, A, A, "", "栄養"},
    {"frmCharSelect", "lblScore", A, A, A, A, "", "0"},
    {"frmCharSelect", "pnlClear", 368, 64, 121, 89, "", nullptr},
    {"frmCharSelect", "Label8", A, A, A, A, "", "Game Clear"},
    {"frmCharSelect", "Label9", A, A, A, A, "", "Congratulations!"},
    {"frmCharSelect", "imgPlayer", 402, 158, 90, 90, "", nullptr},
    {"frmCharSelect", "imgEgg", 380, 208, 33, 41, "", nullptr},
    {"frmCharSelect", "Button1", A, A, A, A, "", "ゲームを終わる"},
    {"frmCharSelect", "Label1", A, A, A, A, "bold yellow", "～おまけステージ～"},
    {"frmCharSelect", "Label3", A, A, A, A, "white",
     "　ゲームクリアーおめでとうございます。このおまけステージでは、あなたが育てた卵のヒナと対戦することが出来ます。"},
    {"frmCharSelect", "Label4", A, A, A, A, "white", "　強さは、ヒナがかえったときの栄養によって変化します。"},
    {"frmCharSelect", "lblEggName", A, A, A, A, "", nullptr},
    {"frmCharSelect", "Panel6", 80, 151, 96, 96, "face=#E0E0E0", nullptr},
    {"frmCharSelect", "imgCharEgg", A, A, 90, 90, "", nullptr},

    // The turn dialog.
    {"frmTurnSelect", "imgBack", -64, 0, 337, 201, "", nullptr},
    {"frmTurnSelect", "Label1", 16, 8, 233, A, "24px centred", "手番を選んでください"},
    {"frmTurnSelect", "grpChar", 8, 48, 105, 20, "bold left", nullptr},
    {"frmTurnSelect", "Label2", 8, 72, 105, 17, "bold centred black", nullptr},
    {"frmTurnSelect", "imgChar", 15, 95, 90, 90, "", nullptr},
    {"frmTurnSelect", "BitBtn1", 128, 40, 129, 49, "24px bold italic", "先手"},
    {"frmTurnSelect", "BitBtn2", 128, 88, 129, 49, "24px bold italic", "後手"},
    {"frmTurnSelect", "Button3", 136, 160, 113, 33, "italic", "キャンセル"},

    // The match screen.
    {"frmBattle", "Image1", 304, 176, A, A, "", nullptr},
    {"frmBattle", "Image2", 288, 0, A, A, "", nullptr},
    {"frmBattle", "Image3", 0, 0, A, A, "", nullptr},
    {"frmBattle", "Image4", 0, 176, A, A, "", nullptr},
    {"frmBattle", "pnlBoard", 136, 8, 330, 330, "face=#008080", nullptr},
    {"frmBattle", "imgBoard", 5, 5, 317, 317, "", nullptr},
    {"frmBattle", "lblWinner", 7, 80, 313, 137, "40px bold red centred", nullptr},
    {"frmBattle", "lblScore", 8, 232, 313, 33, "33px red centred", nullptr},
    {"frmBattle", "Shape6", 8, 32, 121, 41, "", nullptr},
    {"frmBattle", "Label1", 32, 39, A, A, "", "先手"},
    {"frmBattle", "Shape3", 88, 36, A, A, "", nullptr},
    {"frmBattle", "lblChar1", 0, 89, 137, 24, "centred", nullptr},
    {"frmBattle", "imgChar1", 24, 120, 90, 90, "", nullptr},
    {"frmBattle", "Shape7", 475, 224, 121, 41, "", nullptr},
    {"frmBattle", "Label2", 525, 231, A, A, "", "後手"},
    {"frmBattle", "Shape4", 485, 228, A, A, "", nullptr},
    {"frmBattle", "lblChar2", 466, 185, 137, 24, "centred", nullptr},
    {"frmBattle", "imgChar2", 488, 88, 90, 90, "", nullptr},
    {"frmBattle", "shpMessage", A, A, 121, 65, "", nullptr},
    {"frmBattle", "lblMessage", A, A, 109, 49, "16px bold", nullptr},
    {"frmBattle", "btmGiveUp", 496, 292, 81, 33, "", "投了"},
    {"frmBattle", "pnlFinish", 480, 288, 113, 41, "", nullptr},
    {"frmBattle", "lblFinish", A, A, A, A, "", "対局終了"},
};
// clang-format on

} // namespace expected
