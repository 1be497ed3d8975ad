#pragma once
// The parameter store (table 参数: Var -> Con) and the per-user settings store
// (QSettings under application/section/key).
#include <QString>
#include <QStringList>
#include <optional>

class Database;

class ParamStore {
public:
    explicit ParamStore(Database& db) : db_(db) {}
    // "" when the key is missing.
    QString GetParam(const QString& key);
    // Changes the first row of the key in place, or inserts one row.
    bool SetParam(const QString& key, const QString& value);

    // Keyword histories: entries joined by "||", newest first.
    QStringList LoadKeywordHistory(const QString& key);
    void SaveKeywordHistory(const QString& key, const QString& current, const QStringList& entries);

    // Window placement as "left;top;width;height" in twips under "窗口参数：" + name.
    // `screenWidthTwips` decides the "0;0;0;0" of a screen-wide window.
    struct Placement { int left = 0, top = 0, width = 0, height = 0; };
    void SaveWindowPlacement(const QString& name, const Placement& placement, int screenWidthTwips);
    std::optional<Placement> ReadWindowPlacement(const QString& name);
    // What a dialog applies when it opens on a screen of this size: the stored position
    // only when the window would lie at least partly on the screen, the stored size only
    // when both measures are positive. nullopt when nothing is stored.
    struct Restore {
        bool move = false;
        bool resize = false;
        Placement placement;
    };
    std::optional<Restore> RestoreWindowPlacement(const QString& name, int screenWidthTwips,
                                                  int screenHeightTwips);

private:
    Database& db_;
};

// Per-user settings, the same application/section/key paths on every platform.
QString ReadSetting(const QString& application, const QString& section, const QString& key,
                    const QString& defaultValue);
bool WriteSetting(const QString& application, const QString& section, const QString& key,
                  const QString& value);
// Where the settings of `application` are kept (for messages and tests).
QString SettingsFilePath(const QString& application);
