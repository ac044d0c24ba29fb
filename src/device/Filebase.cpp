#include "Filebase.h"

FileBase::~FileBase() = default;
