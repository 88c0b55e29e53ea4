#pragma once
// The composite chart of a couple: midpoints of chart A and chart B, with
// midpoint house cusps, written into the working chart.
struct ChartState;

// Reads NatalLongitudes, SecondLongitudes, their declinations and cusps;
// writes WorkLongitudes, WorkDeclinations, RetrogradeFlags ("A" where the
// two positions lie more than 150 degrees apart), CompositeLatText, and
// through ComputeCompositeHouses WorkCusps, HouseString,
// CompositeHouseString and WheelHouseString.
void ComputeCompositeChart(ChartState& cs);

// Midpoint house cusps into WorkCusps (tenth house first), then the houses
// of the composite bodies.
void ComputeCompositeHouses(ChartState& cs);

// Cusps of HouseSystemCode for the composite chart in the working chart at
// a latitude (degrees.minutes, South negative): from the composite MC (body
// 15) and its right ascension, with the obliquity 23.4522944 degrees.
// Writes WorkCusps (tenth house first, 0..360), the Ascendant (body 14, its
// longitude and declination) of that latitude, and the houses of the bodies
// into HouseString and WheelHouseString; CompositeHouseString keeps the
// midpoint houses the reports use.
void ComputeCompositeCuspsAtLatitude(ChartState& cs, double latitude);
