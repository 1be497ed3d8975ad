#pragma once
// 从扫描图生成内容框 in the window: the scan analysed off the window's thread while the
// progress shows, the proposal reviewed in ScanProposalDialog, the accepted boxes added
// to the open format as one undoable step and the straightened scan made its
// background picture (a different picture already there only when the user agrees).
#include <QString>

class Asker;
class FormatDocument;
class Progress;
class QWidget;

// Asks for the scan and what measures it unless `image` is given (a background
// picture, measured by the format's page). True when boxes were added (the caller
// then shows the new background).
bool ProposeBoxesFromScan(QWidget* parent, FormatDocument& document, Asker& asker, Progress& progress,
                          QString image = {});

// After a background picture was set: on a format without boxes, offers to propose
// them from that picture. True when boxes were added.
bool OfferBoxesFromBackground(QWidget* parent, FormatDocument& document, Asker& asker, Progress& progress);
