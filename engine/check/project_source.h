// A project of several source files read as one source: each file that is compiled or assembled
// on its own (.c, .asm, .s, .pbp, .bas) with the files it includes by name put where its
// #include stands, the files of one language after another, and every line traced back to its
// file. The front end gathers the files; reads none itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brg::engine {

struct SourceFile {
  std::string path;  // as the user will read it: src/uart.c
  std::string text;
};

struct ProjectSource {
  std::string text;  // every line of the files joined
  struct Span {
    int firstLine = 0;  // the joined text's line where the file's run begins
    int lines = 0;
    std::string path;
    int fileLine = 0;  // the file's own line of that first line
  };
  std::vector<Span> spans;

  // The file and its line of a line of `text`; the path empty for line 0.
  std::pair<std::string, int> PlaceOf(int line) const;
};

// The languages a project may hold its set-up in, in the order they are tried.
enum class ProjectLanguage { C, Asm, Basic };

// The language of a file by its name; false when it is none the checker reads.
bool LanguageOfFile(std::string_view path, ProjectLanguage& language);

// The files of `language` joined: each unit with what it includes from the project (once per
// unit, never in a circle), the units in the order given.
ProjectSource JoinProject(const std::vector<SourceFile>& files, ProjectLanguage language);

}  // namespace brg::engine
