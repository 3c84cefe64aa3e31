#pragma once
// Keeps the virtual device's memory between runs in a small text file: one keyword per line,
// numbers in decimal, the identity and preset names in hexadecimal so blanks survive.

#include <optional>
#include <string>

#include "device_memory.h"

std::string FormatDeviceState(const DeviceMemory& memory);
// Starts from the factory memory and takes every line of the text; nothing when a line is
// malformed or a value out of range.
std::optional<DeviceMemory> ParseDeviceState(const std::string& text);

bool SaveDeviceState(const DeviceMemory& memory, const std::string& path);
std::optional<DeviceMemory> LoadDeviceState(const std::string& path);
