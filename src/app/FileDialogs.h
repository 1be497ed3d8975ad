#pragma once
// Every file dialog of the window: it opens in the folder last used (remembered in the
// settings, the documents folder before any), puts a suggested name there, and gives a
// saved file the extension of the chosen type when the name typed has none. Qt keeps
// its own dialog state (history, sidebar) in a settings file; with a data folder named,
// that file is kept among the data folder's settings, never in the user's own.
#include <QString>

class QWidget;

QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter);
QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& suggestedName = {});

// `path` with the first extension of `filter` (one type, "PDF文件(*.pdf)") added when
// its file name matches none of the filter's patterns; a filter for any file adds none.
QString WithFilterExtension(const QString& path, const QString& filter);
