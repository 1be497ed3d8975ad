#pragma once
// Reads barcodes and QR codes back from a picture with zbar, as a scanner would.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

struct DecodedSymbol {
    QString type;     // zbar's symbology name, e.g. "QR-Code", "CODE-39", "EAN-13"
    QByteArray data;  // the bytes as encoded (QR codes are read in binary mode)
};

// `binaryQr` keeps QR data as raw bytes; off, zbar converts it to UTF-8 text by its guess.
std::vector<DecodedSymbol> DecodeWithZbar(const QImage& image, bool binaryQr = true);

// The data of the only symbol zbar finds; fails the calling test otherwise.
QByteArray DecodeSingle(const QImage& image, bool binaryQr = true);

// A white picture of `content` with `margin` pixels of quiet zone around it.
QImage WithQuietZone(const QImage& content, int margin);
