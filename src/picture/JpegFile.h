#pragma once
// Writing a picture as a baseline JPEG. The file is written beside the target and
// then takes its place, so a failed write never leaves half a picture behind.
class QImage;
class QString;

inline constexpr int kPictureQuality = 80;

bool SaveJpg(const QImage& picture, const QString& path, int quality = kPictureQuality);
