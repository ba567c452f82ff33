// Sets the DisableActions flag for a scope and puts back what it found, on
// every exit, so that a failing command never leaves the handlers muted.
#pragma once

namespace quillora {

class ActionsDisabled {
 public:
  explicit ActionsDisabled(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~ActionsDisabled() { flag_ = saved_; }
  ActionsDisabled(const ActionsDisabled&) = delete;
  ActionsDisabled& operator=(const ActionsDisabled&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace quillora
