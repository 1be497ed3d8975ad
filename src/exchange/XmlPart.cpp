#include "exchange/XmlPart.h"

XmlPart::XmlPart(std::unique_ptr<ZipPackage::Part> part) : part_(std::move(part)) {}

bool XmlPart::Next() {
    while (!failed_ && !rootClosed_) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::DTD) break;
        if (!xml_.hasError()) {
            if (token == QXmlStreamReader::StartElement) ++depth_;
            if (token == QXmlStreamReader::EndElement && --depth_ == 0) rootClosed_ = true;
            return token != QXmlStreamReader::EndDocument;
        }
        if (xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError) break;
        QByteArray piece;
        if (!part_->Read(piece)) break;
        xml_.addData(piece);
    }
    if (!rootClosed_) failed_ = true;
    return false;
}

bool XmlPart::IsStart(QLatin1StringView name) const {
    return xml_.tokenType() == QXmlStreamReader::StartElement && xml_.name() == name;
}

bool XmlPart::IsEnd(QLatin1StringView name) const {
    return xml_.tokenType() == QXmlStreamReader::EndElement && xml_.name() == name;
}

QStringView XmlPart::AttributeView(QLatin1StringView name) const {
    // By local name, whatever the namespace prefix. A const list: iterating a
    // temporary one would copy every attribute. The values live in the reader.
    const QXmlStreamAttributes attributes = xml_.attributes();
    for (const QXmlStreamAttribute& attribute : attributes)
        if (attribute.name() == name) return attribute.value();
    return {};
}

QString XmlPart::ElementText() {
    QString text;
    const int depth = depth_;
    while (Next()) {
        if (xml_.isCharacters()) text += xml_.text();
        else if (xml_.tokenType() == QXmlStreamReader::EndElement && depth_ < depth) break;
    }
    return text;
}

QString UnescapeOoxml(const QString& text) {
    if (!text.contains(QLatin1String("_x"))) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            bool ok = false;
            const ushort code = text.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}
