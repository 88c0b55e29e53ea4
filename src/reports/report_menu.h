#pragma once
// The Data-menu reports built from the text listings: one function per main
// menu item, each the whole body of that item's handler (start the page,
// list, show the page). The main window wires its menu items to these.
//
//   menu item                          function
//   mnuDataNatalData                   DataNatalData
//   mnuDataNatalAspects                DataNatalAspects
//   mnuCoLAspects                      CoLAspects
//   mnuDataCosmodynes                  DataCosmodynes
//   mnuDataTransitData                 DataTransitData
//   mnuDataTransitsAspectstoNatal      DataTransitsAspectstoNatal
//   mnuDataTransitAspectsToTransits    DataTransitAspectsToTransits
//   mnuDataComposite                   DataComposite
//   mnuDataInterchartAspects           DataInterchartAspects
//   mnuDataAnalysis                    DataAnalysis
//
// The reports read the chart arrays of the last chart run; the chart headers
// must be installed once at start with InstallChartHeaders.
//
// The dual-cosmodyne pages (mnuDataCompositeDC, mnuDataVZ_DC) live with the
// cosmodynes (cosmodynes/dual_cosmodynes.h).
struct ProgramState;

// Registers the chart headers with the output buffer, so that
// StartReportWithHeader and its two companions print them.
void InstallChartHeaders();

// Data, Natal, Data: chart A's positions, cusps and angles.
void DataNatalData(ProgramState& ps);
// Data, Natal, Aspects: chart A's aspect grid and its list of aspects.
void DataNatalAspects(ProgramState& ps);
// Data, Natal, Church of Light Aspects.
void CoLAspects(ProgramState& ps);
// Data, Natal, Cosmodynes: chart A's cosmodyne report under the natal
// header, or, for a chart named "... relationship", its composite form.
void DataCosmodynes(ProgramState& ps);
// Data, Transits, Data: chart B's positions; ChartKind is 0 afterwards.
void DataTransitData(ProgramState& ps);
// Data, Transits, Aspects to Natal: with a second person the A x B aspect
// grid, parallel grid and magnetic harmony; otherwise the transit aspects to
// the natal planets.
void DataTransitsAspectstoNatal(ProgramState& ps);
// Data, Transits, Aspects to Transits: with a second person that person's own
// aspect grid; otherwise the transit aspects among themselves.
void DataTransitAspectsToTransits(ProgramState& ps);
// Data, Composite: the composite listing, its aspect grid and the composite
// chart's cosmodynes. Leaves the natal chart arrays as they were.
void DataComposite(ProgramState& ps);
// Data, Interchart Aspects: with a second person the aspect points score and
// the points of astrological interest; otherwise an empty page.
void DataInterchartAspects(ProgramState& ps);
// Data, Interchart Analysis: with a second person the needs of both persons
// and the relationship qualities; otherwise an empty page.
void DataAnalysis(ProgramState& ps);
