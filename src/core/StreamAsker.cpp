#include "core/StreamAsker.h"

#include <QTextStream>

void StreamAsker::Message(const QString& text) { messages_ << text << Qt::endl; }

bool StreamAsker::AskYesNo(const QString& question) {
    messages_ << question << Qt::endl;
    return false;
}
