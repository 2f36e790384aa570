// Check box and radio button marks, and slider handles, at their window's zoom step.
#pragma once

class QWidget;

// Qt draws these at one size whatever the font, so on a zoomed window they would stay classic while
// the captions beside them grow. A check box or radio button given here draws its mark, and spaces its
// caption, at the step its window is shown at, and a slider its groove and handle; any other control
// is left as it is.
void ZoomIndicator(QWidget& control);
