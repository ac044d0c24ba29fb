#include "Pngwrite.h"

#include <png.h>

#include <csetjmp>
#include <vector>

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void NoFlush(png_structp) {}

void Quiet(png_structp, png_const_charp) {}

// Kept free of C++ objects with destructors: libpng leaves it by longjmp.
bool Encode(const unsigned char* rgb, int width, int height, const png_color_16* trns, QByteArray* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, Quiet);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (trns) png_set_tRNS(png, info, nullptr, 0, trns);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(rgb + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

QByteArray EncodePng24(const QImage& image, std::optional<QRgb> transparent) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  const int w = rgb.width(), h = rgb.height();
  std::vector<unsigned char> rows(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
  for (int y = 0; y < h; ++y)
    std::copy_n(rgb.constScanLine(y), static_cast<std::size_t>(w) * 3, rows.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w) * 3);
  png_color_16 trns{};
  if (transparent) {
    trns.red = static_cast<png_uint_16>(qRed(*transparent));
    trns.green = static_cast<png_uint_16>(qGreen(*transparent));
    trns.blue = static_cast<png_uint_16>(qBlue(*transparent));
  }
  QByteArray out;
  if (!Encode(rows.data(), w, h, transparent ? &trns : nullptr, &out)) return {};
  return out;
}
