// Under node every standard stream looks like a terminal to emscripten's libc;
// the terminal edition picks its plain or protocol form by asking, so the
// answer comes from node about the real stream.
#include <emscripten.h>
#include <cstdio>

EM_JS(int, hostIsTerminal, (int fd), { return require('tty').isatty(fd) ? 1 : 0; });

extern "C" int isatty(int fd) { return hostIsTerminal(fd); }

namespace {

// For the same reason libc would flush at every line, two writes to node a
// line; into a pipe or a file the output waits, as natively, for the flush at
// the end of each order.
const int outputBuffered = hostIsTerminal(1) ? 0 : std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);

}  // namespace
