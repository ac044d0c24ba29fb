// Draws the two route marker pins of the map page: a green pin with a white
// "play" triangle for the start, a red one with a white square for the end.
// Usage: mkmarkers START.png END.png
#include <png.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 21;
constexpr int kHeight = 34;
constexpr double kCx = 10.5, kCy = 10.5, kRadius = 9.5, kTipY = 33.0;

struct Rgb {
  double r, g, b;
};

// The pin: a disc with a tapering tail down to the tip; `inset` shrinks it.
bool InPin(double x, double y, double inset) {
  const double r = kRadius - inset;
  const double dx = x - kCx, dy = y - kCy;
  if (dx * dx + dy * dy <= r * r) return true;
  // Tail: between the two tangents from the tip to the disc, below the centre.
  const double tip = kTipY - inset * 1.6;
  if (y < kCy || y > tip) return false;
  const double halfWidth = r * (tip - y) / (tip - kCy) * 0.85;
  return std::fabs(dx) <= halfWidth;
}

bool InGlyph(double x, double y, bool start) {
  if (start) {  // triangle pointing right
    const double left = kCx - 3.0, right = kCx + 4.0;
    if (x < left || x > right) return false;
    const double half = 4.0 * (right - x) / (right - left);
    return std::fabs(y - kCy) <= half;
  }
  return std::fabs(x - kCx) <= 3.2 && std::fabs(y - kCy) <= 3.2;
}

bool WritePin(const char* path, Rgb fill, Rgb edge, bool start) {
  std::vector<std::uint8_t> pixels(kWidth * kHeight * 4, 0);
  constexpr int kSub = 4;  // 4x4 samples per pixel
  for (int py = 0; py < kHeight; ++py) {
    for (int px = 0; px < kWidth; ++px) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSub; ++sy) {
        for (int sx = 0; sx < kSub; ++sx) {
          const double x = px + (sx + 0.5) / kSub, y = py + (sy + 0.5) / kSub;
          if (!InPin(x, y, 0)) continue;
          Rgb c = edge;
          if (InGlyph(x, y, start)) c = {255, 255, 255};
          else if (InPin(x, y, 1.3)) c = fill;
          r += c.r; g += c.g; b += c.b; a += 1;
        }
      }
      std::uint8_t* p = &pixels[(py * kWidth + px) * 4];
      if (a > 0) {
        p[0] = static_cast<std::uint8_t>(std::lround(r / a));
        p[1] = static_cast<std::uint8_t>(std::lround(g / a));
        p[2] = static_cast<std::uint8_t>(std::lround(b / a));
        p[3] = static_cast<std::uint8_t>(std::lround(255.0 * a / (kSub * kSub)));
      }
    }
  }

  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < kHeight; ++y) png_write_row(png, &pixels[y * kWidth * 4]);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: mkmarkers START.png END.png\n");
    return 2;
  }
  if (!WritePin(argv[1], {46, 160, 60}, {20, 90, 30}, true) ||
      !WritePin(argv[2], {208, 48, 48}, {120, 20, 20}, false)) {
    std::fprintf(stderr, "mkmarkers: cannot write the marker images\n");
    return 1;
  }
  return 0;
}
