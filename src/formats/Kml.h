#pragma once
// KML 2.2 object model and the track export.
//
// The export turns every checked track into one Document: the styles
// "normal", "highlight" and "Track", the style map "Waypoints", one
// placemark per point (with a small HTML table of its position and time) and
// one line through all points. TKml::SaveToFile writes the model as UTF-8.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QXmlStreamWriter;
class TTrackList;
class TTrackStorage;

// Owns its elements, in insertion order. The cursor serves the walk and
// FindById.
template <typename T>
class TKmlXXXStorage {
 public:
  using const_iterator = typename std::vector<std::unique_ptr<T>>::const_iterator;

  TKmlXXXStorage() = default;
  TKmlXXXStorage(const TKmlXXXStorage&) = delete;
  TKmlXXXStorage& operator=(const TKmlXXXStorage&) = delete;
  virtual ~TKmlXXXStorage() { Clear(); }

  bool Add(std::unique_ptr<T> item) {
    items_.push_back(std::move(item));
    return true;
  }
  void Reserve(std::size_t n) { items_.reserve(n); }

  // Deletes the elements from the last to the first.
  void Clear() {
    while (!items_.empty()) items_.pop_back();
    cursor_ = 0;
  }

  // The first element whose Id is exactly the text, or null. The search
  // stops at the first element without an Id; an empty text is never found.
  // The cursor is left on the element found, or at the end.
  T* FindById(const QString& id) {
    cursor_ = 0;
    if (!id.isEmpty()) {
      for (; cursor_ < items_.size() && !items_[cursor_]->Id.isEmpty(); ++cursor_)
        if (items_[cursor_]->Id == id) return items_[cursor_].get();
    }
    cursor_ = items_.size();
    return nullptr;
  }

  // Walk from the first element to the last; null at the end.
  T* First() {
    cursor_ = 0;
    return Current();
  }
  T* Next() {
    if (cursor_ < items_.size()) ++cursor_;
    return Current();
  }

  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  T* At(std::size_t i) const { return i < items_.size() ? items_[i].get() : nullptr; }
  const_iterator begin() const { return items_.begin(); }
  const_iterator end() const { return items_.end(); }

 private:
  T* Current() const { return cursor_ < items_.size() ? items_[cursor_].get() : nullptr; }

  std::vector<std::unique_ptr<T>> items_;
  std::size_t cursor_ = 0;
};

struct TIconStyle {
  std::uint32_t Color = 0;  // aabbggrr
  double Scale = 1;
  std::string Href;  // the icon image's address
};

struct TLineStyle {
  std::uint32_t Color = 0;  // aabbggrr
  double Width = 1;         // pixels
};

struct TStyle {
  std::unique_ptr<TIconStyle> IconStyle;  // may be null
  std::unique_ptr<TLineStyle> LineStyle;  // may be null
  QString Id;
};

struct TStyleMap {
  const TStyle* Normal = nullptr;     // not owned
  const TStyle* Highlight = nullptr;  // not owned
  QString Id;
};

struct TCoordinate {
  double Latitude = 0;   // degrees
  double Longitude = 0;  // degrees
  double Altitude = 0;   // metres
};

struct TKmlPoint {
  std::optional<TCoordinate> Coordinate;  // a point without one is not written
  const TStyleMap* StyleMap = nullptr;    // not owned
  std::string Time;                       // UTC, "2014-05-03T08:15:30Z"; empty when unknown
};

class TKmlDocument {
 public:
  TKmlDocument() = default;
  TKmlDocument(const TKmlDocument&) = delete;
  TKmlDocument& operator=(const TKmlDocument&) = delete;
  // Points go before the style maps they use, and those before their styles.
  ~TKmlDocument();

  QString Name;
  QString Snippet;
  TKmlXXXStorage<TStyle> Styles;
  TKmlXXXStorage<TStyleMap> StyleMaps;
  TKmlXXXStorage<TKmlPoint> Points;

  // Appends one Document element; false (and nothing written) without a
  // writer.
  bool WriteXml(QXmlStreamWriter* w) const;
};

class TKml {
 public:
  TKmlXXXStorage<TKmlDocument> Documents;

  // Writes kml > Folder > the documents as UTF-8. False when the file could
  // not be written; an old file at the path then stays as it was.
  bool SaveToFile(const QString& path) const;
};

// The document of the track at store position `number` (every track of the
// store counts): styles in the track's colour, its points and its line.
std::unique_ptr<TKmlDocument> MakeTrackDocument(const TTrackList& track, std::size_t number);

// Writes the tracks whose rows are checked (the store's row query) as a KML
// file. Returns the number of all tracks in the store, or kKmlExportFailed
// when the file could not be written (an old file then stays as it was).
constexpr int kKmlExportFailed = -1;
int ExportKml(TTrackStorage& store, const QString& path);

// The map provider's public donut icon that the KML styles use.
extern const char* const kKmlDonutIconHref;
