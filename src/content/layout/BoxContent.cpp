#include "content/layout/BoxContent.h"

#include "store/Bill.h"
#include "store/Format.h"

#include <QFileInfo>
#include <QImageReader>

namespace {
const QString kCheckMark = QStringLiteral("√");
} // namespace

QString PrintedContent(const BoxRecord& box, const Bill& bill) {
    switch (box.kind) {
    case BoxKind::Text:
        // An unlabelled box carries fixed text; it is the content until the bill says otherwise.
        if (!bill.Values().contains(box.id) && box.label.isEmpty()) return box.mem;
        return bill.Value(box.id);
    case BoxKind::Check: {
        const QString value = bill.Value(box.id).trimmed();
        return value.isEmpty() || value == u'0' ? QString() : kCheckMark;
    }
    case BoxKind::Picture:
        return bill.Value(box.id);
    case BoxKind::Label:
        return box.label;
    case BoxKind::Line:
        break;
    }
    return {};
}

bool IsPictureLink(const QString& link) {
    const QFileInfo info(link);
    if (info.suffix().compare(QStringLiteral("JPG"), Qt::CaseInsensitive) == 0) return true;
    // Picture boxes also load BMP, GIF and other files; an existing image file is a
    // picture, never a code to encode.
    return info.isFile() && !QImageReader::imageFormat(link).isEmpty();
}
