#include "cli/console_streams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <streambuf>
#endif

namespace brg::cli {

#ifdef _WIN32
namespace {

// Writes through to `target`, a CR before each LF that has none.
class CrLfBuffer : public std::streambuf {
 public:
  explicit CrLfBuffer(std::streambuf* target) : target_(target) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
      return traits_type::not_eof(c);
    }
    if (c == '\n' && last_ != '\r' &&
        traits_type::eq_int_type(target_->sputc('\r'), traits_type::eof())) {
      return traits_type::eof();
    }
    last_ = c;
    return target_->sputc(static_cast<char>(c));
  }
  int sync() override { return target_->pubsync(); }

 private:
  std::streambuf* target_;
  int_type last_ = 0;
};

}  // namespace

void PrepareConsoleStreams() {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // Never destroyed: the streams flush into them until the very end of the program.
  std::cout.rdbuf(new CrLfBuffer(std::cout.rdbuf()));
  std::cerr.rdbuf(new CrLfBuffer(std::cerr.rdbuf()));
}
#else
void PrepareConsoleStreams() {}
#endif

}  // namespace brg::cli
