// The land's relief on a grid over the whole map: heights synthesised from the hills of the map
// source, roughened by deterministic noise and cut by the river valleys; the hillshade of those
// heights; and how far each point at sea lies from the shore.
#pragma once

#include <vector>

#include "tools/mkedition/maps/geography.h"

class Relief {
  public:
    explicit Relief(const Geography& geography);

    // Bilinear between grid points; positions in map units.
    double height(double x, double y) const { return sample(height_, x, y); }
    // 1 on level ground, above 1 on slopes facing the light (from the north-west), below facing
    // away.
    double shade(double x, double y) const { return sample(shade_, x, y); }
    // Map units to the nearest land; 0 on land.
    double seaDistance(double x, double y) const { return sample(sea_, x, y); }

  private:
    double sample(const std::vector<float>& grid, double x, double y) const;
    void raiseHills(const Geography& geography, std::vector<float>& hills) const;
    void computeShade();

    int columns_;
    int rows_;
    std::vector<float> height_;
    std::vector<float> shade_;
    std::vector<float> sea_;
};
