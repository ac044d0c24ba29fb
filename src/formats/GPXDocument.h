#pragma once
// GPX 1.1 document model (one record per complex type of the schema that the
// program uses) and its writer. Records are filled by the exports and written
// by TGPXDocument::SaveToFile; the field order follows the schema's element
// order.
#include <QString>

#include <cstdint>
#include <vector>

class GpxXmlOut;
class TTrackStorage;

struct LinkType {
  QString Href, Text, Type;
};

struct EmailType {
  QString Id, Domain;
};

struct PersonType {
  QString Name;
  EmailType Email;
  bool HasEmail = false;
  LinkType Link;
  bool HasLink = false;
};

struct CopyrightType {
  QString Author, Year, License;
};

struct MetadataType {
  QString Name;  // not written: the writer uses its own fixed name
  QString Desc;
  PersonType Author;
  bool HasAuthor = false;
  CopyrightType Copyright;
  bool HasCopyright = false;
  std::vector<LinkType> Link;
  double Time = 0;  // day-count date-time, UTC
  bool HasTime = false;
  QString Keywords;
  double MinLat = 0, MinLon = 0, MaxLat = 0, MaxLon = 0;
  bool HasBounds = false;
};

// wpt, rtept and trkpt.
struct WptType {
  double Ele = 0;
  bool HasEle = false;
  double Time = 0;  // day-count date-time, UTC
  bool HasTime = false;
  double MagVar = 0;
  bool HasMagVar = false;
  double GeoidHeight = 0;  // written when not 0
  bool HasGeoidHeight = false;
  QString Name, Cmt, Desc, Src;
  std::vector<LinkType> Link;
  QString Sym, Type;
  std::int32_t Fix = 0;  // never written
  bool HasFix = false;
  QString Sat;
  double Hdop = 0;
  bool HasHdop = false;
  double Vdop = 0;
  bool HasVdop = false;
  double Pdop = 0;
  bool HasPdop = false;
  double AgeOfDgpsData = 0;
  bool HasAgeOfDgpsData = false;
  QString DgpsId;
  double Lat = 0, Lon = 0;
};

struct RteType {
  QString Name, Cmt, Desc, Src;
  std::vector<LinkType> Link;
  QString Number, Type;
  std::vector<WptType> RtePt;
};

struct TrksegType {
  std::vector<WptType> TrkPt;
};

struct TrkType {
  QString Name, Cmt, Desc, Src;
  std::vector<LinkType> Link;
  QString Number, Type;
  std::vector<TrksegType> TrkSeg;
};

struct GPXType {
  MetadataType Metadata;
  std::vector<WptType> Wpt;
  std::vector<RteType> Rte;
  std::vector<TrkType> Trk;
  QString Version, Creator;
};

class TGPXDocument {
 public:
  TGPXDocument();

  GPXType Gpx;

  // Appends one trk per track whose row is checked (the store's row query).
  void FromTracks(TTrackStorage& store);
  static void AddTracks(TTrackStorage& store, GPXType& gpx);

  // Writes Gpx as a GPX 1.1 file (UTF-8, CR LF). False when the file could
  // not be written; the old file at the path is then left as it was.
  bool SaveToFile(const QString& path) const;

  // Writes the content of the root element.
  static void WriteGpx(const GPXType& gpx, GpxXmlOut& root);
};

// Writes the checked tracks of the store as a GPX 1.1 file. Returns the
// number of all tracks in the store, or kGpxExportFailed when the file could
// not be written (an old file at the path then stays as it was).
constexpr int kGpxExportFailed = -1;
int ExportGpx(TTrackStorage& store, const QString& path);

// The GPX text of a number (plain decimal) and of a UTC day-count date-time
// ("2014-05-03T08:04:05Z"; empty when the value is not a date-time of the
// years 1 to 9999).
QString GpxNumberText(double v);
QString GpxTimeText(double dt);
// The time text into a buffer of at least 20 bytes; returns its end (out
// itself when there is no text).
char* GpxTimeChars(char* out, double dt);

// The text with every character that XML cannot carry replaced by U+FFFD.
QString XmlSafeText(const QString& s);
