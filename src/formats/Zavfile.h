#pragma once
// The ZAV file: tab-separated destinations, one line each (24 fields) between
// a header line and the end line "ZAVEOF". Text is 8-bit in the code page of
// the run-time locale (the selected language), lines end in CR LF.
#include "Filebase.h"

#include <QCoreApplication>
#include <QString>

class DestStorage;

// The extension by which the destination page picks this class.
extern const QString zavFileExtension;  // ".zav"

class ZavFile : public FileBase {
  Q_DECLARE_TR_FUNCTIONS(ZavFile)

 public:
  explicit ZavFile(DestStorage& store);

  // Adds the file's destinations to the store. 0, with the reason in
  // Error(), when the file cannot be read, its first line is no ZAV header,
  // it ends before the end line (cut short) or a line is no text; lines
  // whose latitude or longitude holds no number (0 is one), or without a
  // title, category or sub-category, are skipped. After a
  // failure the store may hold part of the file: load into a store of its own.
  int Load(const QString& path) override;
  // Writes every active destination, grouped by category and sub-category.
  // 0 when the file could not be written whole; the old file then stays.
  // Gaps() names what the file cannot hold: the categories and
  // sub-categories without destinations (but the defaults, which every start
  // brings back), the destinations under no category, and the names, titles
  // and information texts longer than its fields (20, 32 and 4000
  // characters), which it holds cut.
  int Save(const QString& path) override;
};
