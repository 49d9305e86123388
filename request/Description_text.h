// The paragraph that the worksheet's description box shows.
#pragma once

#include <string>

#include "Citation.h"

inline std::string Description_text()
{
    return std::string("This program (VORAN.exe) is one of five programs that accompany the paper by ")
        + std::string(Citation_sentence) + "  "
        + "The program uses Bayesian statistical methods to draw inferences concerning the difference "
          "between the neuropsychological test scores of two single cases by referring their scores to a "
          "control sample.  To use the program simply enter the standard deviation for the task of "
          "interest in the control sample, the number of controls, and the scores of the two cases "
          "(Note: the mean score of controls is not required).  The program provides a signficance test "
          "for the difference between the two cases (one- and two-tailed).  The p values for this test "
          "are used to determine whether we can reject the null hypothesis that the difference between "
          "the two cases is an observation from the distribution of differences between pairs of "
          "controls.  The program also provides a point estimate of the percentage of pairs of controls "
          "that would exhibit larger differences than that observed for the cases together with an "
          "interval estimate of this quantity. Point and interval estimates of the effect size for the "
          "difference (Z-PCC) between the two cases are also reported. The control sample data are saved "
          "to file. These data are read back in to the program when it is re-run (so it can be used with "
          "additional patients).  If you want to enter new control data then click on \"Clear Data\". The "
          "results can be viewed on screen, printed, or saved to file.  (Current version of program "
          "compiled on 25/05/2011).";
}
