#pragma once
// Data, 7 Steps (printer): prints the organizational fit page of chart A.
struct ProgramState;

// Reads the orbs of "NATAL.ORB", then prints the page as one job on the
// report print target (the printer, or a PDF file when there is none).
// False when the orb file is missing or the job could not be started or
// finished; the user has been told.
bool PrintOrganizationalFit(ProgramState& ps);
