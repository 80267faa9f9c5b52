// Binary-angle geometry for the mower, clouds and sprites.
#include "kwui/geometry.h"

#include <cmath>

static const double kRadiansPerUnit = M_PI / 128.0;

void KW_MoveByAngle(double& x, double& y, double angle, double distance)
{
    // Along the axes the move is exact, so straight driving never drifts.
    int whole = static_cast<int>(angle) % 256;
    if (whole < 0) whole += 256;
    switch (whole) {
    case 0: y -= distance; return;
    case 64: x += distance; return;
    case 128: y += distance; return;
    case 192: x -= distance; return;
    default: break;
    }
    const double radians = angle * kRadiansPerUnit;
    x += std::sin(radians) * distance;
    y -= std::cos(radians) * distance;
}

double KW_TurnTowards(double angle, double target, double maxStep, KW_TurnDirection* turned)
{
    if (turned) *turned = KW_TurnNone;
    if (angle == target) return angle;
    const double difference = std::fabs(target - angle);
    const double step = std::fmin(maxStep, difference);
    bool right;
    if (target > angle)
        right = difference < 128.0;
    else
        right = difference >= 128.0;
    angle += right ? step : -step;
    if (turned) *turned = right ? KW_TurnRight : KW_TurnLeft;
    while (angle < 0.0) angle += 256.0;
    while (angle >= 256.0) angle -= 256.0;
    return angle;
}

float KW_Distance(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

void KW_RotatedExtent(double angle, double width, double height, double& outWidth, double& outHeight)
{
    if (angle == 0.0) {
        outWidth = width;
        outHeight = height;
        return;
    }
    const double radians = angle * kRadiansPerUnit;
    const double s = std::sin(radians), c = std::cos(radians);
    outWidth = std::fabs(s * height + c * width);
    outHeight = std::fabs(s * width + c * height);
}
