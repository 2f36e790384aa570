// The program's desktop icon: the taskbar icon's ball at rest, at every size a desktop asks for.
#pragma once

#include <QImage>
#include <string>
#include <vector>

// The square sizes, in pixels, of the icon's bitmaps.
const std::vector<int>& AppIconSizes();

// The bitmap of one of AppIconSizes(), with a transparent background.
QImage RenderAppIcon(int size);

// The same picture as a scalable SVG document, drawn on a 32 × 32 canvas.
std::string AppIconSvg();
