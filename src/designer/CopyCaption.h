#pragma once
// The caption of the c-th copy of a box: the source caption's number advanced by c.
class QString;

// The number is the trailing run of digits ("金额1" -> "金额2"), or the digits just before
// one closing Chinese character such as 联 or 页 ("第3联" -> "第4联"). A caption without
// such a number gets c appended ("备注" -> "备注1", "A10B" -> "A10B1").
QString CopyCaption(const QString& source, int c);
