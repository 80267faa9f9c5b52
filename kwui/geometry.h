// Geometry for game objects in binary angles (256 a turn, 0 up, 64 right).
#pragma once

void KW_MoveByAngle(double& x, double& y, double angle, double distance);

enum KW_TurnDirection { KW_TurnNone = 0, KW_TurnLeft = -1, KW_TurnRight = 1 };
// Turns angle towards target by at most maxStep the shorter way round; the
// result is in 0..255.
double KW_TurnTowards(double angle, double target, double maxStep, KW_TurnDirection* turned = nullptr);

float KW_Distance(double x1, double y1, double x2, double y2);
void KW_RotatedExtent(double angle, double width, double height, double& outWidth, double& outHeight);
