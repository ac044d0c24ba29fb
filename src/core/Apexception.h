#pragma once
// The error classes of the device link. All three are runtime errors (the
// program's general exception class) and are told apart by class and Code,
// never by message text.
#include <cstdint>
#include <stdexcept>
#include <string>

// Codes of SerialException. Value is the port number for the open errors.
enum SerialError : int32_t {
  seOpenFailed = 1,
  seAlreadyOpen = 2,
  seNotOpen = 3,
  seGetCommState = 4,
  seSetCommState = 5,
  seSetCommTimeouts = 6,
  seSetupComm = 7,
  seClearCommError = 9,
  sePurgeComm = 10,
  seReadFile = 11,
  seWriteFile = 12,
};

// Codes of ProtException (Value is always 0).
enum ProtError : int32_t {
  peNoPort = 0,
  peTimeout = 1,
  peTooManyRetries = 3,
  peCancelled = 4,
};

// Codes of FileException. The message is the path for the two open errors.
enum FileError : int32_t {
  feOpenRead = 0,
  feOpenWrite = 1,
  feRead = 2,
  feWrite = 3,
};

class SerialException : public std::runtime_error {
 public:
  SerialException(int32_t code, int32_t value, const std::string& message = std::string());
  int32_t Code;
  int32_t Value;
};

class ProtException : public std::runtime_error {
 public:
  ProtException(int32_t code, int32_t value, const std::string& message = std::string());
  int32_t Code;
  int32_t Value;
};

class FileException : public std::runtime_error {
 public:
  // message: the file's path (UTF-8) for feOpenRead and feOpenWrite.
  FileException(int32_t code, const std::string& message = std::string());
  int32_t Code;
};
