// The start picture: the game's name over a board with balls, inviting a click.
#pragma once

#include <QImage>
#include <QString>

inline constexpr int StartPictureWidth = 460;
inline constexpr int StartPictureHeight = 446;

// The picture at StartPictureWidth × StartPictureHeight plain pixels, painted afresh at the scale
// (IsArtScale) on ScaledLength of each side, with the scale as its pixel ratio: its text and balls are
// vector shapes, so every scale is as sharp as the plain one. At 1.25 the height rounds up to 558.
// The invitation on its green pill is `invitation`, the built pictures' StartInvitation by default.
inline constexpr const char* StartInvitation = "Click to play!";
QImage RenderStartPicture(double scale = 1, const QString& invitation = QString::fromLatin1(StartInvitation));
