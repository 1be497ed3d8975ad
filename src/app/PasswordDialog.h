#pragma once
// "修改密码": changes or removes the login password. The new password must be typed
// twice; it is stored only when the old one is given right. Setting one warns that a
// forgotten password loses the data and offers a recovery file.
#include <QDialog>

class Asker;
class Database;
class QLineEdit;

class PasswordDialog final : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(Database& db, Asker& asker, QWidget* parent = nullptr);

private:
    void Apply();
    void OfferRecoveryFile();
    QLineEdit* AddField(const QString& objectName, const QString& tip);

    Database& db_;
    Asker& asker_;
    QLineEdit* old_;
    QLineEdit* new_;
    QLineEdit* repeat_;
};
