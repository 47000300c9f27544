// Under node every standard stream looks like a terminal to emscripten's libc;
// the terminal edition picks its plain or protocol form by asking, so the
// answer comes from node about the real stream.
#include <emscripten.h>

EM_JS(int, hostIsTerminal, (int fd), { return require('tty').isatty(fd) ? 1 : 0; });

extern "C" int isatty(int fd) { return hostIsTerminal(fd); }
