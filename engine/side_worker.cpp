// The side worker's hand-over: one job at a time, given and awaited under
// one lock.
#include "engine/side_worker.h"

#include "engine/brief_wait.h"

namespace kestrin {

namespace {

// A section's work takes each thread about as long, and the comparing
// thread's own steps between two jobs (matching, writing the listing) take
// less than this: each thread looks for the other this long before it sleeps.
constexpr std::chrono::microseconds kJobLookingTime{1000};

}  // namespace

SideWorker::SideWorker() : thread_([this] { Serve(); }) {}

SideWorker::~SideWorker() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void SideWorker::RunBoth(const std::function<void()>& here, const std::function<void()>& there) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    job_ = &there;
    job_done_ = false;
    job_failure_ = nullptr;
  }
  changed_.notify_all();
  std::exception_ptr here_failure;
  try {
    here();
  } catch (...) {
    here_failure = std::current_exception();
  }
  std::unique_lock<std::mutex> lock(mutex_);
  AwaitLooking(lock, changed_, kJobLookingTime, [this] { return job_done_; });
  if (here_failure != nullptr) std::rethrow_exception(here_failure);
  if (job_failure_ != nullptr) std::rethrow_exception(job_failure_);
}

void SideWorker::Serve() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    AwaitLooking(lock, changed_, kJobLookingTime, [this] { return stopping_ || job_ != nullptr; });
    if (stopping_) return;
    const std::function<void()>* job = job_;
    job_ = nullptr;
    lock.unlock();
    std::exception_ptr failure;
    try {
      (*job)();
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    job_failure_ = failure;
    job_done_ = true;
    changed_.notify_all();
  }
}

}  // namespace kestrin
