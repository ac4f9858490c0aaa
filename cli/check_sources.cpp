#include "cli/check_sources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "engine/check/port_from_names.h"
#include "engine/check/setup_check.h"
#include "engine/errors.h"

namespace brg::cli {
namespace {

namespace fs = std::filesystem;

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw engine::NotASetup("cannot read " + path + ": no such file, or not readable");
  }
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Folders of tools' output and of version control, which hold no source of the project.
bool Skipped(const fs::path& folder) {
  std::string name = folder.filename().string();
  return name.empty() || name.front() == '.' || name == "build" || name == "dist" ||
         name == "node_modules";
}

struct Gathered {
  std::vector<engine::SourceFile> files;
  std::string projectFile;
};

void GatherFolder(const fs::path& root, Gathered& gathered) {
  std::error_code error;
  fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied, error);
  for (auto entry = walk; !error && entry != fs::recursive_directory_iterator();
       entry.increment(error)) {
    if (entry->is_directory() && Skipped(entry->path())) {
      entry.disable_recursion_pending();
      continue;
    }
    std::string path = entry->path().generic_string();
    engine::ProjectLanguage language{};
    if (entry->is_regular_file() && engine::LanguageOfFile(path, language)) {
      gathered.files.push_back({path, FileText(path)});
    }
    if (entry->path().filename() == "configurations.xml" &&
        entry->path().parent_path().filename() == "nbproject" && gathered.projectFile.empty()) {
      gathered.projectFile = FileText(path);
    }
  }
}

// The files and folders given, in a steady order: each folder's files by path.
Gathered Gather(const std::vector<std::string>& inputs) {
  Gathered gathered;
  for (const std::string& input : inputs) {
    if (fs::is_directory(input)) {
      std::size_t from = gathered.files.size();
      GatherFolder(input, gathered);
      std::sort(gathered.files.begin() + static_cast<std::ptrdiff_t>(from), gathered.files.end(),
                [](const auto& a, const auto& b) { return a.path < b.path; });
    } else {
      gathered.files.push_back({input, FileText(input)});
    }
  }
  return gathered;
}

std::string ProjectName(const std::vector<std::string>& inputs) {
  std::string name;
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    name += (k == 0 ? "" : k + 1 == inputs.size() ? " and " : ", ") + inputs[k];
  }
  return name;
}

}  // namespace

CheckSource ReadCheckSource(const CheckCommandOptions& options) {
  CheckSource source;
  if (!options.assignments.empty()) {
    for (const std::string& assignment : options.assignments) {
      source.text += assignment + "\n";
    }
    source.name = "the arguments";
    return source;
  }
  if (options.source == "-") {
    std::ostringstream text;
    text << std::cin.rdbuf();
    source.text = text.str();
    source.name = "standard input";
    return source;
  }
  if (!options.source.empty() && !fs::is_directory(options.source)) {
    source.text = FileText(options.source);
    source.name = options.source;
    return source;
  }
  std::vector<std::string> inputs =
      options.project.empty() ? std::vector<std::string>{options.source} : options.project;
  Gathered gathered = Gather(inputs);
  source.name = ProjectName(inputs);
  source.projectFile = gathered.projectFile;
  for (engine::ProjectLanguage language :
       {engine::ProjectLanguage::C, engine::ProjectLanguage::Asm, engine::ProjectLanguage::Basic}) {
    auto joined =
        std::make_shared<engine::ProjectSource>(engine::JoinProject(gathered.files, language));
    if (joined->text.empty()) {
      continue;
    }
    bool setsUp = engine::SetsUpAPort(joined->text);
    if (source.text.empty() || setsUp) {
      source.text = joined->text;
      source.project = joined;
    }
    if (setsUp) {
      break;
    }
  }
  if (source.text.empty()) {
    throw engine::NotASetup("no source in " + source.name +
                            ": no .c, .h, .asm, .s, .inc, .pbp or .bas file");
  }
  return source;
}

}  // namespace brg::cli
