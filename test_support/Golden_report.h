// The worked example's reports (SD 10, N 20, Case A 50, Case B 30, 95%
// limits, no notes, into an empty results text), one golden file per kind of
// limits (worked_example_two-sided.txt, _lower.txt, _upper.txt), kept once
// for every test that compares a whole report.
#pragma once

#include <string>
#include <vector>

#include "Limits.h"

// The report's text, each line ended by LF.
std::string Worked_example_report_text(Limits limits = Limits::Two_sided);
// The report's lines without line ends.
std::vector<std::string> Worked_example_report(Limits limits = Limits::Two_sided);
// The lines from " INPUTS:" to the end.
std::vector<std::string> Worked_example_from_inputs(Limits limits = Limits::Two_sided);
