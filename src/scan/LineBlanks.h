#pragma once
// The blanks that stand on lines to write on ("收款人：________"): how far each reaches
// up and where a line that runs past a second caption divides.
#include "scan/BlankLayout.h"

// `hRules` and `vRules` are the ruled lines, `texts` the runs of printed text, all in
// analysis pixels.
std::vector<FoundBlank> FindLineBlanks(const std::vector<cv::Rect>& hRules, const std::vector<cv::Rect>& vRules,
                                       const std::vector<cv::Rect>& texts);
