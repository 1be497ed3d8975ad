#pragma once
// The login dialog shown at start-up when a login password is set. Accepted when `check`
// takes the typed text; a wrong one is told and may be retried.
#include <QDialog>
#include <functional>

class Asker;
class QLineEdit;

class LoginDialog final : public QDialog {
    Q_OBJECT
public:
    using Check = std::function<bool(const QString& typed)>;
    LoginDialog(Check check, Asker& asker, QWidget* parent = nullptr);

private:
    void TryPassword();

    Check check_;
    Asker& asker_;
    QLineEdit* field_;
};
