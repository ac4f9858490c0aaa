#include "engine/check/project_source.h"

#include <algorithm>
#include <set>

#include "core/text.h"

namespace brg::engine {
namespace {

std::string Extension(std::string_view path) {
  std::size_t dot = path.rfind('.');
  std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return "";
  }
  return Upper(path.substr(dot + 1));
}

std::string_view Folder(std::string_view path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
}

std::string_view BaseName(std::string_view path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A header or include file: put where it is included, not read on its own.
bool Included(std::string_view path) {
  std::string extension = Extension(path);
  return extension == "H" || extension == "INC";
}

// The name an include line names: #include "uart.h", include "regs.inc", #include <p16f887.inc>.
std::string IncludedName(std::string_view line) {
  std::string_view text = Trim(line);
  if (!text.empty() && text.front() == '#') {
    text = Trim(text.substr(1));
  }
  if (Upper(text.substr(0, 7)) != "INCLUDE") {
    return "";
  }
  text = Trim(text.substr(7));
  if (text.size() < 2 || (text.front() != '"' && text.front() != '<')) {
    return "";
  }
  char close = text.front() == '"' ? '"' : '>';
  std::size_t end = text.find(close, 1);
  return end == std::string_view::npos ? "" : std::string(text.substr(1, end - 1));
}

class Joiner {
 public:
  explicit Joiner(const std::vector<SourceFile>& files) : files_(files) {}

  void Unit(const SourceFile& file) {
    std::set<const SourceFile*> seen;
    Add(file, seen);
  }

  // The files another file of the project includes: they are read where they are included
  // (an assembly project's #include "uart.asm"), not on their own.
  std::set<const SourceFile*> IncludedByOthers() const {
    std::set<const SourceFile*> included;
    for (const SourceFile& file : files_) {
      std::string_view text = file.text;
      for (std::size_t at = 0; at < text.size();) {
        std::size_t end = std::min(text.find('\n', at), text.size());
        std::string name = IncludedName(text.substr(at, end - at));
        const SourceFile* named = name.empty() ? nullptr : Find(name, file.path);
        if (named != nullptr && named != &file) {
          included.insert(named);
        }
        at = end + 1;
      }
    }
    return included;
  }

  ProjectSource Result() { return std::move(project_); }

 private:
  // The project's file an include names: beside the including file, else by its name anywhere.
  const SourceFile* Find(std::string_view name, std::string_view from) const {
    std::string beside = std::string(Folder(from)) + std::string(name);
    for (const SourceFile& file : files_) {
      if (file.path == beside) {
        return &file;
      }
    }
    for (const SourceFile& file : files_) {
      if (Upper(BaseName(file.path)) == Upper(BaseName(name))) {
        return &file;
      }
    }
    return nullptr;
  }

  void Add(const SourceFile& file, std::set<const SourceFile*>& seen) {
    seen.insert(&file);
    int fileLine = 1;
    int runStart = fileLine;
    std::string run;
    auto flush = [&] {
      int lines = fileLine - runStart;
      if (lines > 0) {
        project_.spans.push_back({line_, lines, file.path, runStart});
        project_.text += run;
        line_ += lines;
      }
      run.clear();
    };
    std::string_view text = file.text;
    while (!text.empty()) {
      std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
      const SourceFile* included = nullptr;
      if (std::string name = IncludedName(line); !name.empty()) {
        included = Find(name, file.path);
      }
      if (included != nullptr && seen.count(included) == 0) {
        flush();
        Add(*included, seen);
        runStart = fileLine;
      }
      run += line;
      run += '\n';
      ++fileLine;
    }
    flush();
  }

  const std::vector<SourceFile>& files_;
  ProjectSource project_;
  int line_ = 1;
};

}  // namespace

std::pair<std::string, int> ProjectSource::PlaceOf(int line) const {
  for (const Span& span : spans) {
    if (line >= span.firstLine && line < span.firstLine + span.lines) {
      return {span.path, span.fileLine + (line - span.firstLine)};
    }
  }
  return {"", line};
}

bool LanguageOfFile(std::string_view path, ProjectLanguage& language) {
  std::string extension = Extension(path);
  if (extension == "C" || extension == "H") {
    language = ProjectLanguage::C;
  } else if (extension == "ASM" || extension == "S" || extension == "INC") {
    language = ProjectLanguage::Asm;
  } else if (extension == "PBP" || extension == "BAS") {
    language = ProjectLanguage::Basic;
  } else {
    return false;
  }
  return true;
}

ProjectSource JoinProject(const std::vector<SourceFile>& files, ProjectLanguage language) {
  Joiner joiner(files);
  std::set<const SourceFile*> included = joiner.IncludedByOthers();
  for (const SourceFile& file : files) {
    ProjectLanguage of{};
    if (LanguageOfFile(file.path, of) && of == language && !Included(file.path) &&
        included.count(&file) == 0) {
      joiner.Unit(file);
    }
  }
  return joiner.Result();
}

}  // namespace brg::engine
