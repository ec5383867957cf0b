// The room the music plays in: a ping-pong echo and a hall reverb. Both are recursive, so
// their tails outlast any note; ApplyAcrossLoop runs them round the loop twice so the tail of
// the end is already ringing when the beginning comes round again.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "dsp.h"
#include "stereo_loop.h"

namespace frost::musicgen {

// Repeats bounce between left and right, each darker and softer than the one before.
class PingPongEcho {
 public:
  PingPongEcho(std::size_t delayFrames, double feedback, double toneHz);
  void Process(double inLeft, double inRight, double& outLeft, double& outRight);

 private:
  std::vector<double> left_;
  std::vector<double> right_;
  std::size_t at_ = 0;
  double feedback_;
  OnePoleLowPass toneLeft_;
  OnePoleLowPass toneRight_;
};

// Eight damped feedback combs in parallel and four allpasses in series per side (the
// Schroeder-Moorer arrangement), with the right side's delays a little longer than the left's
// for width. Lows and highs are trimmed from its input: a reverberant kick muddies the low
// band, a reverberant hi-hat hisses.
class Hall {
 public:
  Hall();
  void Process(double inLeft, double inRight, double& outLeft, double& outRight);

 private:
  struct Comb {
    std::vector<double> line;
    std::size_t at = 0;
    double damped = 0.0;
  };
  struct Allpass {
    std::vector<double> line;
    std::size_t at = 0;
  };
  static double Run(Comb& comb, double x, double feedback, double damping);
  static double Run(Allpass& allpass, double x);

  std::array<Comb, 8> combsLeft_, combsRight_;
  std::array<Allpass, 4> allpassesLeft_, allpassesRight_;
  std::vector<double> preDelay_;
  std::size_t preDelayAt_ = 0;
  Biquad lowCut_;
  Biquad highCut_;
};

// Feeds `input` through `effect` twice round the loop and adds the second lap, times `gain`,
// to `output`. Since the input repeats, the second lap is exactly what the effect produces
// when the music has been playing for ever.
template <typename Effect>
void ApplyAcrossLoop(Effect& effect, const StereoLoop& input, StereoLoop& output, double gain) {
  const std::vector<float>& inLeft = input.LeftChannel();
  const std::vector<float>& inRight = input.RightChannel();
  std::vector<float>& outLeft = output.LeftChannel();
  std::vector<float>& outRight = output.RightChannel();
  for (int lap = 0; lap < 2; ++lap) {
    for (std::size_t i = 0; i < inLeft.size(); ++i) {
      double left = 0.0;
      double right = 0.0;
      effect.Process(inLeft[i], inRight[i], left, right);
      if (lap == 1) {
        outLeft[i] += static_cast<float>(left * gain);
        outRight[i] += static_cast<float>(right * gain);
      }
    }
  }
}

}  // namespace frost::musicgen
