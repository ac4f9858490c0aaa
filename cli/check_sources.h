// What spbrg check reads: one file, standard input, the NAME=VALUE arguments, or a project of
// files and folders gathered from the disk, with the part an MPLAB X project names.
#pragma once

#include <memory>
#include <string>

#include "cli/check_options.h"
#include "engine/check/project_source.h"

namespace brg::cli {

struct CheckSource {
  std::string text;
  std::string name;  // "uart.c", "standard input", "the arguments", "src/ and lib/"
  // A project's files joined, for the places of its lines; none for one source.
  std::shared_ptr<const engine::ProjectSource> project;
  std::string projectFile;  // an MPLAB X project's configurations.xml, read whole; "" without
};

// engine::NotASetup when a file cannot be read or a project holds no source.
CheckSource ReadCheckSource(const CheckCommandOptions& options);

}  // namespace brg::cli
