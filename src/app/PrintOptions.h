#pragma once
// How the window's bills are drawn on paper: fonts sized on this screen's canvas,
// the rounding method and the format's background option.
#include "print/BillPage.h"

class QWidget;
class Session;

BillPageOptions PageOptionsFor(const Session& session, const QWidget* window);
