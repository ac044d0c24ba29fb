#pragma once
// Whether a collection holds changes that are in no file and not on the
// device: it differs from what it held when it was last saved, sent or
// loaded. The collection's whole content is compared by a hash, so an edit
// counts wherever it was made (a page, an editor through a pointer, a map
// click), and an edit undone by hand counts as none.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Builds a content hash from the values of a collection, in order.
class ContentHash {
 public:
  ContentHash& Add(const void* bytes, std::size_t size) {
    // 64-bit FNV-1a: fast enough for a million track points on each ask.
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) value_ = (value_ ^ p[i]) * 0x100000001B3ull;
    return *this;
  }
  template <class T>
  ContentHash& Value(const T& v) {
    return Add(&v, sizeof v);
  }
  // A text with its length, so that "ab"+"c" and "a"+"bc" differ.
  ContentHash& Text(const QString& s) {
    Value(s.size());
    return Add(s.constData(), std::size_t(s.size()) * sizeof(QChar));
  }
  ContentHash& Text(std::string_view s) {
    Value(s.size());
    return Add(s.data(), s.size());
  }
  std::uint64_t Result() const { return value_; }

 private:
  std::uint64_t value_ = 0xCBF29CE484222325ull;
};

// Kept by each store: set by every change of its content, cleared by
// MarkSaved once the collection is in a file, on the device or loaded anew.
// An empty collection has nothing to lose, whatever it held before.
class ChangeMark {
 public:
  bool HasUnsavedChanges() const { return !IsEmpty() && Fingerprint() != saved_; }
  // The mark is no part of the content: a store's const save may clear it.
  void MarkSaved() const { saved_ = Fingerprint(); }

 protected:
  ChangeMark() = default;
  ~ChangeMark() = default;
  // The hash of the collection's content.
  virtual std::uint64_t Fingerprint() const = 0;
  virtual bool IsEmpty() const = 0;

 private:
  mutable std::uint64_t saved_ = 0;
};
