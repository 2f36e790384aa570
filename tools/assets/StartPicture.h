// The start picture: the game's name over a board with balls, inviting a click.
#pragma once

#include <QImage>

inline constexpr int StartPictureWidth = 460;
inline constexpr int StartPictureHeight = 446;

QImage RenderStartPicture();
