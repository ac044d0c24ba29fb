#pragma once
// Decoder of the logger's raw GPS log as downloaded from the device.
//
// The log is a sequence of 4096-byte blocks of checksummed records: full
// records carry an absolute earth-centred position and a 30-bit GPS time,
// delta and small delta records carry steps from the previous record. A
// record never crosses a block boundary. One log is decoded at a time
// through a process-wide decoder state: ResetGpsLog, then ReadGpsLogFix
// until it returns 0. Nothing is reported: damaged records are skipped.
#include <cstddef>
#include <cstdint>

// One decoded fix, as handed to the track import.
struct GpsLogFix {
  double Latitude = 0;   // radians, WGS-84
  double Longitude = 0;  // radians
  double Altitude = 0;   // always 0
  double X = 0, Y = 0, Z = 0;  // earth-centred position, metres
  std::int32_t Year = 0;  // full year, UTC
  std::int32_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  std::int32_t SegmentFlag = 0;  // 0..7; non-zero starts a new track
};

// A UTC calendar time as filled by ConvertGpsTimeToUtc.
struct GpsUtcTime {
  std::uint8_t Year = 0;  // year - 1900
  std::uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  std::int32_t Nanoseconds = 0;
};

// The receiver clock's UTC correction. Leap seconds come from a table of
// their own (GpsLeapSeconds): one fixed count cannot serve logs that may
// date from 2005 to 2039.
struct GpsUtcParameters {
  std::int32_t ReferenceTime = -1;  // GPS seconds; -1: no parameters
  double A0 = 0;                    // clock offset, seconds
  double A1 = 0;                    // clock drift, seconds per second
};
extern GpsUtcParameters gpsUtcParameters;

// File descriptor of the log, opened for reading by the caller.
using GpsLogHandle = int;
constexpr GpsLogHandle kInvalidGpsLogHandle = -1;

constexpr std::size_t kGpsLogBlockSize = 4096;
constexpr std::uint32_t kGpsLogInvalidState = 0xC0000000u;

// Starts a new log: returns 0 for the invalid handle, otherwise clears the
// decoder state, loads the default UTC parameters and returns 1.
int ResetGpsLog(GpsLogHandle handle);

// Reads on until one good record has been applied and fills the fix;
// returns the number of bytes read since the reset (> 0), or 0 at the end of
// the log (short read, read error, erased memory / 0xFF padding), leaving
// the fix untouched then.
std::uint64_t ReadGpsLogFix(GpsLogHandle handle, GpsLogFix& fix);

void LoadGpsLogDefaults();

// Two's complement of the byte sum, 16 bits.
std::uint16_t ComputeGpsLogChecksum(const unsigned char* bytes, std::size_t count);

// GPS seconds since 1980-01-06 (+ nanoseconds) to UTC. True when the UTC
// parameters were applied; false when there are none (the calendar then
// holds the plain GPS time).
bool ConvertGpsTimeToUtc(std::uint32_t gpsSeconds, std::int32_t nanoseconds, GpsUtcTime& out);

// GPS - UTC in whole seconds at the given GPS time.
int GpsLeapSeconds(std::int64_t gpsSeconds);

// Earth-centred X, Y, Z in metres to WGS-84 latitude and longitude in
// radians (Borkowski's closed form). Points within 1 m of the axis or
// within 6300 km of the centre give a pole.
void ConvertEcefToGeodetic(double x, double y, double z, double& latitude, double& longitude);
