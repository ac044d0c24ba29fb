#pragma once
// 24-bit PNG files with an optional transparent colour (a tRNS entry), which
// Qt's own PNG writer cannot produce: the map page's waypoint icons need
// exactly that form.
#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <optional>

// The image as an 8-bit RGB PNG (colour type 2); with a transparent colour,
// a tRNS entry names it. Empty when the image is null or encoding failed.
QByteArray EncodePng24(const QImage& image, std::optional<QRgb> transparent);
