#pragma once
// The simulator's TCP side: a listening socket on the loopback address only, so a test or a
// demonstration never offers the virtual device to the network. POSIX sockets; no Qt here.

#include <string>

struct TcpListener {
  int fd = -1;    // the listening socket, non-blocking; -1 when it could not be made
  int port = 0;   // the port it listens on (the system's choice when 0 was asked for)
  std::string error;
};

// Listens on 127.0.0.1:port (0: any free port).
TcpListener ListenOnLoopback(int port);

// Takes the next waiting connection as a non-blocking socket, or -1.
int AcceptClient(int listener);

// "tcp://127.0.0.1:PORT": what the simulator prints and what the panel takes as --port.
std::string LoopbackAddress(int port);
