// Every part the engine knows (engine::KnownParts, which also reads any headers a user gives) found
// on a thread of its own, so that the window opens without waiting for it; the list reaches the
// window's thread through its event loop.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QThread;

namespace brg::workbench_ui {

class PartFinder : public QObject {
 public:
  explicit PartFinder(QObject* parent = nullptr);
  // Waits for a search still running: the headers are read to their end.
  ~PartFinder() override;

  // Starts the search once; `found` runs on the window's thread with the parts.
  void Start(const std::string& headerDir, std::function<void(std::vector<std::string>)> found);

 private:
  QThread* thread_ = nullptr;
};

}  // namespace brg::workbench_ui
