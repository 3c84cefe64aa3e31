#pragma once
// The bytes of a port's line as its Qt device holds them, the same for a serial line and a network
// socket: every byte of a frame written or none counted as sent, and what has arrived read out.
// A closed device writes and reads nothing.

#include <QIODevice>
#include <cstddef>
#include <cstdint>

// True when the device took all the bytes.
bool WriteAllBytes(QIODevice& device, const std::uint8_t* data, std::size_t size);
std::size_t BytesWaiting(const QIODevice& device);
std::size_t ReadBytes(QIODevice& device, std::uint8_t* out, std::size_t max);
