// The worked example's report (SD 10, N 20, Case A 50, Case B 30, two-sided
// 95% limits, no notes, into an empty results text), kept once in
// worked_example_report.txt for every test that compares a whole report.
#pragma once

#include <string>
#include <vector>

// The report's text, each line ended by LF.
std::string Worked_example_report_text();
// The report's lines without line ends.
std::vector<std::string> Worked_example_report();
// The lines from " INPUTS:" to the end.
std::vector<std::string> Worked_example_from_inputs();
