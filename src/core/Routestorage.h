#pragma once
// The one route of the program: named route points with a turn instruction
// and an elevation, at most 100 when added by hand, names unique.
//
// The device's route file (little-endian): a 20-byte header (version: 1
// without, 2 with elevations; point count; offsets of the character table,
// of the glyphs and of the end; 2 reserved bytes; checksum of bytes 0-17),
// then the points (name as 32 device codes, turn, latitude and longitude
// times 100000 truncated, version 2: elevation), the character table (one
// UTF-16 unit per code, entry 0 is 0) and one font-bank glyph per entry.
#include <QString>

#include "Changemark.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TFontBank;

enum TurnType : std::int32_t {
  ttNone = 0,
  ttSlightLeft = 1,
  ttStraight = 2,
  ttSlightRight = 3,
  ttLeft = 4,
  ttUTurn = 5,
  ttRight = 6,
  ttSharpLeft = 7,
  ttSharpRight = 8,
};

// A stored turn outside the known values is kept as it is, but means "not
// set" to everything that shows or uses it.
inline TurnType TurnOrNone(std::int32_t turn) {
  return turn >= ttNone && turn <= ttSharpRight ? static_cast<TurnType>(turn) : ttNone;
}

enum RouteAddResult { raDuplicateName = 0, raFull = 1, raAdded = 2 };

struct RouteWpt {
  QString Name;  // at most 32 UTF-16 units; unique within the route
  std::int32_t Turn = ttNone;
  double Latitude = 0;   // degrees
  double Longitude = 0;  // degrees
  std::int32_t Elevation = 0;  // metres; 0 while none is known
};

class RouteStorage : public ChangeMark {
 public:
  static constexpr std::int32_t MaxPoints = 100;
  static constexpr int kMaxNameLength = 32;

  // The glyphs of saved files come from the given bank.
  explicit RouteStorage(const TFontBank& bank);
  RouteStorage();  // the process-wide font bank

  // raFull at MaxPoints points (tested first), raDuplicateName when a point
  // has the name (cut to 32 units first), else adds the point before the one
  // at insertAt, or at the end for -1 or a position past the last point.
  RouteAddResult AddPoint(const QString& name, double latitude, double longitude, std::int32_t turn,
                          int insertAt = -1);
  // A point the program names itself: the decimal text of firstNumber, or of
  // the next number while that name is taken. Ends with raAdded or raFull.
  RouteAddResult AddNumberedPoint(std::size_t firstNumber, double latitude, double longitude,
                                  std::int32_t turn, int insertAt = -1);
  // Destroys the point of that name; its former position or -1.
  int DeletePoint(const QString& name);
  bool SetElevation(int position, std::int32_t metres);
  bool SetTurn(int position, std::int32_t turn);
  // Turn -1 keeps the point's turn.
  bool SetPosition(int position, double latitude, double longitude, std::int32_t turn);
  // False when no point has the old name or another point has the new one.
  bool ModifyPoint(const QString& oldName, const QString& newName, double latitude, double longitude,
                   std::int32_t turn);
  RouteWpt* FindPoint(const QString& name);

  // Point walk: First rewinds (false for an empty route), Next yields the
  // point at the cursor and advances, null at the end.
  bool First();
  RouteWpt* Next();

  std::size_t Count() const { return points_.size(); }
  RouteWpt* At(std::size_t position) const {
    return position < points_.size() ? points_[position].get() : nullptr;
  }
  void Clear();

  // 1 for success, 0 for failure (nothing is left half-written then).
  int SaveDeviceFile(const QString& path, bool withElevation) const;
  // 1 for success. A file that cannot be read, a bad checksum, an unknown
  // version, or a table or points outside the file give 0 and leave the
  // route as it was. A load clears the change mark.
  int LoadDeviceFile(const QString& path);

 protected:
  std::uint64_t Fingerprint() const override;
  bool IsEmpty() const override { return points_.empty(); }

 private:
  int indexOf(const QString& name) const;

  const TFontBank& bank_;
  std::vector<std::unique_ptr<RouteWpt>> points_;
  std::size_t cursor_ = 0;
};

extern RouteStorage routeStorage;
