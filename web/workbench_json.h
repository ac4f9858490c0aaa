// The workbench's state and view as one JSON text, as the workbench page mirrors it.
#pragma once

#include <string>

#include "workbench/workbench.h"

namespace brg::web {

std::string WorkbenchJson(const workbench::Workbench& bench);

}  // namespace brg::web
