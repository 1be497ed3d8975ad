#include "common/TempDataFolder.h"

#include "store/DataFolder.h"

TempDataFolder::TempDataFolder() { DataFolder::SetOverride(dir_.path()); }

TempDataFolder::~TempDataFolder() { DataFolder::SetOverride(QString()); }
