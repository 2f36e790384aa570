// The start picture: the game's name over a board with balls, inviting a click.
#pragma once

#include <QImage>

inline constexpr int StartPictureWidth = 460;
inline constexpr int StartPictureHeight = 446;

// The picture at StartPictureWidth × StartPictureHeight times scale pixels: scale 2 paints it afresh with
// twice the detail for screens of twice the density.
QImage RenderStartPicture(int scale = 1);
