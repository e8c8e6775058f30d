// Draws a posed hand as a pencil line drawing: ray-marches the model's signed
// distances at four times the picture's size, outlines every place where the
// nearest part changes, where depth jumps and where the surface folds, adds
// the fine lines of nails and palm creases, and reduces the result to the
// picture's size.
#pragma once

#include "greyimage.h"
#include "handmodel.h"

#include <cstdint>

struct HandLayer
{
    GreyImage colour; // premultiplied by coverage
    GreyImage coverage;
};

class HandRenderer
{
public:
    static constexpr int width = 256;
    static constexpr int height = 192;
    static constexpr int oversample = 4;
    static constexpr double pixelsPerUnit = 64.0;

    HandRenderer(const HandModel& model, double offsetX, double offsetY, std::uint64_t seed);

    HandLayer render() const;

private:
    struct Hit;
    Hit trace(double viewX, double viewY) const;
    double lineBetween(const Hit& p, const Hit& q, bool nearNeighbour) const;

    const HandModel& m_model;
    double m_centreX;
    double m_centreY;
    double m_offsetX;
    double m_offsetY;
    std::uint64_t m_seed;
};
