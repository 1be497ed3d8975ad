#pragma once
// Dialogs wide enough to show their whole title: a narrow dialog (a few radio
// buttons) would otherwise cut the title the window frame draws.
#include <QObject>

class QWidget;

// The least width at which the window frame shows the widget's title whole.
int TitleWidth(const QWidget* window);

// Installed once on the application: every dialog that is shown is widened to its title.
class DialogTitleFitter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
