// The standard streams as the platform's programs use them. On Windows: UTF-8 on the console,
// CR LF line ends on stdout and stderr (a CR LF the output already has stays one), and stdin read
// as bytes, so that CR LF sources and any byte in a comment reach the readers as on Linux. Does
// nothing elsewhere.
#pragma once

namespace brg::cli {

// Once, before anything is written or read.
void PrepareConsoleStreams();

}  // namespace brg::cli
