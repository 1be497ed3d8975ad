#include "app/ServerStatus.h"

#include "store/StoreChanges.h"
#include "store/StoreTexts.h"

ServerStatus::ServerStatus(StoreChanges& changes, QString server, QWidget* parent)
    : QLabel(parent), server_(std::move(server)) {
    setObjectName(QStringLiteral("ServerStatus"));
    setStyleSheet(QStringLiteral("color: #b00000"));
    hide();
    connect(&changes, &StoreChanges::ServerAway, this, [this](const QString& reason) {
        setText(StoreTexts::ServerRetrying(server_ + QStringLiteral("：") + reason));
        show();
    });
    connect(&changes, &StoreChanges::ServerBack, this, &QWidget::hide);
}
