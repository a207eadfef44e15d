#include "table/zoomsteps.h"

#include <algorithm>

namespace {

// A shown zoom within this of a step counts as that step.
constexpr double StepTolerance = 0.005;

}  // namespace

int ZoomInFrom(double shown)
{
    for (const int step : ZoomSteps)
        if (step / 100.0 > shown + StepTolerance)
            return step;
    return ZoomSteps.back();
}

int ZoomOutFrom(double shown)
{
    for (auto it = ZoomSteps.rbegin(); it != ZoomSteps.rend(); ++it)
        if (*it / 100.0 < shown - StepTolerance)
            return *it;
    return ZoomSteps.front();
}

double FitZoom(int areaWidth, int areaHeight, int tableWidth, int tableHeight)
{
    if (tableWidth <= 0 || tableHeight <= 0)
        return 1.0;
    const double fit = std::min(static_cast<double>(areaWidth) / tableWidth, static_cast<double>(areaHeight) / tableHeight);
    return std::clamp(fit, MinFitZoom, MaxFitZoom);
}

int ValidZoomSetting(int stored)
{
    if (stored == ZoomFitWindow || std::find(ZoomSteps.begin(), ZoomSteps.end(), stored) != ZoomSteps.end())
        return stored;
    return ZoomClassic;
}
