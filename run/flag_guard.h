// Sets a run flag for the lifetime of a scope, and clears it again also when
// the scope is left by an exception.
#ifndef KESTRIN_RUN_FLAG_GUARD_H_
#define KESTRIN_RUN_FLAG_GUARD_H_

namespace kestrin {

class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_FLAG_GUARD_H_
