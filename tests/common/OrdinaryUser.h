#pragma once
// File permissions do not bind root, which the tests may run as. A test of what an
// ordinary user meets runs its body in a child process as such a user.
#include <QString>
#include <functional>

// Hands `folder` (recursively) to the ordinary user, then runs `body` in a child
// process as that user. The child's exit code: `body`'s result, or -1 when it died.
int RunAsOrdinaryUser(const QString& folder, const std::function<int()>& body);
