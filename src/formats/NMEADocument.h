#pragma once
// NMEA 0183 export of tracks: one "$GPGGA" (fix data) sentence per track
// point, every track of the store (checked or not), CR LF after each.
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class TTrackStorage;
class TextFile;

// One fix.
struct GGAType {
  double Time = 0;  // day-count date-time, UTC
  double Latitude = 0;   // degrees, north positive
  double Longitude = 0;  // degrees, east positive
  std::uint8_t FixQuality = 1;  // GPS fix
  std::uint8_t Satellites = 0;
  float Hdop = 0;
  double Altitude = 0;  // metres
  double GeoidSeparation = 0;  // metres
};

struct NMEAType {
  std::vector<GGAType> Gga;
};

// Appends one fix per point of every track, in store order.
void FillGgaFromTracks(TTrackStorage& store, NMEAType& data);

// The sentence of one fix, "$GPGGA,...*hh" without the line end. Empty for a
// fix that cannot be written: a non-finite value, a time that is no
// date-time, a position off the globe, or a sentence longer than the 82
// characters (line end included) that NMEA 0183 allows.
std::string GgaSentence(const GGAType& fix);

// Writes the sentences, skipping the fixes that GgaSentence refuses.
void WriteGgaSentences(const NMEAType& data, TextFile& file);

class TNMEADocument {
 public:
  virtual ~TNMEADocument() = default;

  NMEAType NmeaData;

  void FromTracks(TTrackStorage& store) { FillGgaFromTracks(store, NmeaData); }
  // False when the file could not be written; an old file then stays.
  bool SaveToFile(const QString& path) const;
};

// Writes every track of the store. Returns the number of tracks, or
// kNmeaExportFailed when the file could not be written.
constexpr int kNmeaExportFailed = -1;
int ExportNmea(TTrackStorage& store, const QString& path);
