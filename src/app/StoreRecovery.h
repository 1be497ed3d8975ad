#pragma once
// Bringing back the newest backup when the store is found damaged.
#include <QString>

class Asker;

// Tells the user `damage` and offers the newest backup when there is one; true when
// the user wants it back.
bool UserWantsBackup(Asker& asker, const QString& damage);
// Puts the newest backup in place of the (closed) store and tells the outcome; true
// when it is in place and the store must be opened again.
bool RestoreNewestBackup(Asker& asker);
// Both in turn.
bool RestoreAfterDamage(Asker& asker, const QString& damage);
