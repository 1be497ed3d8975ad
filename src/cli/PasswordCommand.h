#pragma once
// `vellumark password --new-file FILE [--recovery-file OUT] | --clear`: sets, changes
// or removes the login password, as the window's "登录密码设置" does.
#include "cli/SubCommand.h"

SubCommand PasswordSubCommand();
