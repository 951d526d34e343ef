// How the reference window looks at 100 % text size: the colours and fonts of its grid and
// controls. Where they stand is ReferenceLayout's.
#pragma once

#include "common/Fonts.h"
#include "reference/ReferenceData.h"

#include <QColor>

namespace reference {

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
