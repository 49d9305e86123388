// The worked example's reports (SD 10, N 20, Case A 50, Case B 30, 95%
// limits, no notes, into an empty results text), one golden file per kind of
// limits (worked_example_two-sided.txt, _lower.txt, _upper.txt), and its
// summaries, kept once for every test that compares a whole report or summary.
#pragma once

#include <string>
#include <vector>

#include "Limits.h"
#include "Summary_language.h"

// The report's text, each line ended by LF.
std::string Worked_example_report_text(Limits limits = Limits::Two_sided);
// The report's lines without line ends.
std::vector<std::string> Worked_example_report(Limits limits = Limits::Two_sided);
// The lines from " INPUTS:" to the end.
std::vector<std::string> Worked_example_from_inputs(Limits limits = Limits::Two_sided);

// The worked example's summary in one language, as `voran-report --summary`
// prints it: the sentences and the statistics line, each ended by LF; one
// golden file per language and kind of limits (summaries/en_two-sided.txt).
std::string Worked_example_summary_text(Summary_language language, Limits limits = Limits::Two_sided);
