#pragma once
// Angle and number helpers used by every chart formula. The one-value
// functions are pure; the coordinate conversions and longitude splitters read
// and write the scratch registers of ChartState.
struct ChartState;

double SinDeg(double x);
double CosDeg(double x);
double TanD(double x);
// SinDeg and CosDeg of the same x in one evaluation.
void SinCosDeg(double x, double& s, double& c);
double DegToRad(double x);
double RadToDeg(double x);
double ArcSin(double x);
double ArcCos(double x);
double Mod360(double x);
double Normalize360(double x);
double Round2(double x);
double HMToDecimal(double x);
double DecimalToHM(double x);
double Sgn(double x);

void PolarToRect(ChartState& cs);
void RectToPolar(ChartState& cs);
void ArcTan2Deg(ChartState& cs);
void SplitLongitude(ChartState& cs);
void SplitLongitudeDMS(ChartState& cs);
