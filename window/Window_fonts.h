// The fonts of the two windows. Both lay their controls out in pixels of a
// 96 dpi screen, so their fonts are given in pixels as well.
#pragma once

#include <QFont>

// The windows' proportional font: Arial (or its metric twin Liberation Sans)
// at the given pixel height, close to the narrow system font that the
// captions and buttons were laid out for.
inline QFont System_font(int pixel_size)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    return font;
}

// The fixed-pitch font of the notes and the results, so that the report's
// columns line up: Courier New at 12 pixels (9 points at 96 dpi), or the
// system's typewriter font where Courier New and its metric twins are missing.
inline QFont Report_font()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}
