// Draws the program's own pictures into the program folder:
//   Buttons.bmp   32x32 tool-button tiles, magenta background
//   POI_Icons.bmp 16x16 waypoint icons, magenta background
//   Tabs.bmp      16x16 page icons (destination, waypoint, route, track, settings)
//   Turns.bmp     16x16 turn arrows, indexed by turn type 0..8
//   Menus.bmp     16x16 popup-menu and small-button images
//   Splash.png    377x99 picture of the connection window
//   Vendor.png    264x69 picture of the progress and version windows
// Usage: imagegen <output folder>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kMask(0xFF, 0x00, 0xFF);

using Tile = std::function<void(QPainter&)>;

// Paints each tile on a magenta ground, side by side, and saves a 24-bit strip.
bool writeStrip(const QString& path, int size, const std::vector<Tile>& tiles) {
  QImage strip(size * int(tiles.size()), size, QImage::Format_RGB888);
  strip.fill(kMask);
  for (size_t i = 0; i < tiles.size(); ++i) {
    // Drawn without antialiasing so no pixel is blended with the mask colour.
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.translate(double(i) * size, 0);
    p.setClipRect(0, 0, size, size);
    tiles[i](p);
  }
  return strip.save(path, "BMP");
}

QPolygonF arrowShape(double size) {
  // An arrow pointing up, centred on (0,0), about size high.
  const double h = size / 2;
  return QPolygonF({{0, -h}, {h * 0.7, -h * 0.1}, {h * 0.25, -h * 0.1}, {h * 0.25, h},
                    {-h * 0.25, h}, {-h * 0.25, -h * 0.1}, {-h * 0.7, -h * 0.1}});
}

void drawArrow(QPainter& p, double cx, double cy, double size, double angleDeg, QColor c) {
  p.save();
  p.translate(cx, cy);
  p.rotate(angleDeg);
  p.setPen(QPen(c.darker(160), 1));
  p.setBrush(c);
  p.drawPolygon(arrowShape(size));
  p.restore();
}

// --- Buttons.bmp --------------------------------------------------------------
std::vector<Tile> buttonTiles() {
  std::vector<Tile> t;
  t.push_back([](QPainter& p) {  // 0 open: a folder
    p.setPen(QPen(QColor(0x80, 0x60, 0x10), 1));
    p.setBrush(QColor(0xF0, 0xC0, 0x40));
    p.drawRect(3, 9, 26, 18);
    p.drawRect(3, 6, 10, 4);
    p.setBrush(QColor(0xFF, 0xE0, 0x80));
    p.drawPolygon(QPolygonF({{6, 14}, {30, 14}, {27, 27}, {3, 27}}));
  });
  t.push_back([](QPainter& p) {  // 1 save: a disk
    p.setPen(QPen(QColor(0x10, 0x20, 0x60), 1));
    p.setBrush(QColor(0x30, 0x50, 0xB0));
    p.drawRect(4, 4, 24, 24);
    p.setBrush(Qt::white);
    p.drawRect(8, 4, 16, 9);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(9, 18, 14, 10);
  });
  t.push_back([](QPainter& p) {  // 2 upload: arrow up into the device
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRoundedRect(8, 18, 16, 11, 2, 2);
    drawArrow(p, 16, 10, 16, 0, QColor(0x20, 0xA0, 0x20));
  });
  t.push_back([](QPainter& p) {  // 3 download: arrow down out of the device
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRoundedRect(8, 3, 16, 11, 2, 2);
    drawArrow(p, 16, 21, 16, 180, QColor(0x20, 0x60, 0xE0));
  });
  t.push_back([](QPainter& p) {  // 4 add: a plus
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0xA0, 0x20));
    p.drawRect(13, 5, 6, 22);
    p.drawRect(5, 13, 22, 6);
  });
  t.push_back([](QPainter& p) {  // 5 modify: a pencil
    p.save();
    p.translate(16, 16);
    p.rotate(45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xF0, 0xB0, 0x20));
    p.drawRect(-4, -12, 8, 18);
    p.setBrush(QColor(0xF0, 0xD0, 0xA0));
    p.drawPolygon(QPolygonF({{-4, 6}, {4, 6}, {0, 13}}));
    p.restore();
  });
  t.push_back([](QPainter& p) {  // 6 delete: a red cross
    p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 5));
    p.drawLine(7, 7, 25, 25);
    p.drawLine(25, 7, 7, 25);
  });
  t.push_back([](QPainter& p) {  // 7 GPX: a small map with a path
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xE0, 0xF0, 0xD0));
    p.drawRect(3, 5, 26, 22);
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    p.drawPolyline(QPolygonF({{6, 23}, {12, 14}, {18, 19}, {26, 8}}));
  });
  t.push_back([](QPainter& p) {  // 8 KML: a map pin
    p.setPen(QPen(QColor(0x60, 0x00, 0x00), 1));
    p.setBrush(QColor(0xE0, 0x30, 0x30));
    QPainterPath pin;
    pin.moveTo(16, 29);
    pin.lineTo(8, 14);
    pin.arcTo(8, 3, 16, 16, 200, -220);
    pin.closeSubpath();
    p.drawPath(pin);
    p.setBrush(Qt::white);
    p.drawEllipse(13, 8, 6, 6);
  });
  t.push_back([](QPainter& p) {  // 9 delete all: a bin
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRect(8, 9, 16, 19);
    p.drawRect(6, 6, 20, 3);
    p.drawRect(13, 3, 6, 3);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    for (int x = 12; x <= 20; x += 4) p.drawLine(x, 12, x, 25);
  });
  t.push_back([](QPainter& p) {  // 10 NMEA: text lines
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(6, 3, 20, 26);
    p.setPen(QPen(QColor(0x20, 0x20, 0x90), 2));
    for (int y = 8; y <= 24; y += 4) p.drawLine(9, y, 23, y);
  });
  t.push_back([](QPainter& p) {  // 11 globe viewer: a globe
    p.setPen(QPen(QColor(0x10, 0x30, 0x80), 1));
    p.setBrush(QColor(0x40, 0x80, 0xE0));
    p.drawEllipse(4, 4, 24, 24);
    p.setBrush(QColor(0x30, 0xA0, 0x30));
    p.drawPolygon(QPolygonF({{9, 10}, {15, 8}, {17, 14}, {12, 20}, {8, 16}}));
    p.drawPolygon(QPolygonF({{19, 18}, {24, 16}, {23, 24}, {18, 24}}));
  });
  return t;
}

// --- POI_Icons.bmp ------------------------------------------------------------
// 24 icons: eight shapes in three colour families, so every number looks
// different at 16x16.
std::vector<Tile> poiTiles() {
  const QColor colours[3] = {QColor(0xD0, 0x20, 0x20), QColor(0x20, 0x60, 0xD0),
                             QColor(0x10, 0x90, 0x30)};
  std::vector<Tile> t;
  for (int c = 0; c < 3; ++c) {
    for (int s = 0; s < 8; ++s) {
      const QColor fill = colours[c];
      t.push_back([s, fill](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(fill);
        switch (s) {
          case 0: p.drawEllipse(2, 2, 11, 11); break;                        // dot
          case 1: p.drawRect(2, 2, 11, 11); break;                           // square
          case 2: p.drawPolygon(QPolygonF({{7.5, 1}, {14, 14}, {1, 14}})); break;  // triangle
          case 3: p.drawPolygon(QPolygonF({{7.5, 1}, {14, 7.5}, {7.5, 14}, {1, 7.5}})); break;
          case 4: {  // star
            QPolygonF star;
            for (int k = 0; k < 10; ++k) {
              const double r = (k % 2) ? 3.0 : 7.0;
              const double a = M_PI / 5 * k - M_PI / 2;
              star << QPointF(7.5 + r * std::cos(a), 7.5 + r * std::sin(a));
            }
            p.drawPolygon(star);
            break;
          }
          case 5:  // cross
            p.drawPolygon(QPolygonF({{5, 1}, {10, 1}, {10, 5}, {14, 5}, {14, 10}, {10, 10},
                                     {10, 14}, {5, 14}, {5, 10}, {1, 10}, {1, 5}, {5, 5}}));
            break;
          case 6:  // flag
            p.drawLine(3, 1, 3, 14);
            p.drawPolygon(QPolygonF({{4, 1}, {14, 4}, {4, 8}}));
            break;
          default:  // house
            p.drawPolygon(QPolygonF({{7.5, 1}, {14, 7}, {12, 7}, {12, 14}, {3, 14}, {3, 7}, {1, 7}}));
            break;
        }
      });
    }
  }
  return t;
}

// --- Tabs.bmp -----------------------------------------------------------------
std::vector<Tile> tabTiles() {
  std::vector<Tile> t;
  t.push_back([](QPainter& p) {  // 0 destinations: a flag
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(3, 1, 3, 15);
    p.setBrush(QColor(0xE0, 0x20, 0x20));
    p.drawRect(4, 2, 10, 6);
  });
  t.push_back([](QPainter& p) {  // 1 waypoints: a pin
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x20, 0x60, 0xE0));
    p.drawEllipse(3, 1, 9, 9);
    p.drawLine(7, 10, 7, 15);
  });
  t.push_back([](QPainter& p) {  // 2 route: points joined by legs
    p.setPen(QPen(QColor(0x00, 0x00, 0xC0), 2));
    p.drawPolyline(QPolygonF({{2, 13}, {6, 5}, {10, 10}, {14, 2}}));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::yellow);
    for (QPointF q : {QPointF(2, 13), QPointF(6, 5), QPointF(10, 10), QPointF(14, 2)})
      p.drawRect(QRectF(q.x() - 1.5, q.y() - 1.5, 3, 3));
  });
  t.push_back([](QPainter& p) {  // 3 tracks: a winding line
    p.setPen(QPen(QColor(0x00, 0x90, 0x00), 2));
    QPainterPath path;
    path.moveTo(1, 12);
    path.cubicTo(5, 2, 9, 16, 15, 3);
    p.drawPath(path);
  });
  t.push_back([](QPainter& p) {  // 4 settings: a gear
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x80, 0x80, 0x80));
    for (int k = 0; k < 8; ++k) {
      p.save();
      p.translate(7.5, 7.5);
      p.rotate(45.0 * k);
      p.drawRect(-1, -7, 3, 4);
      p.restore();
    }
    p.drawEllipse(2, 2, 11, 11);
    p.setBrush(kMask);
    p.drawEllipse(5, 5, 5, 5);
  });
  return t;
}

// --- Turns.bmp: 0 none, 1 slight left, 2 straight, 3 slight right, 4 left,
//     5 U-turn, 6 right, 7 sharp left, 8 sharp right -------------------------
std::vector<Tile> turnTiles() {
  const QColor c(0x10, 0x50, 0xC0);
  std::vector<Tile> t;
  t.push_back([](QPainter& p) {
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawEllipse(5, 5, 6, 6);
  });
  for (double angle : {-45.0, 0.0, 45.0, -90.0}) {
    t.push_back([angle, c](QPainter& p) { drawArrow(p, 8, 8, 15, angle, c); });
  }
  t.push_back([c](QPainter& p) {  // U-turn
    p.setPen(QPen(c, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 2, 9, 9), 0, 180 * 16);
    p.drawLine(QPointF(12, 6.5), QPointF(12, 15));
    p.setPen(QPen(c.darker(160), 1));
    p.setBrush(c);
    p.drawPolygon(QPolygonF({{0, 8}, {6, 8}, {3, 13}}));
  });
  for (double angle : {90.0, -135.0, 135.0}) {
    t.push_back([angle, c](QPainter& p) { drawArrow(p, 8, 8, 15, angle, c); });
  }
  return t;
}

// --- Menus.bmp: small images of popup menus and small buttons; 2 zoom to fit,
//     3 add to route, 7 refresh, 8 place search, 9 home, 10 favourites,
//     12 go to start, 13 go to middle, 14 go to end, 15 route from track,
//     16 play, 17 stop --------------------------------------------------------
std::vector<Tile> menuTiles() {
  std::vector<Tile> t(18, [](QPainter& p) {
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    p.drawRect(4, 4, 7, 7);
  });
  t[0] = [](QPainter& p) {  // add
    p.setPen(QPen(QColor(0x20, 0xA0, 0x20), 3));
    p.drawLine(8, 2, 8, 13);
    p.drawLine(2, 8, 13, 8);
  };
  t[1] = [](QPainter& p) {  // delete
    p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2));
    p.drawLine(3, 3, 12, 12);
    p.drawLine(12, 3, 3, 12);
  };
  t[2] = [](QPainter& p) {  // zoom: a magnifier
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(0xC0, 0xE0, 0xFF));
    p.drawEllipse(2, 2, 8, 8);
    p.drawLine(9, 9, 14, 14);
  };
  t[3] = [](QPainter& p) {  // add to route: a point with a plus
    p.setPen(QPen(QColor(0x00, 0x00, 0xC0), 1));
    p.setBrush(Qt::yellow);
    p.drawRect(1, 8, 6, 6);
    p.setPen(QPen(QColor(0x20, 0xA0, 0x20), 2));
    p.drawLine(11, 2, 11, 10);
    p.drawLine(7, 6, 15, 6);
  };
  t[4] = [](QPainter& p) {  // modify
    p.setPen(QPen(QColor(0xB0, 0x70, 0x00), 3));
    p.drawLine(3, 13, 13, 3);
  };
  t[5] = [](QPainter& p) {  // close loop: a ring
    p.setPen(QPen(QColor(0x00, 0x00, 0xC0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(3, 3, 10, 10);
  };
  t[6] = [](QPainter& p) {  // elevation: a mountain
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x90, 0x70, 0x40));
    p.drawPolygon(QPolygonF({{1, 14}, {6, 4}, {9, 9}, {11, 6}, {15, 14}}));
  };
  t[7] = [](QPainter& p) {  // refresh: a circular arrow
    p.setPen(QPen(QColor(0x20, 0x80, 0x20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 10, 10), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x80, 0x20));
    p.drawPolygon(QPolygonF({{9, 0}, {14, 3}, {9, 6}}));
  };
  t[8] = [](QPainter& p) {  // place search: a magnifier over a pin
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 1));
    p.setBrush(QColor(0xE0, 0x40, 0x40));
    p.drawEllipse(3, 3, 5, 5);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(1, 1, 9, 9);
    p.drawLine(9, 9, 14, 14);
  };
  t[9] = [](QPainter& p) {  // home: a house
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xC0, 0x40, 0x20));
    p.drawPolygon(QPolygonF({{7.5, 1}, {14, 7}, {1, 7}}));
    p.setBrush(QColor(0xF0, 0xE0, 0xB0));
    p.drawRect(3, 7, 9, 7);
    p.setBrush(QColor(0x60, 0x40, 0x20));
    p.drawRect(6, 10, 3, 4);
  };
  t[10] = [](QPainter& p) {  // favourites: a star
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
      const double r = (k % 2) ? 3.0 : 7.0;
      const double a = M_PI / 5 * k - M_PI / 2;
      star << QPointF(7.5 + r * std::cos(a), 8 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(0x90, 0x70, 0x00), 1));
    p.setBrush(QColor(0xF0, 0xC0, 0x10));
    p.drawPolygon(star);
  };
  auto jump = [](double x) {
    return [x](QPainter& p) {
      p.setPen(QPen(QColor(0x00, 0x90, 0x00), 2));
      p.drawLine(1, 8, 14, 8);
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(QColor(0xE0, 0x20, 0x20));
      p.drawEllipse(QRectF(x - 3, 5, 6, 6));
    };
  };
  t[12] = jump(3);
  t[13] = jump(7.5);
  t[14] = jump(12);
  t[15] = [](QPainter& p) {  // route from track: a track line with route points on it
    p.setPen(QPen(QColor(0x00, 0x90, 0x00), 2));
    p.drawPolyline(QPolygonF({{1, 13}, {5, 6}, {10, 10}, {14, 2}}));
    p.setPen(QPen(QColor(0x00, 0x00, 0xC0), 1));
    p.setBrush(Qt::yellow);
    for (QPointF c : {QPointF(1, 13), QPointF(10, 10), QPointF(14, 2)}) p.drawRect(QRectF(c.x() - 2, c.y() - 2, 4, 4));
  };
  t[16] = [](QPainter& p) {  // play: a triangle
    p.setPen(QPen(QColor(0x00, 0x60, 0x00), 1));
    p.setBrush(QColor(0x20, 0xB0, 0x20));
    p.drawPolygon(QPolygonF({{4, 2}, {13, 8}, {4, 14}}));
  };
  t[17] = [](QPainter& p) {  // stop: a square
    p.setPen(QPen(QColor(0x80, 0x00, 0x00), 1));
    p.setBrush(QColor(0xD0, 0x20, 0x20));
    p.drawRect(3, 3, 10, 10);
  };
  return t;
}

// --- Splash.png and Vendor.png --------------------------------------------------
QImage banner(int w, int h, const QString& title, const QString& subtitle) {
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(0x1C, 0x4E, 0x8C));
  sky.setColorAt(1, QColor(0x6F, 0xA8, 0xDC));
  p.fillRect(img.rect(), sky);
  // Contour lines of an imaginary landscape.
  p.setPen(QPen(QColor(255, 255, 255, 60), 1.2));
  for (int k = 0; k < 7; ++k) {
    QPainterPath line;
    const double y0 = h * 0.35 + k * h * 0.1;
    line.moveTo(0, y0);
    for (int x = 0; x <= w; x += 8)
      line.lineTo(x, y0 + std::sin(x * 0.03 + k) * h * 0.06);
    p.drawPath(line);
  }
  // A track with its start and end marks.
  p.setPen(QPen(QColor(0xFF, 0x90, 0x20), 3));
  QPainterPath track;
  track.moveTo(w * 0.62, h * 0.8);
  track.cubicTo(w * 0.72, h * 0.2, w * 0.82, h * 0.9, w * 0.95, h * 0.25);
  p.drawPath(track);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x30, 0xD0, 0x30));
  p.drawEllipse(QPointF(w * 0.62, h * 0.8), 4, 4);
  p.setBrush(QColor(0xE0, 0x30, 0x30));
  p.drawEllipse(QPointF(w * 0.95, h * 0.25), 4, 4);
  p.setPen(Qt::white);
  QFont big(QStringLiteral("DejaVu Sans"));
  big.setBold(true);
  big.setPixelSize(int(h * 0.34));
  p.setFont(big);
  p.drawText(QRectF(w * 0.04, h * 0.1, w * 0.6, h * 0.45), Qt::AlignLeft | Qt::AlignVCenter, title);
  QFont small(QStringLiteral("DejaVu Sans"));
  small.setPixelSize(int(h * 0.15));
  p.setFont(small);
  p.drawText(QRectF(w * 0.04, h * 0.58, w * 0.6, h * 0.3), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
  return img;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: imagegen <output folder>\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
  bool ok = writeStrip(out + "Buttons.bmp", 32, buttonTiles());
  ok = writeStrip(out + "POI_Icons.bmp", 16, poiTiles()) && ok;
  ok = writeStrip(out + "Tabs.bmp", 16, tabTiles()) && ok;
  ok = writeStrip(out + "Turns.bmp", 16, turnTiles()) && ok;
  ok = writeStrip(out + "Menus.bmp", 16, menuTiles()) && ok;
  ok = banner(377, 99, QStringLiteral("Trevik AP"), QStringLiteral("GPS navigator and track logger")).save(out + "Splash.png") && ok;
  ok = banner(264, 69, QStringLiteral("Trevik"), QStringLiteral("Navigation & tracking")).save(out + "Vendor.png") && ok;
  if (!ok) {
    std::fprintf(stderr, "imagegen: could not write the images into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
