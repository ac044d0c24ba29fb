#pragma once
// The latitude and longitude inputs of the editors, read alike in all of them.
class QLineEdit;

// Reads both edits with ReadCoordinate ("." or "," as the decimal separator).
// The first refused one gets one error box that names the field and its
// range, and the focus with its text selected; latitude and longitude are
// set only when both are good.
bool ReadCoordinateEdits(QLineEdit* lat, QLineEdit* lon, double& latitude, double& longitude);
