#pragma once
// The waypoint store and the device's waypoint file.
//
// Device file: no header, 16-byte records, little-endian: UTC year - 1900,
// month, day, hour, minute, second (one byte each), icon, a reserved 0, then
// latitude and longitude * 100000 as signed 32-bit integers. The records end
// at the end of the file or at a record whose bytes 0, 1, 3 and 4 are 0xFF;
// a record of nothing but 0x1A is a transfer's padding.
#include "Changemark.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One waypoint. The name is 8-bit text (UTF-8), by convention the local
// creation time "YYYY/MM/DD hh:mm:ss"; it is the waypoint's key.
struct sUserPOI {
  static constexpr int kNameSize = 26;  // 25 bytes and the terminator

  char Name[kNameSize] = {};
  std::uint16_t Year = 0;  // local time
  std::uint8_t Month = 0;
  std::uint8_t Day = 0;
  std::uint8_t Hour = 0;
  std::uint8_t Minute = 0;
  std::uint8_t Second = 0;
  std::uint8_t Icon = 0;
  double Latitude = 0;
  double Longitude = 0;

  // Stores name, cut to 25 bytes without splitting a UTF-8 character.
  void SetName(std::string_view name);
};

// What a load of the device file kept and what it left out.
struct PoiFileReport {
  int Kept = 0;        // waypoints read
  int CutShort = 0;    // bytes of a last record that the file cuts short (0: none)
  int Unreadable = 0;  // records with no valid time, a position off the earth or an icon without a picture
  int SameTime = 0;    // records of the same second as an earlier one: the name is taken
  int LeftOut() const { return (CutShort > 0 ? 1 : 0) + Unreadable + SameTime; }
};

class TPoiStorage : public ChangeMark {
 public:
  TPoiStorage();
  ~TPoiStorage();
  TPoiStorage(const TPoiStorage&) = delete;
  TPoiStorage& operator=(const TPoiStorage&) = delete;

  // Appends and takes ownership; false (the caller keeps it) when the exact
  // name exists already or the icon is not below IconCount.
  bool Add(sUserPOI* poi);
  // Deletes the waypoint of exactly this name; its former position or -1.
  int DeleteByName(std::string_view name);
  // The first waypoint of this name, ignoring letter case, or null.
  sUserPOI* FindByName(std::string_view name) const;

  // Filter walk in store order: icon == IconCount means any icon, year,
  // month and day all 0 mean any day (the waypoint's local date otherwise).
  sUserPOI* FindFirst(int icon, int year, int month, int day);
  sUserPOI* FindNext();

  int GetCount() const { return static_cast<int>(items_.size()); }
  // The waypoint at a store position, or null outside 0..GetCount()-1.
  sUserPOI* At(int index) const {
    return index >= 0 && index < GetCount() ? items_[static_cast<std::size_t>(index)].get() : nullptr;
  }
  void Clear();

  // Null path: true and nothing done. Load: the waypoints of the file's
  // whole, sound records take the store's place (the change mark is
  // cleared), and report (when given)
  // says what was kept and what was left out; false and the store unchanged
  // when the file cannot be read or none of its records can be kept. Save:
  // false when any write fails, the old file then stays as it was; leftOut
  // (when given) counts the waypoints that a record cannot hold and that
  // were therefore not written.
  bool LoadDeviceFile(const char* path, PoiFileReport* report = nullptr);
  bool SaveDeviceFile(const char* path, int* leftOut = nullptr) const;

  int IconCount = 0;  // number of waypoint icons; set once at start

 protected:
  std::uint64_t Fingerprint() const override;
  bool IsEmpty() const override { return items_.empty(); }

 private:
  bool Matches(const sUserPOI& p) const;
  void Index(sUserPOI* p);

  std::vector<std::unique_ptr<sUserPOI>> items_;
  std::unordered_map<std::string, sUserPOI*> byName_;                   // exact names
  std::unordered_map<std::string, std::vector<sUserPOI*>> byFolded_;   // case-folded, store order
  std::size_t cursor_ = 0;
  int filterIcon_ = 0, filterYear_ = 0, filterMonth_ = 0, filterDay_ = 0;
};

// The process-wide store.
extern TPoiStorage poiStorage;
