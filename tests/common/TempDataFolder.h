#pragma once
// A fresh data folder for one test: points DataFolder at a temporary directory and
// removes it afterwards.
#include <QString>
#include <QTemporaryDir>

class TempDataFolder {
public:
    TempDataFolder();
    ~TempDataFolder();
    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
