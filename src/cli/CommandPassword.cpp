#include "cli/CommandPassword.h"

#include "store/DataFolder.h"
#include "store/DatabaseKey.h"
#include "store/Login.h"
#include "store/PasswordKey.h"
#include "store/PasswordTexts.h"
#include "store/StoreTexts.h"

#include <QFile>
#include <QTextStream>

#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {
QString& PasswordFile() {
    static QString path;
    return path;
}

int& ScopeDepth() {
    static int depth = 0;
    return depth;
}

std::optional<QString>& Given() {
    static std::optional<QString> given;
    return given;
}

// A line typed at the terminal with echo off; nullopt when stdin is not a terminal.
std::optional<QString> PromptAtTerminal(const QString& prompt, QTextStream& err) {
    if (!isatty(STDIN_FILENO)) return std::nullopt;
    // Echo goes off (dropping what was typed before) ahead of the prompt: what is typed
    // once the prompt shows is kept, however soon.
    termios before{};
    const bool quiet = tcgetattr(STDIN_FILENO, &before) == 0;
    if (quiet) {
        termios silent = before;
        silent.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    err << prompt;
    err.flush();
    std::string line;
    const bool read = bool(std::getline(std::cin, line));
    if (quiet) tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
    err << Qt::endl;
    if (!read) return std::nullopt;
    return QString::fromStdString(line);
}

QString WithoutLineEnd(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    return QString::fromUtf8(line);
}
} // namespace

PasswordFileScope::PasswordFileScope(const QString& path) : previous_(PasswordFile()) {
    if (!path.isEmpty()) PasswordFile() = path;
    // A command, not one dispatched inside another, starts with no password given.
    if (ScopeDepth()++ == 0) Given().reset();
}

PasswordFileScope::~PasswordFileScope() {
    PasswordFile() = previous_;
    if (--ScopeDepth() == 0) Given().reset();
}

std::optional<QString> ReadPrivateLine(const QString& path, QTextStream& err) {
    QFile file(path);
    if (!OwnerOnly(path) || !file.open(QIODevice::ReadOnly)) {
        err << PasswordText::FileNotPrivate(path) << Qt::endl;
        return std::nullopt;
    }
    return WithoutLineEnd(file.readLine(64 * 1024));
}

std::optional<QString> CommandPassword(QTextStream& err, const QString& prompt) {
    if (Given()) return Given();
    std::optional<QString> password;
    if (!PasswordFile().isEmpty()) {
        password = ReadPrivateLine(PasswordFile(), err);
        if (!password) return std::nullopt;
    } else if (qEnvironmentVariableIsSet("VELLUMARK_PASSWORD")) {
        password = qEnvironmentVariable("VELLUMARK_PASSWORD");
    } else {
        password = PromptAtTerminal(prompt, err);
    }
    if (!password) err << PasswordText::kPasswordNeeded << Qt::endl;
    Given() = password;
    return password;
}

QString GivenPassword() { return Given().value_or(QString()); }

bool UnlockStoreForCommand(QTextStream& err) {
    const QString store = DataFolder::DatabasePath();
    if (!StoreNeedsPassword(store)) {
        UseStoreKey({});
        return true;
    }
    const std::optional<QString> password = CommandPassword(err, PasswordText::kPrompt);
    if (!password) return false;
    if (UnlockWithPassword(store, store, *password)) return true;
    err << StoreTexts::kWrongPassword << Qt::endl;
    return false;
}

bool LoginForCommand(Database& db, QTextStream& err) {
    if (!LoginRequired(db)) return true;
    const std::optional<QString> password = CommandPassword(err, PasswordText::kPrompt);
    if (!password) return false;
    if (Login(db, *password)) return true;
    err << StoreTexts::kWrongPassword << Qt::endl;
    return false;
}
