// The banner: a plate on the plateau whose swallow-tailed ends are folded back along two
// creases, with embossed rules and stars either side of a jewel. Its front is a height field
// sampled on evenly spaced rows; its walls drop to just below the plateau's top, where its
// underside is hidden and left open.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "centrepiece_parts.h"
#include "jewel.h"

namespace frost::meshgen {
namespace {

constexpr double kLeft = -0.214;
constexpr double kRight = 0.204;
constexpr double kLow = -0.086;
constexpr double kHigh = 0.070;
constexpr int kRows = 33;
constexpr double kEndWidth = 0.045;  // from each crease to the tips of its tails
constexpr int kMiddleColumns = 94;   // across the middle panel, creases included
constexpr double kBase = 0.062;      // front height at the top and bottom edges
constexpr double kSwell = 0.004;     // the front bows out by this much along the middle
constexpr double kFold = 10.0 * std::numbers::pi / 180.0;
constexpr double kJewelPoint = 0.080;  // the banner's highest point
constexpr double kRelief = 0.005;      // height of the embossed rules and stars
constexpr double kStarRidge = 0.0062;  // half widths of their ridges
constexpr double kRuleRidge = 0.0045;

constexpr double kCreaseLeft = kLeft + kEndWidth;
constexpr double kCreaseRight = kRight - kEndWidth;
// The folded ends are sampled as finely as the middle.
constexpr double kColumnStep = (kCreaseRight - kCreaseLeft) / (kMiddleColumns - 1);
constexpr double kMiddleY = 0.5 * (kLow + kHigh);
constexpr double kRowStep = (kHigh - kLow) / (kRows - 1);

double RowY(int j) {
  return kLow + j * kRowStep;
}

// The outline of one end, as how far it reaches beyond its crease at given rows, from the
// bottom row to the top: a small step in from the banner's edge, the tail's lower point, the
// notch between the tails, the upper point, the step back out.
struct EndCorner {
  int row;
  double reach;
};
constexpr std::array<EndCorner, 7> kEnd{{
    {0, 0.0},
    {2, 2 * kRowStep},
    {5, kEndWidth},
    {kRows / 2, kEndWidth - 0.026},
    {kRows - 6, kEndWidth},
    {kRows - 3, 2 * kRowStep},
    {kRows - 1, 0.0},
}};

bool IsEndCorner(int j) {
  for (const EndCorner& c : kEnd) {
    if (c.row == j) return true;
  }
  return false;
}

// How far the end reaches beyond its crease on row j.
double EndReach(int j) {
  for (std::size_t c = 0; c + 1 < kEnd.size(); ++c) {
    if (j <= kEnd[c + 1].row) {
      const double t = static_cast<double>(j - kEnd[c].row) / (kEnd[c + 1].row - kEnd[c].row);
      return kEnd[c].reach + (kEnd[c + 1].reach - kEnd[c].reach) * t;
    }
  }
  return 0.0;
}

// Distance from p to the segment ab.
double SegmentDistance(Point2 p, Point2 a, Point2 b) {
  const Point2 ab = b - a;
  const double t = std::clamp(Dot(p - a, ab) / Dot(ab, ab), 0.0, 1.0);
  return Length(p - (a + ab * t));
}

// A rounded ridge along the segment ab, `halfWidth` either side of it.
double Ridge(Point2 p, Point2 a, Point2 b, double halfWidth) {
  const double d = SegmentDistance(p, a, b);
  if (d >= halfWidth) return 0.0;
  const double t = d / halfWidth;
  return kRelief * (1.0 - t * t) * (1.0 - t * t);
}

// A six-pointed star of ridges.
double Star(Point2 p, Point2 centre, double radius, double turn) {
  double h = 0.0;
  for (int k = 0; k < 3; ++k) {
    const Point2 arm = Rotated({radius, 0.0}, turn + k * std::numbers::pi / 3.0);
    h = std::max(h, Ridge(p, centre - arm, centre + arm, kStarRidge));
  }
  return h;
}

constexpr Point2 kJewelAt{0.5 * (kLeft + kRight), kMiddleY};

// A rule along the top and the bottom of the middle panel, and two stars either side of the
// jewel.
double Relief(Point2 p) {
  const double inset = 0.012;
  double h = 0.0;
  for (double y : {kLow + inset, kHigh - inset}) {
    h = std::max(h, Ridge(p, {kCreaseLeft + inset, y}, {kCreaseRight - inset, y}, kRuleRidge));
  }
  for (int i : {-2, -1, 1, 2}) {
    const Point2 centre{kJewelAt.x + 0.058 * i, kMiddleY};
    h = std::max(h, Star(p, centre, i % 2 == 0 ? 0.024 : 0.03, std::numbers::pi / 2.0));
  }
  return h;
}

// Height of the front; panel 0 and 2 are the folded ends, 1 the middle.
double Height(Point2 p, int panel) {
  const double across = (p.y - kMiddleY) / (0.5 * (kHigh - kLow));
  const double bowed = kBase + kSwell * (1.0 - across * across);
  if (panel == 0) return bowed - (kCreaseLeft - p.x) * std::tan(kFold);
  if (panel == 2) return bowed - (p.x - kCreaseRight) * std::tan(kFold);
  return bowed + Relief(p);
}

Point3 FrontNormal(Point2 p, int panel) {
  constexpr double e = 1e-5;
  const double dx = (Height({p.x + e, p.y}, panel) - Height({p.x - e, p.y}, panel)) / (2 * e);
  const double dy = (Height({p.x, p.y + e}, panel) - Height({p.x, p.y - e}, panel)) / (2 * e);
  return {-dx, -dy, 1.0};
}

// One row of the front: its points left to right, split into three panels by the creases.
struct Row {
  std::vector<double> x;
  std::vector<int> vertex;
  std::array<int, 4> panelStart{};         // panel p is points panelStart[p] .. panelStart[p + 1]
  std::vector<std::array<int, 3>> normal;  // per point, per panel it borders
};

int EndPoints(double length) {
  if (length <= 0.0) return 1;
  return std::max(2, 1 + static_cast<int>(std::lround(length / kColumnStep)));
}

Row MakeRow(TableBuilder& builder, int j) {
  Row row;
  const double y = RowY(j);
  const double left = kCreaseLeft - EndReach(j);
  const double right = kCreaseRight + EndReach(j);
  auto span = [&](double from, double to, int points, bool skipFirst) {
    for (int i = skipFirst ? 1 : 0; i < points; ++i) {
      row.x.push_back(points == 1 ? from : from + (to - from) * i / (points - 1));
    }
  };
  span(left, kCreaseLeft, EndPoints(kCreaseLeft - left), false);
  row.panelStart[1] = static_cast<int>(row.x.size()) - 1;
  span(kCreaseLeft, kCreaseRight, kMiddleColumns, true);
  row.panelStart[2] = static_cast<int>(row.x.size()) - 1;
  span(kCreaseRight, right, EndPoints(right - kCreaseRight), true);
  row.panelStart[3] = static_cast<int>(row.x.size()) - 1;

  const int n = static_cast<int>(row.x.size());
  row.normal.resize(n, {-1, -1, -1});
  for (int i = 0; i < n; ++i) {
    const Point2 p{row.x[i], y};
    // A crease point borders two panels and faces the way of each.
    const int firstPanel = i <= row.panelStart[1] ? 0 : (i <= row.panelStart[2] ? 1 : 2);
    const int lastPanel = i < row.panelStart[1] ? 0 : (i < row.panelStart[2] ? 1 : 2);
    row.vertex.push_back(builder.AddVertex(Lift(p, Height(p, lastPanel))));
    for (int panel = firstPanel; panel <= lastPanel; ++panel) {
      row.normal[i][panel] = builder.AddNormal(FrontNormal(p, panel));
    }
  }
  return row;
}

void JoinRows(TableBuilder& builder, const Row& lower, const Row& upper) {
  for (int panel = 0; panel < 3; ++panel) {
    auto slice = [&](const Row& r) {
      return std::vector<double>(r.x.begin() + r.panelStart[panel],
                                 r.x.begin() + r.panelStart[panel + 1] + 1);
    };
    for (const auto& t : ZipStrip(slice(lower), slice(upper))) {
      std::array<Corner, 3> c;
      for (int k = 0; k < 3; ++k) {
        const Row& r = t[k].upper ? upper : lower;
        const int i = r.panelStart[panel] + t[k].index;
        c[k] = {r.vertex[i], r.normal[i][panel]};
      }
      builder.AddFace(c[0], c[1], c[2]);
    }
  }
}

// One upright wall under a straight run of the outline, from the front's edge down to the
// open underside. `chain` runs counter-clockwise seen from the front.
void AddWall(TableBuilder& builder, const std::vector<int>& chain, int bottomFrom, int bottomTo) {
  const Point3 a = builder.Vertex(chain.front());
  const Point3 b = builder.Vertex(chain.back());
  const int normal = builder.AddNormal({b.y - a.y, a.x - b.x, 0.0});
  std::vector<double> along;
  for (int v : chain) {
    const Point3 p = builder.Vertex(v);
    along.push_back(Length(Point2{p.x - a.x, p.y - a.y}) / Length(Point2{b.x - a.x, b.y - a.y}));
  }
  for (const auto& t : ZipStrip({0.0, 1.0}, along)) {
    std::array<Corner, 3> c;
    for (int k = 0; k < 3; ++k) {
      const int v = t[k].upper ? chain[t[k].index] : (t[k].index == 0 ? bottomFrom : bottomTo);
      c[k] = {v, normal};
    }
    builder.AddFace(c[0], c[1], c[2]);
  }
}

void AddWalls(TableBuilder& builder, const std::vector<Row>& rows) {
  // The front's edge, counter-clockwise from the bottom left corner back to it, and where
  // along it the outline's corners fall.
  const int top = kRows - 1;
  std::vector<int> edge;
  std::vector<std::size_t> corners;
  auto add = [&](int vertex, bool isCorner) {
    edge.push_back(vertex);
    if (isCorner) corners.push_back(edge.size() - 1);
  };
  const std::vector<int>& bottomRow = rows.front().vertex;
  for (std::size_t i = 0; i < bottomRow.size(); ++i) {
    add(bottomRow[i], i == 0 || i + 1 == bottomRow.size());
  }
  for (int j = 1; j <= top; ++j) add(rows[j].vertex.back(), IsEndCorner(j));
  const std::vector<int>& topRow = rows.back().vertex;
  for (std::size_t i = topRow.size() - 1; i-- > 0;) add(topRow[i], i == 0);
  for (int j = top - 1; j >= 0; --j) add(rows[j].vertex.front(), IsEndCorner(j));

  const std::size_t walls = corners.size() - 1;
  std::vector<int> bottom;
  for (std::size_t c = 0; c < walls; ++c) {
    const Point3 p = builder.Vertex(edge[corners[c]]);
    bottom.push_back(builder.AddVertex({p.x, p.y, kBannerBottom}));
  }
  for (std::size_t c = 0; c < walls; ++c) {
    const std::vector<int> chain(edge.begin() + corners[c], edge.begin() + corners[c + 1] + 1);
    AddWall(builder, chain, bottom[c], bottom[(c + 1) % walls]);
  }
}

}  // namespace

void BuildBanner(TableBuilder& builder, const JewelCut& jewel) {
  std::vector<Row> rows;
  for (int j = 0; j < kRows; ++j) rows.push_back(MakeRow(builder, j));
  for (int j = 0; j + 1 < kRows; ++j) JoinRows(builder, rows[j], rows[j + 1]);
  AddWalls(builder, rows);
  // Set into the front's crown, its girdle level with the surface.
  const double seat = kBase + kSwell - 0.002;
  const double radius = (kJewelPoint - seat) / kJewelHeight;
  AddJewel(builder, {kJewelAt, seat, radius, jewel.turn}, jewel.firstNormal);
}

}  // namespace frost::meshgen
