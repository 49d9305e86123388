// Draws a laid-out picture with QPainter. Every target of the toolkit is a
// QPaintDevice (a widget on the screen, a QImage for PNG, a QPrinter), so one
// routine draws them all and the shown, saved and printed pictures cannot
// differ. Its pens and sizes are those of Plot_style.h, which the SVG writer
// (Plot_svg.h) draws the same layout with.
#pragma once

#include "Plot_geometry.h"

class QPainter;

// Draws the picture into the painter's current coordinate system, in which
// one plot unit is one unit; the caller scales it to the device.
void Paint_plot(QPainter& painter, const Plot_picture& picture);

// The picture of subject laid out for a device of device_width x
// device_height device units, at `scale` device units per plot unit: 1 on a
// screen (Qt applies the device pixel ratio itself) and resolution / 96 on a
// printer, so the fonts keep their size in inches.
void Paint_plot_scaled(QPainter& painter, const Plot_subject& subject, double device_width, double device_height,
                       double scale);
