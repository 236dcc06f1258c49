// A Renaissance-style portrait of a woman: dark dress, folded hands, hazy landscape, soft edges.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "pictures.h"
#include "procedural.h"

namespace tyvok::images {

namespace {

constexpr double faceX = 64.0;
constexpr double faceY = 42.0;
constexpr double faceRadiusX = 12.5;
constexpr double faceRadiusY = 18.0;

struct Point {
    double x, y;
};

// 1 inside the ellipse, 0 outside, with a soft rim `softness` (relative) wide.
double ellipseCover(Point p, Point centre, double radiusX, double radiusY, double softness) {
    const double dx = (p.x - centre.x) / radiusX;
    const double dy = (p.y - centre.y) / radiusY;
    return 1.0 - smoothstep(1.0 - softness, 1.0 + softness, std::sqrt(dx * dx + dy * dy));
}

double segmentDistance(Point p, Point a, Point b) {
    const double abx = b.x - a.x;
    const double aby = b.y - a.y;
    const double t = clamp01(((p.x - a.x) * abx + (p.y - a.y) * aby) / (abx * abx + aby * aby));
    const double dx = p.x - (a.x + t * abx);
    const double dy = p.y - (a.y + t * aby);
    return std::sqrt(dx * dx + dy * dy);
}

double capsuleCover(Point p, Point a, Point b, double radius) {
    return 1.0 - smoothstep(radius - 1.0, radius + 1.0, segmentDistance(p, a, b));
}

// Ridge line of the distant mountains; the left horizon sits higher than the right one.
double horizonAt(double x) {
    return 36.0 + x * 0.05;
}

double mountainTopAt(double x) {
    const double ridge = tilingFbm(x / 16.0, 0.5, {8, 1}, 4, 91);
    return horizonAt(x) - 4.0 - 18.0 * ridge * ridge;
}

Colour landscape(Point p) {
    const Colour skyTop{0.50, 0.58, 0.54};
    const Colour skyLow{0.80, 0.80, 0.66};
    const Colour mountain{0.46, 0.56, 0.54};
    const Colour nearLand{0.34, 0.33, 0.19};
    const Colour farLand{0.58, 0.60, 0.48};
    const double horizon = horizonAt(p.x);
    const double texture = tilingFbm(p.x / 8.0, p.y / 8.0, {16, 16}, 4, 93);
    if (p.y < mountainTopAt(p.x)) {
        return mix(skyTop, skyLow, smoothstep(0.0, horizon, p.y)) * (0.96 + 0.08 * texture);
    }
    if (p.y < horizon) {
        return mix(mountain, skyLow, 0.25 + 0.3 * texture);
    }
    const double depth = smoothstep(horizon, horizon + 40.0, p.y);
    Colour land = mix(farLand, nearLand, depth) * (0.8 + 0.4 * texture);
    const double pathX = 24.0 + 10.0 * std::sin(p.y * 0.18);
    const double path = 1.0 - smoothstep(1.0, 3.0, std::fabs(p.x - pathX));
    land = mix(land, Colour{0.60, 0.52, 0.36}, path * 0.45);
    const double riverY = horizonAt(p.x) + 5.0 + 2.0 * std::sin(p.x * 0.07);
    const double river =
        (1.0 - smoothstep(0.6, 1.6, std::fabs(p.y - riverY))) * smoothstep(80, 95, p.x);
    return mix(land, skyLow, river * 0.8);
}

Colour skinShade(double light) {
    const Colour lit{0.92, 0.74, 0.52};
    const Colour shadow{0.50, 0.34, 0.20};
    return mix(shadow, lit, clamp01(light));
}

// An egg-shaped oval, narrower towards the chin.
double faceCover(Point p) {
    const double narrowing = 1.0 - 0.22 * smoothstep(faceY - 4.0, faceY + faceRadiusY, p.y);
    return ellipseCover(p, {faceX, faceY}, faceRadiusX * narrowing, faceRadiusY, 0.06);
}

// Light falls from the viewer's left; the face darkens towards its right side and its rim,
// in the eye sockets, along the nose and under the nostrils.
double faceLight(Point p) {
    const double dx = (p.x - faceX) / faceRadiusX;
    const double dy = (p.y - faceY) / faceRadiusY;
    const double rim = smoothstep(0.45, 1.0, std::sqrt(dx * dx + dy * dy));
    double light = 0.95 - 0.3 * dx - (dy > 0.0 ? 0.3 : 0.45) * rim;
    for (const double eyeX : {58.0, 70.0}) {
        light -= 0.3 * ellipseCover(p, {eyeX, 39.5}, 5.0, 3.2, 0.6);
    }
    light -= 0.2 * ellipseCover(p, {66.8, 45.0}, 1.2, 5.5, 0.5);  // side of the nose
    light -= 0.3 * ellipseCover(p, {64.5, 51.0}, 3.0, 1.0, 0.5);  // under the nostrils
    light += 0.15 * ellipseCover(p, {63.6, 48.8}, 1.3, 1.1, 0.5); // tip of the nose
    light += 0.12 * ellipseCover(p, {56.0, 48.0}, 4.5, 3.5, 0.6); // lit cheek
    return light;
}

Colour withEyes(Colour colour, Point p) {
    for (const double eyeX : {58.0, 70.0}) {
        const double white = ellipseCover(p, {eyeX, 40.2}, 3.0, 1.2, 0.35);
        const double iris = ellipseCover(p, {eyeX + 0.4, 40.1}, 1.4, 1.2, 0.35);
        const double lid = ellipseCover(p, {eyeX, 39.0}, 3.4, 0.7, 0.5);
        colour = mix(colour, Colour{0.80, 0.72, 0.60}, white * 0.8);
        colour = mix(colour, Colour{0.18, 0.11, 0.06}, std::max(iris, lid * 0.8));
    }
    return colour;
}

// A faint smile: the line between the lips rises towards the corners.
Colour withMouth(Colour colour, Point p) {
    const double mouthDx = p.x - faceX;
    const double mouthY = 55.6 - 0.035 * mouthDx * mouthDx;
    const double alongMouth = 1.0 - smoothstep(4.0, 5.5, std::fabs(mouthDx));
    const double lipLine = (1.0 - smoothstep(0.2, 0.9, std::fabs(p.y - mouthY))) * alongMouth;
    const double lips = (1.0 - smoothstep(0.5, 1.8, std::fabs(p.y - mouthY - 0.6))) * alongMouth;
    colour = mix(colour, Colour{0.70, 0.42, 0.32}, lips * 0.5);
    return mix(colour, Colour{0.30, 0.16, 0.10}, lipLine * 0.75);
}

Colour face(Point p) {
    return withMouth(withEyes(skinShade(faceLight(p)), p), p);
}

// The hair crowns the head and falls in two curtains beside the face onto the shoulders.
double hairCover(Point p) {
    const double crown =
        ellipseCover(p, {faceX, 41.0}, 17.0, 22.0, 0.05) * (1.0 - smoothstep(46.0, 52.0, p.y));
    const double fall = smoothstep(36.0, 40.0, p.y) * (1.0 - smoothstep(76.0, 84.0, p.y));
    const double outer = 17.0 + 8.0 * smoothstep(40.0, 80.0, p.y);
    const double inner = p.y < 50.0 ? 0.0 : 7.5 + std::max(0.0, p.y - 62.0) * 0.35;
    const double side = std::fabs(p.x - faceX);
    const double curtain = smoothstep(inner - 1.0, inner + 1.0, side) *
                           (1.0 - smoothstep(outer - 1.0, outer + 1.0, side));
    return std::max(crown, fall * curtain);
}

Colour hair(Point p) {
    const double strands = tilingFbm(p.x / 2.0, p.y / 12.0, {64, 16}, 3, 97);
    const double curls = 0.5 + 0.5 * std::sin(p.y * 0.9 + std::fabs(p.x - faceX) * 0.6);
    const double sheen = 0.7 + 0.5 * strands + 0.2 * curls * smoothstep(48.0, 75.0, p.y);
    const double leftLight = 1.15 - 0.3 * smoothstep(40.0, 88.0, p.x);
    return Colour{0.16, 0.10, 0.05} * (sheen * leftLight);
}

double chinShadow(Point p) {
    return ellipseCover(p, {faceX, 61.5}, 7.0, 2.5, 0.6);
}

double neckCover(Point p) {
    return (1.0 - smoothstep(5.5, 7.0, std::fabs(p.x - faceX))) * smoothstep(52.0, 54.0, p.y);
}

double necklineAt(double x) {
    const double t = (x - faceX) / 26.0;
    return 76.0 + 7.0 * (1.0 - t * t);
}

double bodyCover(Point p) {
    const double halfWidth = 14.0 + 46.0 * std::sqrt(clamp01((p.y - 62.0) / 30.0));
    return 1.0 - smoothstep(halfWidth - 1.0, halfWidth + 1.0, std::fabs(p.x - faceX));
}

Colour dress(Point p) {
    const double below = p.y - necklineAt(p.x);
    const double pleats = 0.5 + 0.5 * std::sin((p.x - faceX) * 1.3);
    const double gathered = 1.0 - smoothstep(2.0, 14.0, below);
    Colour colour = Colour{0.12, 0.10, 0.06} * (0.8 + 0.7 * pleats * gathered);
    const double border = 1.0 - smoothstep(0.5, 1.5, std::fabs(below - 1.0));
    return mix(colour, Colour{0.55, 0.42, 0.18}, border * 0.8);
}

Colour chest(Point p) {
    const double dx = (p.x - faceX) / 26.0;
    const double underChin = ellipseCover(p, {faceX, 61.0}, 10.0, 5.0, 0.5);
    return skinShade(0.95 - 0.35 * dx - 0.3 * underChin);
}

// A sleeve is a rounded tube of silk: brighter along its middle, with soft creases.
Colour sleeve(Point p, double distanceFromAxis) {
    const double creases = tilingFbm(p.x / 6.0, p.y / 6.0, {32, 32}, 2, 101);
    const double round = 1.0 - 0.55 * distanceFromAxis * distanceFromAxis;
    return Colour{0.46, 0.31, 0.12} * (round * (0.6 + 0.6 * creases));
}

// A hand seen from above: the back of the hand and four fingers reaching to the viewer's right.
struct HandCover {
    double cover;
    Colour colour;
};

HandCover hand(Point p, Point wrist) {
    const Point back{wrist.x + 6.0, wrist.y};
    const double backCover = ellipseCover(p, back, 8.0, 5.5, 0.15);
    double fingers = 0.0;
    double fingerLight = 0.0;
    for (int finger = 0; finger < 4; ++finger) {
        const double rowY = wrist.y - 4.2 + 2.8 * finger;
        const double length = finger == 0 || finger == 3 ? 11.0 : 13.0;
        const Point knuckle{back.x + 5.0, rowY};
        const Point tip{knuckle.x + length, rowY + 1.5 + 0.5 * finger};
        const double distance = segmentDistance(p, knuckle, tip);
        const double cover = 1.0 - smoothstep(1.0, 1.6, distance);
        if (cover > fingers) {
            fingers = cover;
            fingerLight = 0.9 - 0.45 * smoothstep(0.3, 1.5, distance) - 0.15 * (finger / 3.0);
        }
    }
    const double dx = (p.x - back.x) / 8.0;
    const double dy = (p.y - back.y) / 5.5;
    const double backLight =
        1.0 - 0.2 * dx - 0.5 * smoothstep(0.4, 1.0, std::sqrt(dx * dx + dy * dy));
    const double light = backCover >= fingers ? backLight : fingerLight;
    return {std::max(backCover, fingers), skinShade(light)};
}

Colour shadePortrait(double x, double y) {
    const Point p{x, y};
    Colour colour = landscape(p);
    colour = mix(colour, skinShade(0.72 - 0.3 * (p.x - faceX) / 8.0 - 0.45 * chinShadow(p)),
                 neckCover(p));
    const double body = bodyCover(p) * smoothstep(58.0, 62.0, p.y);
    const double bare = (1.0 - smoothstep(necklineAt(p.x) - 1.0, necklineAt(p.x), p.y)) *
                        (1.0 - smoothstep(24.0, 26.0, std::fabs(p.x - faceX)));
    colour = mix(colour, mix(dress(p), chest(p), bare), body);
    const double sleeveRadius = 11.0;
    for (const auto& [shoulder, wrist] : {std::pair<Point, Point>{{14.0, 92.0}, {60.0, 114.0}},
                                          std::pair<Point, Point>{{114.0, 92.0}, {78.0, 120.0}}}) {
        const double distance = segmentDistance(p, shoulder, wrist);
        const double cover = capsuleCover(p, shoulder, wrist, sleeveRadius);
        colour =
            mix(colour, sleeve(p, distance / sleeveRadius), cover * smoothstep(84.0, 88.0, p.y));
    }
    for (const Point wrist : {Point{44.0, 122.0}, Point{54.0, 110.0}}) {
        const HandCover handCover = hand(p, wrist);
        colour = mix(colour, handCover.colour, handCover.cover);
    }
    colour = mix(colour, hair(p), hairCover(p));
    return mix(colour, face(p), faceCover(p));
}

using ColourGrid = std::vector<Colour>;

ColourGrid paintGrid() {
    constexpr int samples = 3;
    ColourGrid grid(pictureSize * pictureSize);
    for (int y = 0; y < pictureSize; ++y) {
        for (int x = 0; x < pictureSize; ++x) {
            Colour sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    sum = sum + shadePortrait(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples);
                }
            }
            grid[static_cast<std::size_t>(y * pictureSize + x)] = sum * (1.0 / (samples * samples));
        }
    }
    return grid;
}

// One pass of a 1-2-1 blur along a row or a column: the painter's soft "smoke".
ColourGrid soften(const ColourGrid& grid, int stepX, int stepY) {
    ColourGrid out(grid.size());
    for (int y = 0; y < pictureSize; ++y) {
        for (int x = 0; x < pictureSize; ++x) {
            const auto at = [&](int cx, int cy) {
                cx = std::min(std::max(cx, 0), pictureSize - 1);
                cy = std::min(std::max(cy, 0), pictureSize - 1);
                return grid[static_cast<std::size_t>(cy * pictureSize + cx)];
            };
            out[static_cast<std::size_t>(y * pictureSize + x)] =
                (at(x - stepX, y - stepY) + at(x, y) * 2.0 + at(x + stepX, y + stepY)) * 0.25;
        }
    }
    return out;
}

// Aged varnish: warm yellow tint and darker corners.
Colour varnish(Colour colour, int x, int y) {
    const double dx = (x - 63.5) / 64.0;
    const double dy = (y - 63.5) / 64.0;
    const double vignette = 1.0 - 0.35 * smoothstep(0.5, 1.5, dx * dx + dy * dy);
    return colour * Colour{1.0, 0.95, 0.78} * vignette;
}

} // namespace

Image drawPortrait() {
    ColourGrid grid = paintGrid();
    grid = soften(soften(grid, 1, 0), 0, 1);
    Image picture(pictureSize, pictureSize);
    for (int y = 0; y < pictureSize; ++y) {
        for (int x = 0; x < pictureSize; ++x) {
            picture.at(x, y) =
                toRgb(varnish(grid[static_cast<std::size_t>(y * pictureSize + x)], x, y));
        }
    }
    return picture;
}

} // namespace tyvok::images
