// The reference to the paper that the program accompanies, held once and used
// by the report and by the worksheet's description text. The paper's title is
// the program's own title; the texts below are joined from it at compile time.
#pragma once

#include <cstddef>
#include <string_view>

#include "Joined_text.h"

inline constexpr std::string_view Paper_title =
    "Bayesian inferential methods for comparing the scores of two single-cases in "
    "case-controls designs";

namespace citation_detail {

// The report breaks the title after its word "of".
inline constexpr std::size_t Title_break = Paper_title.find(" of ") + 3;
inline constexpr std::string_view Title_start = Paper_title.substr(0, Title_break);
inline constexpr std::string_view Title_rest = Paper_title.substr(Title_break + 1);

inline constexpr std::string_view Line_1_lead = " \"";
inline constexpr std::string_view Line_2_lead = " ";
inline constexpr std::string_view Line_2_tail = "\".";
inline constexpr std::string_view Sentence_lead = "the authors of \"";
inline constexpr std::string_view Sentence_tail = "\" (the accompanying paper).";

}  // namespace citation_detail

// The two citation lines of the report, each beginning with one blank: the
// paper's title in quotes, below the heading that introduces the paper.
inline constexpr std::string_view Citation_line_1 =
    Joined_parts<citation_detail::Line_1_lead, citation_detail::Title_start>;
inline constexpr std::string_view Citation_line_2 =
    Joined_parts<citation_detail::Line_2_lead, citation_detail::Title_rest, citation_detail::Line_2_tail>;

// The same reference as it follows "the paper by " in the worksheet's
// description text, ending in a full stop.
inline constexpr std::string_view Citation_sentence =
    Joined_parts<citation_detail::Sentence_lead, Paper_title, citation_detail::Sentence_tail>;
