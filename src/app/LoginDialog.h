#pragma once
// The login dialog shown at start-up when a login password is set. Accepted when the
// typed text equals the password exactly; a wrong one is told and may be retried.
#include <QDialog>

class Asker;
class ParamStore;
class QLineEdit;

class LoginDialog final : public QDialog {
    Q_OBJECT
public:
    LoginDialog(ParamStore& params, Asker& asker, QWidget* parent = nullptr);

private:
    void Check();

    ParamStore& params_;
    Asker& asker_;
    QLineEdit* field_;
};
