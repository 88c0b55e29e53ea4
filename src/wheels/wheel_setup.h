#pragma once
// The set-up of every wheel of the main window's Wheels menu: the chart or
// charts into the working chart and the wheel state, the legends and the
// orb file. The caller then opens the wheel window.
#include <optional>
#include <string>

struct ProgramState;

// Chart A (natal) or chart B (diurnal) into the working chart.
void LoadWorkingChart(ProgramState& ps, bool chartB);

// The single-wheel legend: chart A's lines with " - natal", the house
// system, an empty second legend.
void FillWheelLegend(ProgramState& ps);

void SetUpNatalWheel(ProgramState& ps, bool magi);
void SetUpTransitWheel(ProgramState& ps);
void SetUpVenusZodiacWheel(ProgramState& ps);

// The composite wheel's latitude box: its default answer, and what an answer
// means. A number from -90 to 90 with minutes up to 59, or 99 (midpoint
// houses), is taken; an empty answer cancels; anything else asks again.
std::string CompositeLatitudeDefault(const ProgramState& ps);
enum class LatitudeAnswer { Accept, AskAgain, Cancel };
LatitudeAnswer ClassifyLatitudeAnswer(const std::string& answer);
// Whether a taken answer lies beyond the latitude that the house formulas
// of the house system serve, the limit the input windows apply; never for
// 99 (midpoint houses).
bool CompositeLatitudeTooHigh(const std::string& answer, const std::string& houseSystemCode);
// Asks in the latitude box until an answer is taken; nullopt on Cancel. An
// answer beyond the house formulas' limit gets the input windows' latitude
// message and the box asks again.
std::optional<std::string> AskCompositeLatitude(const ProgramState& ps);
// The composite wheel for a taken answer (kept in CompositeLatText).
void SetUpCompositeWheel(ProgramState& ps, const std::string& answer);

// The bi-wheels: both charts in the order WheelSwitched gives, both legends
// and the orb file; the Venus filler turns the outer chart to its own Venus
// zodiac and leaves the inner chart as computed.
enum class DualFiller { Plain, Magi, Venus };
void FillDualWheelLegend(ProgramState& ps, DualFiller filler);
