#include "globe_logo.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "random.h"
#include "vec3.h"

namespace frost::artgen {
namespace {

// Everything is drawn on a 122 x 121 reference canvas, y down.
constexpr double kCanvasWidth = 122.0;
constexpr double kCanvasHeight = 121.0;
constexpr double kGlobeX = 61.0;
constexpr double kGlobeY = 49.0;
constexpr double kGlobeRadius = 41.0;
// The base: a frustum seen from slightly above, its top rim an ellipse around the globe's foot.
constexpr double kBaseTop = 80.0;
constexpr double kBaseBottom = 104.0;
constexpr double kBaseTopHalfWidth = 34.0;
constexpr double kBaseBottomHalfWidth = 44.0;
constexpr double kBaseTopRise = 5.0;
constexpr double kBaseBottomRise = 7.0;

constexpr Colour Rgb(int r, int g, int b) {
  return {r / 255.0, g / 255.0, b / 255.0};
}

// Coverage of a shape given as a signed distance (negative inside), over `pixel` units.
double Fill(double distance, double pixel) {
  return Smoothstep(0.5 * pixel, -0.5 * pixel, distance);
}

struct Flake {
  double x;
  double y;
  double radius;
};

const std::array<Flake, 34>& Flakes() {
  static const std::array<Flake, 34> flakes = [] {
    std::array<Flake, 34> made{};
    Random random(0x5107f1a);
    for (Flake& flake : made) {
      // Evenly over the disc, never in the ground.
      double x = 0.0, y = 0.0;
      do {
        x = random.Range(-0.92, 0.92);
        y = random.Range(-0.92, 0.5);
      } while (x * x + y * y > 0.85);
      flake = {x, y, random.Range(0.012, 0.032)};
    }
    return made;
  }();
  return flakes;
}

// One tier-stacked fir with snow resting on each tier; coverage of needles and of snow.
struct FirSample {
  double needles = 0.0;
  double snow = 0.0;
  double trunk = 0.0;
};

FirSample Fir(double x, double y, double baseX, double baseY, double height, double width,
              double pixel) {
  FirSample sample;
  const double trunkHeight = height * 0.12;
  const double dx = std::fabs(x - baseX);
  // The trunk reaches up under the lowest tier's hem, which droops in the middle.
  const double trunk =
      std::max(dx - width * 0.09, std::max(y - baseY, baseY - trunkHeight * 2.0 - y));
  sample.trunk = Fill(trunk, pixel);
  const double top = baseY - height;
  constexpr int kTiers = 3;
  for (int tier = 0; tier < kTiers; ++tier) {
    const double tierTop = top + height * 0.26 * tier;
    const double tierBottom = baseY - trunkHeight - height * 0.2 * (kTiers - 1 - tier);
    const double tierWidth = width * (0.5 + 0.25 * tier);
    const double t = (y - tierTop) / (tierBottom - tierTop);
    const double half = tierWidth * 0.5 * t;
    // Inside when below the apex, above the tier's drooping hem and within the slope.
    const double hem = tierBottom - 0.06 * height * std::cos(dx / (tierWidth * 0.5) * 1.4);
    const double distance = std::max({dx - half, tierTop - y, y - hem});
    const double inside = Fill(distance, pixel);
    // Snow lies along each tier's upper slope and on its hem.
    const double onSlope = Fill(std::fabs(dx - half + 0.035 * width) - 0.04 * width, pixel);
    const double onHem = Fill(std::fabs(y - hem + 0.03 * height) - 0.03 * height, pixel);
    const double snow = inside * std::max(onSlope * Smoothstep(0.15, 0.5, t), onHem * 0.9);
    sample.needles = std::max(sample.needles, inside);
    sample.snow = std::max(sample.snow, snow);
  }
  return sample;
}

// The scene inside the glass, in globe units (radius 1, y down).
Colour GlobeInterior(double gx, double gy, double pixel) {
  // Sky: deep blue at the top to a pale horizon, with a low winter sun.
  Colour colour = Mix(Rgb(52, 104, 178), Rgb(198, 224, 246), Smoothstep(-1.0, 0.3, gy));
  const double sun = std::hypot(gx - 0.42, gy + 0.12);
  colour = colour + Rgb(255, 236, 190) * (0.55 * std::exp(-sun * sun / 0.02));
  colour = Mix(colour, Rgb(255, 250, 235), Fill(sun - 0.07, pixel));

  // Far hills, pale blue with a lighter crest.
  const double hill = 0.16 + 0.07 * std::sin(gx * 3.3 + 1.1) + 0.03 * std::sin(gx * 7.9);
  const double hillCover = Fill(hill - gy, pixel);
  const Colour hills =
      Mix(Rgb(214, 229, 244), Rgb(168, 194, 226), Smoothstep(hill, hill + 0.3, gy));
  colour = Mix(colour, hills, hillCover);

  // Two firs standing in the near snow.
  const double ground = 0.4 + 0.08 * std::cos(gx * 2.2 - 0.4);
  for (const auto& tree : {std::array<double, 4>{-0.3, ground + 0.05, 0.78, 0.5},
                           std::array<double, 4>{0.34, ground + 0.06, 0.52, 0.36}}) {
    const FirSample fir = Fir(gx, gy, tree[0], tree[1], tree[2], tree[3], pixel);
    const double side = Clamp01(0.5 + (gx - tree[0]) / tree[3]);  // lit from the left
    colour = Mix(colour, Rgb(92, 62, 40), fir.trunk);
    colour = Mix(colour, Mix(Rgb(40, 110, 72), Rgb(18, 66, 46), side), fir.needles);
    colour = Mix(colour, Mix(Rgb(255, 255, 255), Rgb(196, 214, 238), side), fir.snow);
  }

  // Near snow, brighter at its crest, bluer towards the glass.
  const double snowCover = Fill(ground - gy, pixel);
  const Colour snow = Mix(Rgb(252, 253, 255), Rgb(176, 200, 232), Smoothstep(ground, 1.0, gy));
  colour = Mix(colour, snow, snowCover);

  // Falling snow.
  for (const Flake& flake : Flakes()) {
    const double d = std::hypot(gx - flake.x, gy - flake.y) - flake.radius;
    colour = Mix(colour, Rgb(255, 255, 255), 0.95 * Fill(d, pixel));
  }
  return colour;
}

// The glass over the scene: darker and bluer towards the rim, a soft window highlight above
// left, a thin reflection along the lower right.
Colour Glass(Colour colour, double gx, double gy, double pixel) {
  const double r = std::hypot(gx, gy);
  colour = Mix(colour, Rgb(30, 62, 112), 0.5 * Smoothstep(0.72, 1.0, r));
  const double angle = Radians(-40.0);
  const double hx = (gx + 0.4) * std::cos(angle) - (gy + 0.5) * std::sin(angle);
  const double hy = (gx + 0.4) * std::sin(angle) + (gy + 0.5) * std::cos(angle);
  const double highlight = std::exp(-(hx * hx / 0.06 + hy * hy / 0.012));
  colour = colour + Grey(0.7 * highlight);
  const double spot = std::hypot(gx + 0.5, gy + 0.46);
  colour = Mix(colour, Grey(1.0), Fill(spot - 0.055, pixel));
  const double arc = Smoothstep(0.1, 0.6, gx + gy) * std::exp(-std::pow((r - 0.87) / 0.035, 2.0));
  colour = colour + Grey(0.35 * arc);
  // A dark line where the glass turns away.
  return Mix(colour, Rgb(20, 38, 72), Fill(std::fabs(r - 0.985) - 0.02, pixel));
}

// The wooden base: its front face shaded as a turned cylinder, a gold band, a lighter top.
// Returns the coverage, with the colour in `colour`.
double Base(double x, double y, double pixel, Colour& colour) {
  const double t = Clamp01((y - kBaseTop) / (kBaseBottom - kBaseTop));
  const double halfWidth = kBaseTopHalfWidth + (kBaseBottomHalfWidth - kBaseTopHalfWidth) * t;
  const double n = std::clamp((x - kGlobeX) / halfWidth, -1.0, 1.0);
  const double front = std::sqrt(1.0 - n * n);
  // Lower edge: the front half of the bottom ellipse.
  const double bottom = kBaseBottom + kBaseBottomRise * front;
  const double topRim = kBaseTop - kBaseTopRise * front;
  const double body = std::max({std::fabs(x - kGlobeX) - halfWidth, y - bottom, topRim - y});
  const double cover = Fill(body, pixel);
  if (cover <= 0.0) return 0.0;

  const Vec3 normal = Normalize({n, -0.25, front});
  const double light = Clamp01(Dot(normal, Normalize({-0.55, -0.45, 0.7})));
  const double shine = std::pow(light, 24.0);
  // Turned mahogany: fine rings around the axis, lit from the upper left.
  const double grain = 0.9 + 0.1 * std::sin(y * 2.1 + 3.0 * std::sin(x * 0.21));
  colour = (Rgb(44, 18, 12) + Rgb(136, 58, 34) * light) * grain + Grey(0.3 * shine);
  // The band follows the curve of the front.
  const double bandTop = kBaseTop + 9.0 + kBaseTopRise * 0.4 * front;
  const double band = Fill(std::fabs(y - bandTop - 1.6) - 1.6, pixel);
  const Colour gold = Rgb(120, 84, 24) + Rgb(150, 120, 50) * light + Grey(0.6 * shine);
  colour = Mix(colour, gold, band);
  // The top face, seen just above the rim.
  const double topFace = Fill(std::fabs(y - topRim - 1.0) - 1.0, pixel);
  colour = Mix(colour, Rgb(150, 86, 56) + Grey(0.2 * light), topFace * 0.8);
  return cover;
}

// The whole globe and base at one point of the reference canvas.
double GlobeAndBase(double x, double y, double pixel, Colour& colour) {
  const double gx = (x - kGlobeX) / kGlobeRadius;
  const double gy = (y - kGlobeY) / kGlobeRadius;
  const double globePixel = pixel / kGlobeRadius;
  const double globe = Fill(std::hypot(gx, gy) - 1.0, globePixel);
  Colour glass;
  if (globe > 0.0) glass = Glass(GlobeInterior(gx, gy, globePixel), gx, gy, globePixel);
  Colour wood;
  const double base = Base(x, y, pixel, wood);
  colour = Mix(glass * globe, wood, base);
  return globe + base * (1.0 - globe);
}

Colour NightSky(double x, double y, double pixel) {
  Colour colour = Mix(Rgb(8, 18, 44), Rgb(30, 62, 112), Clamp01(y / kCanvasHeight));
  const double glow = std::hypot(x - kGlobeX, y - kGlobeY) / (kGlobeRadius * 1.6);
  colour = colour + Rgb(70, 110, 170) * (0.45 * std::exp(-glow * glow));
  // Stars, fewer and fainter towards the horizon.
  Random random(0xa57e11);
  for (int i = 0; i < 22; ++i) {
    const double sx = random.Range(3.0, kCanvasWidth - 3.0);
    const double sy = random.Range(3.0, 70.0);
    const double brightness = random.Range(0.35, 1.0) * (1.0 - sy / 110.0);
    const double d = std::hypot(x - sx, y - sy);
    colour = colour + Grey(brightness * Fill(d - 0.55, pixel));
  }
  // The base's shadow on the ground it stands on.
  const double sx = (x - kGlobeX) / 54.0;
  const double sy = (y - (kBaseBottom + 8.0)) / 6.0;
  colour = colour * (1.0 - 0.6 * std::exp(-(sx * sx + sy * sy) * 2.0));
  return colour;
}

// Averages `samples` x `samples` points per pixel of a width x height picture showing the
// reference canvas region [left, left + span] x [top, top + span * height / width].
template <typename Shader>
void Supersample(int width, int height, double left, double top, double span, int samples,
                 Shader shader) {
  const double scale = span / width;
  for (int py = 0; py < height; ++py) {
    for (int px = 0; px < width; ++px) {
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const double x = left + (px + (sx + 0.5) / samples) * scale;
          const double y = top + (py + (sy + 0.5) / samples) * scale;
          shader(px, py, x, y, scale);
        }
      }
    }
  }
}

}  // namespace

Image GlobeLogo(int width, int height) {
  Image image(width, height);
  constexpr int kSamples = 5;
  const double weight = 1.0 / (kSamples * kSamples);
  // The canvas is one unit wider than tall; fit its width.
  Supersample(width, height, 0.0, 0.0, kCanvasWidth, kSamples,
              [&](int px, int py, double x, double y, double pixel) {
                Colour globe;
                const double cover = GlobeAndBase(x, y, pixel, globe);
                const Colour sample = NightSky(x, y, pixel) * (1.0 - cover) + globe;
                image.At(px, py) = image.At(px, py) + sample * weight;
              });
  return image;
}

CoveredImage GlobeIcon(int size) {
  CoveredImage icon{Image(size, size), std::vector<double>(static_cast<std::size_t>(size) * size)};
  constexpr int kSamples = 8;
  const double weight = 1.0 / (kSamples * kSamples);
  // A square around the globe and its base.
  const double span = 2.0 * kGlobeRadius + 16.0;
  const double top = kGlobeY - kGlobeRadius - 2.0;
  Supersample(size, size, kGlobeX - span / 2.0, top, span, kSamples,
              [&](int px, int py, double x, double y, double pixel) {
                Colour colour;
                const double cover = GlobeAndBase(x, y, pixel, colour);
                icon.colour.At(px, py) = icon.colour.At(px, py) + colour * weight;
                icon.coverage[static_cast<std::size_t>(py) * size + px] += cover * weight;
              });
  // Back from premultiplied: edge pixels keep the colour of what covers them.
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const double cover = icon.coverage[static_cast<std::size_t>(py) * size + px];
      if (cover > 0.0) icon.colour.At(px, py) = icon.colour.At(px, py) * (1.0 / cover);
    }
  }
  return icon;
}

}  // namespace frost::artgen
