#pragma once
// An XML part of a zip package read as a stream of tokens, fed piece by piece, so a
// large worksheet never sits in memory whole. Elements are matched by local name.
// A document type declaration is refused: workbooks have none, and entity
// definitions are how small XML files expand without bound.
#include "exchange/ZipPackage.h"

#include <QXmlStreamReader>
#include <memory>

class XmlPart {
public:
    explicit XmlPart(std::unique_ptr<ZipPackage::Part> part);
    // Moves to the next token; false at the end of the document or on an error.
    bool Next();
    const QXmlStreamReader& Xml() const { return xml_; }
    bool IsStart(QLatin1StringView name) const;
    bool IsEnd(QLatin1StringView name) const;
    QString Attribute(QLatin1StringView name) const { return AttributeView(name).toString(); }
    // The same without a copy; valid until the next token.
    QStringView AttributeView(QLatin1StringView name) const;
    // At a start element: the text inside it, up to its end element.
    QString ElementText();
    // The document stopped early or was not well formed.
    bool Failed() const { return failed_; }
    // The part unpacked to more than its limit.
    bool TooLarge() const { return part_->TooLarge(); }

private:
    std::unique_ptr<ZipPackage::Part> part_;
    QXmlStreamReader xml_;
    int depth_ = 0;
    bool rootClosed_ = false;
    bool failed_ = false;
};

// The text of an OOXML string with its _xHHHH_ escapes (e.g. _x000D_ for CR) resolved.
QString UnescapeOoxml(const QString& text);
