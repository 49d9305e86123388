// The picture as an SVG document, written without any toolkit from the same
// layout that the QPainter renderer draws (Plot_painter.h): the same
// elements, pens, shading and texts, so that a program without Qt (the
// command-line tool built without it, the web edition) shows the same
// picture. The document is self-contained: no fonts or other files are
// referred to; texts ask for the sans-serif fonts of Text_metrics.h.
#pragma once

#include <string>

#include "Plot_subject.h"

// The SVG document (UTF-8) of the subject's picture laid out at width x
// height plot units (one unit one CSS pixel; smaller sizes are laid out at
// the layout's minimum, as Lay_out_plot does). Its title is the subject's
// title and its description the picture's sentence of its numbers. Raises
// what Lay_out_plot raises.
std::string Plot_svg(const Plot_subject& subject, double width, double height);
