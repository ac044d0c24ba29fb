#pragma once
// The click reports of the map page: "COMMAND:index(lat,lng)".
#include <QString>

// Reports longer than this are dropped unread.
inline constexpr int kMaxMapReportLength = 256;

// What a click report of the map page asks for.
enum MapCommand : int { mcAdd = 0, mcModify = 1, mcCenter = 2, mcSelect = 3, mcNone = -1 };

// The last click report looked at from the map page.
extern QString lastMapMessage;

// Reads a report "COMMAND:index(lat,lng)". An empty report, a repetition of
// the last one, and one that does not parse give mcNone. The index is read
// for "SEL" and "MODIFY", the position (rounded to 5 decimals) for all but
// "SEL".
MapCommand ParseMapMessage(const QString& report, int& index, double& latitude, double& longitude);
