#pragma once

namespace tarnwick::net {

// Makes a write to a departed peer fail with EPIPE instead of killing the
// process. Called once at start-up, before any thread is started; covers
// writes that do not go through TcpStream (which sends with MSG_NOSIGNAL).
void ignore_sigpipe();

}  // namespace tarnwick::net
