#pragma once
// "修改密码": changes or removes the login password. The new password must be typed
// twice; it is stored only when the old one is given right.
#include <QDialog>

class Asker;
class ParamStore;
class QLineEdit;

class PasswordDialog final : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(ParamStore& params, Asker& asker, QWidget* parent = nullptr);

private:
    void Apply();
    QLineEdit* AddField(const QString& objectName, const QString& tip);

    ParamStore& params_;
    Asker& asker_;
    QLineEdit* old_;
    QLineEdit* new_;
    QLineEdit* repeat_;
};
