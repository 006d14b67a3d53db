// A second thread for the two sides of a large text pair: while the comparing
// thread reads, prepares or reloads the new side's section, the worker does
// the old side's.
#ifndef KESTRIN_ENGINE_SIDE_WORKER_H_
#define KESTRIN_ENGINE_SIDE_WORKER_H_

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace kestrin {

// Data written by the two threads at once is kept this far apart, so that
// neither thread's writes take the other's cache line away.
inline constexpr size_t kCacheLineBytes = 64;

class SideWorker {
 public:
  // Starts the thread; throws std::system_error when none is to be had.
  SideWorker();
  ~SideWorker();
  SideWorker(const SideWorker&) = delete;
  SideWorker& operator=(const SideWorker&) = delete;

  // Runs `here` on the calling thread and `there` on the worker at the same
  // time, and returns when both are done. A failure of either is thrown here
  // once both are done, the calling thread's first.
  void RunBoth(const std::function<void()>& here, const std::function<void()>& there);

 private:
  void Serve();

  std::mutex mutex_;
  std::condition_variable changed_;
  const std::function<void()>* job_ = nullptr;
  bool job_done_ = false;
  bool stopping_ = false;
  std::exception_ptr job_failure_;
  std::thread thread_;
};

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_SIDE_WORKER_H_
