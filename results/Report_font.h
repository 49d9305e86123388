// The fixed-pitch font of the notes and the results, so that the report's
// columns line up: Courier New at 12 pixels (9 points at 96 dpi), or the
// system's typewriter font where Courier New and its metric twins are missing.
#pragma once

#include <QFont>

inline QFont Report_font()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}
