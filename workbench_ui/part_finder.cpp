#include "workbench_ui/part_finder.h"

#include <QThread>
#include <memory>

#include "engine/parts/part_data.h"

namespace brg::workbench_ui {

PartFinder::PartFinder(QObject* parent) : QObject(parent) {}

PartFinder::~PartFinder() {
  if (thread_ != nullptr) {
    thread_->wait();
  }
}

void PartFinder::Start(const std::string& headerDir,
                       std::function<void(std::vector<std::string>)> found) {
  if (thread_ != nullptr) {
    return;
  }
  auto parts = std::make_shared<std::vector<std::string>>();
  thread_ = QThread::create([parts, headerDir] { *parts = engine::KnownParts(headerDir); });
  thread_->setParent(this);
  // Queued to this object's thread, the window's: the list is complete once the thread ends.
  connect(thread_, &QThread::finished, this,
          [parts, found = std::move(found)] { found(std::move(*parts)); });
  thread_->start(QThread::LowPriority);
}

}  // namespace brg::workbench_ui
