// Waiting on the run's other thread when it is likely to be ready soon.
#ifndef KESTRIN_ENGINE_BRIEF_WAIT_H_
#define KESTRIN_ENGINE_BRIEF_WAIT_H_

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace kestrin {

// Waits until `ready()` holds, `lock` held whenever it is asked. For up to
// `looking` it asks again and again, letting other threads run between the
// looks; only then does it sleep on `changed`. The other thread's work of one
// file or one section is mostly done within that time, and a sleep and its
// wake-up cost the system more than the work waited for.
template <typename Ready>
void AwaitLooking(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                  std::chrono::microseconds looking, Ready ready) {
  const auto until = std::chrono::steady_clock::now() + looking;
  while (!ready() && std::chrono::steady_clock::now() < until) {
    lock.unlock();
    std::this_thread::yield();
    lock.lock();
  }
  changed.wait(lock, ready);
}

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_BRIEF_WAIT_H_
