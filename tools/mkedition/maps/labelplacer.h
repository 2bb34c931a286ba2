// Where the names go: each name beside its dot, clear of every dot, of every name placed before
// it and of the areas kept free, preferring the positions a reader looks at first (right, then
// left, then the corners) and moving further out, with a leader line, only when crowded.
#pragma once

#include <QRectF>
#include <functional>
#include <optional>
#include <vector>

struct LabelRequest {
    QPointF anchor;    // the dot's centre, in pixels
    double clearance;  // radius round the anchor that the name keeps free
    QSizeF size;       // the name's box
};

struct PlacedLabel {
    QRectF box;
    bool needsLeader = false;  // far from its dot: a line leads from the name to the dot
};

class LabelPlacer {
  public:
    // extraCost scores a candidate box (for example how much of it straddles the shore); the
    // placer adds it, never negative, to the cost of the candidate's position.
    LabelPlacer(const QRectF& bounds, std::function<double(const QRectF&)> extraCost);

    void keepFree(const QRectF& area);
    void keepFree(const QPointF& centre, double radius);

    // The cheapest free position, which is then kept free; none when every candidate is taken.
    std::optional<PlacedLabel> place(const LabelRequest& request);
    // How many candidate positions are free now (the crowded go first).
    int freeCandidates(const LabelRequest& request) const;

  private:
    struct Candidate {
        QRectF box;
        double cost;
        bool leader;
    };
    std::vector<Candidate> candidates(const LabelRequest& request) const;
    bool isFree(const QRectF& box) const;

    QRectF bounds_;
    std::function<double(const QRectF&)> extraCost_;
    std::vector<QRectF> taken_;
};
