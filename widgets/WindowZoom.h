// The zoom steps of the game's windows and the scaling of a window built in fixed pixels.
#pragma once

#include <QRect>
#include <QString>

#include <array>

class QWidget;

// The steps a player can choose; 1 is the classic size.
inline constexpr std::array<double, 6> ZoomSteps{1, 1.25, 1.5, 2, 2.5, 3};

// A step in whole percent (125 for 1.25), as the preferences keep it and the menu's items are named.
inline int StepPercent(double zoom) { return static_cast<int>(zoom * 100 + 0.5); }

// A step as the player reads it in menus and lists: "1.25×", with the decimal sign of the player's locale.
QString ZoomStepCaption(double zoom);

// A classic length at a zoom step, rounded to the nearest pixel (halves upwards).
int ZoomedLength(int length, double zoom);
// A classic rectangle at a zoom step: each edge is rounded on its own, so that neighbours stay neighbours.
QRect ZoomedRect(const QRect& classic, double zoom);
// How thick a one-pixel bevel is drawn at a zoom step: whole pixels only, so that bevels stay sharp.
int BevelWidth(double zoom);

// The step a window is shown at (1 until ZoomWindow was called on it); controls ask their window.
double WindowZoom(const QWidget& control);

// Shows a window built in classic pixels at a zoom step: its fixed size, every control's place and every
// font set on a control. The first call takes the window's current geometry and fonts as the classic ones,
// so it must come after the window's controls have their places.
void ZoomWindow(QWidget& window, double zoom);
// Gives a control a new classic place after the window was zoomed: placed now at the window's step, and
// kept at the same classic place through later steps.
void PlaceClassic(QWidget& control, const QRect& classic);
// A control's classic place, as ZoomWindow or PlaceClassic took it.
QRect ClassicPlace(const QWidget& control);

// The largest step at which a window of the classic height takes at most half of the available height,
// at least 1.
double FittingZoom(int classicHeight, int availableHeight);
