#pragma once

namespace tavi::forms {

// Sets a flag for the lifetime of a scope, then gives it its earlier value back.
class RaisedFlag {
 public:
  explicit RaisedFlag(bool& flag) : flag_(flag), earlier_(flag) { flag_ = true; }
  ~RaisedFlag() { flag_ = earlier_; }
  RaisedFlag(const RaisedFlag&) = delete;
  RaisedFlag& operator=(const RaisedFlag&) = delete;

 private:
  bool& flag_;
  bool earlier_;
};

}  // namespace tavi::forms
