#pragma once
// The name a user gives a mode file becomes part of a path: folder/name.Nddt. A name is taken only
// when that path stays a file directly inside the folder, on every system the files may travel to.

#include <cstddef>
#include <string>
#include <string_view>

// The longest name, in UTF-8 bytes: file names end at 255 bytes, and the longest file a save makes
// is the side file "~" + name + ".partial" (see WriteModeFile).
inline constexpr std::size_t ModeNameByteLimit = 255 - 9;

// Why the name cannot be a mode file's name, for the user; empty when it can. A name may hold
// inner dots ("Song.v1.2") and any printable character except the path and wildcard characters
// \ / : * ? " < > |; refused are also "..", control characters, a name of nothing but blanks, a
// name the system keeps for a device (CON, NUL, COM1, ...), and a name past ModeNameByteLimit.
// The empty name is the caller's: it means "no name" and is not checked here.
std::string ModeNameRefusal(std::string_view name);
