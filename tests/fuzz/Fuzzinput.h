#pragma once
// Shared bits of the fuzz targets: the readers take paths, so the input goes
// to a file first; a round trip that disagrees stops the run as a finding.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// A path in this process's own scratch folder (removed at exit).
QString ScratchPath(const char* name);

// Writes the input to ScratchPath(name) and returns that path.
QString InputFile(const uint8_t* data, size_t size, const char* name);

// The whole file; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);

// The input as a C string holds it: up to its first NUL.
std::string CText(const uint8_t* data, size_t size);

// Reports and aborts, which libFuzzer records as a crash with its input.
[[noreturn]] void Fail(const char* what);

// Fail unless the two saves agree byte for byte.
void ExpectSame(const QByteArray& first, const QByteArray& second, const char* what);

}  // namespace fuzz
