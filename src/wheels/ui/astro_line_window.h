#pragma once
// The synastry aspect-line window: chart A's and chart B's bodies on two
// zodiac strips and the major aspects between them as coloured lines, one
// page at a time (a click turns to the next, Esc returns to the main
// window). Its orbs come from "SYNASTRY.ORB", whatever orb file is current.
#include <string>

#include "platform/ui/form.h"

class AstrLine : public Form {
public:
    AstrLine();

    // 0 squares and oppositions, 1 sextiles and trines, 2 conjunctions.
    int PageNumber = 0;

    void Form_Load();
    void Form_Paint();
    void Form_Resize();
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_KeyPress(int& keyAscii);
};

struct Settings;
// Reads "SYNASTRY.ORB" into OrbValues (at most 17 lines, up to the first
// empty one); a number too large to use counts as 0. A missing file keeps
// the earlier orbs. tell = true also tells the user of a missing file or of
// lines too large. False when the file could not be read.
bool LoadSynastryOrbs(Settings& s, bool tell);
