#include "effects.h"

#include "loop_timing.h"

namespace frost::musicgen {

PingPongEcho::PingPongEcho(std::size_t delayFrames, double feedback, double toneHz)
    : left_(delayFrames, 0.0),
      right_(delayFrames, 0.0),
      feedback_(feedback),
      toneLeft_(toneHz),
      toneRight_(toneHz) {}

void PingPongEcho::Process(double inLeft, double inRight, double& outLeft, double& outRight) {
  outLeft = left_[at_];
  outRight = right_[at_];
  // Both inputs enter on the left; each repeat crosses to the other side.
  left_[at_] = 0.5 * (inLeft + inRight) + feedback_ * toneLeft_.Process(outRight);
  right_[at_] = feedback_ * toneRight_.Process(outLeft);
  if (++at_ == left_.size()) at_ = 0;
}

namespace {

// Mutually prime-ish lengths between 25 and 37 ms, so the combs' echoes never line up into a
// flutter; the allpasses smear each echo into a cloud.
constexpr std::array<std::size_t, 8> kCombFrames = {1103, 1171, 1259, 1327, 1409, 1487, 1553, 1621};
constexpr std::array<std::size_t, 4> kAllpassFrames = {547, 439, 337, 227};
constexpr std::size_t kRightSpread = 29;
constexpr double kCombFeedback = 0.92;  // about 2.5 s to fall 60 dB
constexpr double kDamping = 0.32;       // highs die faster than lows, as in a real hall
constexpr double kInputGain = 0.02;     // eight combs ring each other up
constexpr double kPreDelaySeconds = 0.025;

}  // namespace

Hall::Hall()
    : preDelay_(static_cast<std::size_t>(kPreDelaySeconds * kSampleRate), 0.0),
      lowCut_(Biquad::HighPass(180.0, 0.7)),
      highCut_(Biquad::LowPass(5500.0, 0.7)) {
  for (std::size_t i = 0; i < kCombFrames.size(); ++i) {
    combsLeft_[i].line.assign(kCombFrames[i], 0.0);
    combsRight_[i].line.assign(kCombFrames[i] + kRightSpread, 0.0);
  }
  for (std::size_t i = 0; i < kAllpassFrames.size(); ++i) {
    allpassesLeft_[i].line.assign(kAllpassFrames[i], 0.0);
    allpassesRight_[i].line.assign(kAllpassFrames[i] + kRightSpread, 0.0);
  }
}

double Hall::Run(Comb& comb, double x, double feedback, double damping) {
  const double out = comb.line[comb.at];
  comb.damped = out * (1.0 - damping) + comb.damped * damping;
  comb.line[comb.at] = x + comb.damped * feedback;
  if (++comb.at == comb.line.size()) comb.at = 0;
  return out;
}

double Hall::Run(Allpass& allpass, double x) {
  const double delayed = allpass.line[allpass.at];
  allpass.line[allpass.at] = x + 0.5 * delayed;
  if (++allpass.at == allpass.line.size()) allpass.at = 0;
  return delayed - x;
}

void Hall::Process(double inLeft, double inRight, double& outLeft, double& outRight) {
  const double delayed = preDelay_[preDelayAt_];
  preDelay_[preDelayAt_] = highCut_.Process(lowCut_.Process(0.5 * (inLeft + inRight)));
  if (++preDelayAt_ == preDelay_.size()) preDelayAt_ = 0;

  const double x = delayed * kInputGain;
  double left = 0.0;
  double right = 0.0;
  for (std::size_t i = 0; i < combsLeft_.size(); ++i) {
    left += Run(combsLeft_[i], x, kCombFeedback, kDamping);
    right += Run(combsRight_[i], x, kCombFeedback, kDamping);
  }
  for (std::size_t i = 0; i < allpassesLeft_.size(); ++i) {
    left = Run(allpassesLeft_[i], left);
    right = Run(allpassesRight_[i], right);
  }
  outLeft = left;
  outRight = right;
}

}  // namespace frost::musicgen
