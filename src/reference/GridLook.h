// How the reference window looks at 100 % text size: the geometry of its grid and
// controls in twips, their colours and their fonts.
#pragma once

#include "common/Fonts.h"
#include "reference/ReferenceData.h"

#include <QColor>

namespace reference {

// Geometry in twips (1/1440 inch), drawn at 15 twips to a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int ClientWidth = 9225;
constexpr int ClientHeight = 6615;

// clang-format off
inline constexpr int columnLeft[ColumnCount]  = {  120, 1560, 2880, 4320, 5880, 7560 };
inline constexpr int columnWidth[ColumnCount] = { 1455, 1335, 1455, 1575, 1695, 1575 };
// clang-format on
constexpr int CellHeight = 375;

// A cell's border and the space it keeps between border and text on an aligned side,
// in pixels.
constexpr int CellFrame = 1;
constexpr int CellIndent = 2;

constexpr int rowTop(int row)
{
    return row == 0 ? 600 : row == 1 ? 1080 : 1920 + 480 * (row - 2);
}

struct Rect
{
    int x, y, width, height;
};

// The other controls. A list's height comes from its font; the auxiliaries list is centred
// in the band between the base row and the first variant row, where the plus sign stands.
constexpr int BandTop = 1080 + CellHeight;
constexpr int BandBottom = 1920;
// clang-format off
inline constexpr Rect sentenceListRect = {  120,  120, 5300, 0 };
inline constexpr Rect closeButtonRect  = { 7530,  120, 1575, 0 };
inline constexpr Rect plusRect         = {  120, BandTop, 450, BandBottom - BandTop };
inline constexpr Rect auxListRect      = {  600, BandTop, 2400, 0 };
inline constexpr Rect instructionRect  = {    0, 6165, ClientWidth, ClientHeight - 6165 };
// clang-format on

// Colours.
struct ColumnLook
{
    QRgb headerBack;
    QRgb headerText;
    QRgb bodyBack;
    QRgb bodyText;
    bool bold;
};

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Teal = qRgb(0, 192, 192);
constexpr QRgb Purple = qRgb(128, 0, 128);
constexpr QRgb LightPink = qRgb(255, 192, 255);
constexpr QRgb DarkGreen = qRgb(0, 64, 0);

// clang-format off
inline constexpr ColumnLook columnLooks[ColumnCount] = {
    //  header back  header text  body back   body text  bold
    {   Teal,        White,       White,      Black,     false },  // A
    {   Teal,        White,       White,      Black,     false },  // B1
    {   Purple,      White,       Purple,     White,     true  },  // B
    {   Red,         White,       Red,        White,     true  },  // C
    {   LightPink,   Black,       LightPink,  Black,     false },  // C1
    {   Teal,        White,       White,      Black,     false },  // D
};
// clang-format on
constexpr QRgb CellBorder = Black;
constexpr QRgb AuxListBack = Red;
constexpr QRgb AuxListText = White;
constexpr QRgb PlusText = Red;
constexpr QRgb InstructionBack = DarkGreen;
constexpr QRgb InstructionText = White;

// Fonts: faces, and sizes in points.
constexpr ui::Face CellFace = ui::Face::TimesNewRoman;
constexpr ui::Face ListFace = ui::Face::MsSansSerif;
constexpr ui::Face PlusFace = ui::Face::MsSansSerif;
constexpr ui::Face InstructionFace = ui::Face::Arial;
constexpr qreal HeaderPointSize = 14.25;
constexpr qreal BodyPointSize = 11.25;
constexpr qreal ListPointSize = 9.75;
constexpr qreal PlusPointSize = 24;
constexpr qreal InstructionPointSize = 9;

} // namespace reference
