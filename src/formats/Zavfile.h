#pragma once
// The ZAV file: tab-separated destinations, one line each (24 fields) between
// a header line and the end line "ZAVEOF". Text is 8-bit in the code page of
// the run-time locale (the selected language), lines end in CR LF.
#include "Filebase.h"

#include <QString>

class DestStorage;

// The extension by which the destination page picks this class.
extern const QString zavFileExtension;  // ".zav"

class ZavFile : public FileBase {
 public:
  explicit ZavFile(DestStorage& store);

  // Adds the file's destinations to the store. 0 when the file cannot be
  // read or its first line is no ZAV header; lines without a position,
  // title, category or sub-category are skipped.
  int Load(const QString& path) override;
  // Writes every active destination, grouped by category and sub-category.
  // 0 when the file could not be written whole; the old file then stays.
  int Save(const QString& path) override;
};
