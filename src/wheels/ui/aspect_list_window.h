#pragma once
// The aspect list window: the aspects of the wheel's chart, one line of
// three glyphs each (body, aspect, body), then the parallels and
// contraparallels, in the glyph font. Each load reads the current orb file
// and builds the list anew; it opens beside the wheel window.
#include <QString>
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/text_box.h"

class CWAspect : public Form {
public:
    CWAspect();

    TextBox Text1;

    void Form_Load();
    void Form_Resize();
    void FillAspectList();
};

// The list as the box shows it: glyph codes (128 and above) as the glyph
// font holds them, blanks and line breaks as they are.
QString AspectListDisplayText(const std::string& list);
