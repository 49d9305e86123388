// The results document that "Save as PDF..." writes, a document for reading
// rather than the printout: margins of at least 15 mm on every side, the
// results' fixed-pitch font at the largest size at which the report's
// columns fit the page's width, reports kept whole on a page where they fit
// (Document_pages), and a footer on every page with the date at the left and
// "page N of M" at the right.
#pragma once

#include <QPageLayout>
#include <QString>

#include <string>

// The smallest margin on every side of the document's pages, in millimetres.
inline constexpr double Document_margin_mm = 15;

// The PDF's bytes for the text (UTF-8, CR LF line ends). page: the paper
// (size and orientation; its margins are widened to the smallest above);
// date: the footer's date as the user reads dates.
std::string Results_pdf(const std::string& text, const QPageLayout& page, const QString& font_family,
                        const QString& date);
