#include "Apexception.h"

SerialException::SerialException(int32_t code, int32_t value, const std::string& message)
    : std::runtime_error(message), Code(code), Value(value) {}

ProtException::ProtException(int32_t code, int32_t value, const std::string& message)
    : std::runtime_error(message), Code(code), Value(value) {}

FileException::FileException(int32_t code, const std::string& message)
    : std::runtime_error(message), Code(code) {}
