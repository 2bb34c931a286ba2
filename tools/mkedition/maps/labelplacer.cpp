#include "tools/mkedition/maps/labelplacer.h"

#include <algorithm>
#include <cmath>

namespace {

// Space between a name and what it must not touch.
constexpr double kPadding = 1.5;

}  // namespace

LabelPlacer::LabelPlacer(const QRectF& bounds, std::function<double(const QRectF&)> extraCost)
    : bounds_(bounds), extraCost_(std::move(extraCost)) {}

void LabelPlacer::keepFree(const QRectF& area) { taken_.push_back(area); }

void LabelPlacer::keepFree(const QPointF& centre, double radius) {
    taken_.emplace_back(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

std::vector<LabelPlacer::Candidate> LabelPlacer::candidates(const LabelRequest& request) const {
    const double w = request.size.width();
    const double h = request.size.height();
    const double x = request.anchor.x();
    const double y = request.anchor.y();
    const double g = request.clearance + kPadding;
    const double corner = g * 0.7;
    std::vector<Candidate> out;
    auto add = [&](double left, double top, double cost, bool leader) {
        out.push_back(Candidate{QRectF(left, top, w, h), cost, leader});
    };
    // Beside the dot, in the order a reader's eye tries them.
    add(x + g, y - h / 2, 0, false);
    add(x - g - w, y - h / 2, 1, false);
    add(x + corner, y - corner - h, 2, false);
    add(x + corner, y + corner, 2.5, false);
    add(x - corner - w, y - corner - h, 3, false);
    add(x - corner - w, y + corner, 3.5, false);
    add(x - w / 2, y - g - h, 4, false);
    add(x - w / 2, y + g, 4.5, false);
    // Further out, a line leading back: rows above and below, then beside but a row or more up
    // or down.
    for (int row = 1; row <= 4; ++row) {
        const double step = row * (h + 1);
        const double cost = 6 + 3 * row;
        for (double shift : {0.0, -0.25, 0.25, -0.5, 0.5, -0.75, 0.75}) {
            add(x - w / 2 + shift * w, y - g - h - step, cost + std::fabs(shift), true);
            add(x - w / 2 + shift * w, y + g + step, cost + 0.5 + std::fabs(shift), true);
        }
        add(x + g, y - h / 2 - step, cost + 1, true);
        add(x + g, y - h / 2 + step, cost + 1, true);
        add(x - g - w, y - h / 2 - step, cost + 1.5, true);
        add(x - g - w, y - h / 2 + step, cost + 1.5, true);
    }
    return out;
}

bool LabelPlacer::isFree(const QRectF& box) const {
    if (!bounds_.contains(box)) return false;
    const QRectF padded = box.adjusted(-kPadding, -kPadding, kPadding, kPadding);
    return std::none_of(taken_.begin(), taken_.end(),
                        [&](const QRectF& t) { return t.intersects(padded); });
}

std::optional<PlacedLabel> LabelPlacer::place(const LabelRequest& request) {
    std::vector<Candidate> all = candidates(request);
    std::stable_sort(all.begin(), all.end(),
                     [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
    const Candidate* best = nullptr;
    double bestCost = 0;
    for (const Candidate& candidate : all) {
        // The extra cost is never negative: nothing dearer before it can win.
        if (best && candidate.cost >= bestCost) break;
        if (!isFree(candidate.box)) continue;
        const double cost = candidate.cost + extraCost_(candidate.box);
        if (!best || cost < bestCost) {
            best = &candidate;
            bestCost = cost;
        }
    }
    if (!best) return std::nullopt;
    taken_.push_back(best->box);
    return PlacedLabel{best->box, best->leader};
}

int LabelPlacer::freeCandidates(const LabelRequest& request) const {
    const std::vector<Candidate> all = candidates(request);
    return static_cast<int>(
        std::count_if(all.begin(), all.end(), [&](const Candidate& c) { return isFree(c.box); }));
}
