#pragma once
// What a box puts on paper, as text: a text box's text, "√" for a checked check box,
// a picture box's link item (picture file or code string), a label's own text.
#include <QString>

struct BoxRecord;
class Bill;

QString PrintedContent(const BoxRecord& box, const Bill& bill);

// Whether a picture box's link item names a picture file rather than a code.
bool IsPictureLink(const QString& link);
