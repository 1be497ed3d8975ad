#pragma once
// The printed structure of a straightened bill in analysis pixels: ruled lines, the
// cells they close, printed squares, the runs of text, and from them the blanks where
// a value is written. Geometry only; reading the captions comes after.
#include "scan/ScanProposal.h"

#include <opencv2/core.hpp>

#include <vector>

struct LayoutCell {
    cv::Rect rect;        // between the centres of its lines
    bool empty = false;   // holds no printed text
};

struct FoundBlank {
    cv::Rect rect;
    BlankShape shape = BlankShape::Cell;
    int cells = 0;        // Cells: how many
    int cellIndex = -1;   // Cell: its cell in Layout::cells
    cv::Rect caption = {}; // Line: the caption that set its height, if one did
};

struct Layout {
    std::vector<cv::Rect> rules;   // horizontal and vertical ruled lines
    std::vector<LayoutCell> cells;
    std::vector<cv::Rect> texts;   // runs of printed text (a word or caption each)
    std::vector<FoundBlank> blanks;
};

// `work` is the grey analysis image at kWorkPxPerMm.
Layout FindLayout(const cv::Mat& work);
