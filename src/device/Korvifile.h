#pragma once
// The device's destination database (".mgi").
//
// Little-endian, seven consecutive sections:
//   header (36 bytes)
//     0 version 1 | 2 reserved | 4 header size 36 | 6 category count
//     8 N name length in codes | 10 T text length in codes
//     12 destination offset | 16 text offset | 20 table offset
//     24 glyph offset | 28 end | 32 reserved | 34 checksum
//   category records      (N + 2) * 2 bytes: position, sub-category count, N name codes
//   sub-category records  same size: position, destination count, N name codes
//                         (all of category 0, then category 1, ...)
//   destination records   20 + 2N bytes: u8 category, 0, u16 sub-category,
//                         u32 running text value, u16 text length, 0,
//                         s32 latitude * 1e5, s32 longitude * 1e5, N title codes
//   texts                 each destination's text codes, back to back
//   character table       u16 per entry, entry 0 first
//   glyphs                one font-bank glyph per table entry
// A code is the position of its character in the file's own table; code 0
// pads and ends names.
#include "Filebase.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

class TFontBank;

// Ignoring case, the extension that selects this file class.
extern const QString korviFileExtension;

// 16 bits that bring the sum of the bytes (unsigned) plus the checksum to 0.
std::uint16_t ComputeHeaderChecksum(const std::uint8_t* bytes, int count);

class KorviFile : public FileBase {
  Q_DECLARE_TR_FUNCTIONS(KorviFile)

 public:
  // The glyphs come from `bank`, the process-wide font bank unless given.
  explicit KorviFile(DestStorage& store);
  KorviFile(DestStorage& store, const TFontBank& bank);

  // Merges the file into the store and makes its name and text lengths the
  // program-wide ones. Each destination whose title is new is filed by name:
  // under the store's category of its category's name and the sub-category
  // of its sub-category's name there, each found or added. A record whose
  // indexes name no category or sub-category of the file is left out
  // (LeftOut()). The whole file is checked first: a refused file changes
  // neither the store nor the lengths.
  int Load(const QString& path) override;

  // Writes the store's device index. Refuses (0, old file untouched) a store
  // the file cannot hold: more than 255 categories, more than 65535
  // sub-categories in a category or destinations in a sub-category, a
  // position that does not fit, or a failed write. Gaps() counts the
  // destinations under no category, which no record can hold.
  int Save(const QString& path) override;

 private:
  const TFontBank& bank_;
};
