#pragma once
// The plain file a transfer reads from or writes to.
#include <cstddef>
#include <string>

class BestFile {
 public:
  BestFile() = default;
  virtual ~BestFile();
  BestFile(const BestFile&) = delete;
  BestFile& operator=(const BestFile&) = delete;

  // Both close first; they throw FileException feOpenRead / feOpenWrite with the path.
  void OpenRead(const std::string& path);
  void OpenWrite(const std::string& path);  // creates or truncates
  void Close();
  bool IsOpen() const { return Handle >= 0; }

  // Read fills the buffer unless the end of the file comes first; Write writes
  // everything. Both throw FileException feRead / feWrite when closed or on error.
  size_t Read(void* buffer, size_t count);
  size_t Write(const void* buffer, size_t count);

 private:
  int Handle = -1;
};
