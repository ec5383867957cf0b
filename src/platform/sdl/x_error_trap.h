// Xlib's default handler ends the process on the first failed request. While a trap is in
// place a failure is merely noted: a refused mode, a window another client destroyed between
// two requests.
#pragma once

struct _XDisplay;

namespace frost::linux_host {

class XErrorTrap {
 public:
  // Waits for the requests already sent, so that their errors are not counted here.
  explicit XErrorTrap(_XDisplay* display);
  ~XErrorTrap();
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;

  // Whether any request since the trap was set has failed; waits for the server's answers.
  bool Failed();

 private:
  _XDisplay* display_;
  int before_ = 0;
  int (*previous_)(_XDisplay*, void*) = nullptr;
};

}  // namespace frost::linux_host
