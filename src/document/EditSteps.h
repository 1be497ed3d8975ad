#pragma once
// The names of the arranging steps on the undo stack, as the undo menu shows them.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace EditStep {
inline const QString kMove = QStringLiteral("移动内容框");
inline const QString kResize = QStringLiteral("改变内容框大小");
inline const QString kFont = QStringLiteral("改变字体大小");
inline const QString kAlign = QStringLiteral("内容框对齐");
inline const QString kDistribute = QStringLiteral("内容框等距分布");
inline const QString kPullOnto = QStringLiteral("检查凭据外内容框");
// The progress caption while boxes are pulled back onto the page.
inline const QString kCheckingBoxes = QStringLiteral("正在检查所有内容框...");
} // namespace EditStep
#pragma GCC visibility pop
