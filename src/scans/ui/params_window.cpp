#include "scans/ui/params_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "platform/ui/control_mirror.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

// The caption of a check box too long for one line of its place: the box
// keeps its caption but draws it unseen, and a word-wrapping label beside
// the indicator shows it on as many lines as the box's height holds. A
// click on the label clicks the box.
class WrappedCaption : public QLabel {
public:
    explicit WrappedCaption(QCheckBox* box) : QLabel(box->text(), box), box_(box) {
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QPalette own = box->palette();
        QPalette hidden = own;
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                own.setColor(group, role, own.color(group, role));
                hidden.setColor(group, role, Qt::transparent);
            }
        }
        box->setPalette(hidden);
        setPalette(own);
        QStyleOptionButton opt;
        opt.initFrom(box);
        opt.text = box->text();
        const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, box);
        setGeometry(contents.left(), 0, box->width() - contents.left(), box->height());
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && box_->isEnabled())
            box_->click();
        e->accept();
    }

private:
    QCheckBox* box_;
};

// The room a check box has for its caption beside the indicator.
int CaptionRoom(QCheckBox* box) {
    QStyleOptionButton opt;
    opt.initFrom(box);
    opt.text = box->text();
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, box).width();
}

// Narrows the lettering of a caption wider than its room just enough for
// it to fit, down to 85 per cent of its width; the height stays.
void FitCaption(QWidget* w, const QString& text, int room) {
    QFont font = w->font();
    for (int stretch = 99; stretch >= 85 && QFontMetrics(font).horizontalAdvance(text) > room; --stretch) {
        font.setStretch(stretch);
        w->setFont(font);
    }
}

}  // namespace

Params::Params() {
    SetCaption("Parameters - Composite on left side, synastry on right side");
    PlaceControls();
    ScanState& s = UiState().scans;
    // The boxes start as the state holds them (its defaults at start), and
    // every change goes back into the state the scans read.
    for (int n = 1; n <= 33; ++n) {
        CheckBox* box = CriterionBox(n);
        if (!box) continue;
        box->SetValue(s.ParamsChecks[n]);
        MirrorValue(*box, [n](int v) { UiState().scans.ParamsChecks[n] = v; });
    }
    Text1.SetText(s.ParamsText1);
    Check20.SetValue(s.Check20);
    Check21.SetValue(s.Check21);
    MirrorText(Text1, [](const std::string& t) { UiState().scans.ParamsText1 = t; });
    MirrorValue(Check20, [](int v) { UiState().scans.Check20 = v; });
    MirrorValue(Check21, [](int v) { UiState().scans.Check21 = v; });
    Text1.GotFocus = [this] { Text1_GotFocus(); };
    OnPaint = [this] { Form_Paint(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
}

CheckBox* Params::CriterionBox(int n) {
    std::array<CheckBox*, 34> boxes{nullptr, &Check1,  &Check2,  &Check3,  &Check4,  &Check5,  &Check6,
                                    &Check7, &Check8,  &Check9,  &Check10, &Check11, &Check12, &Check13,
                                    &Check14, &Check15, &Check16, &Check17, &Check18, &Check19, nullptr,
                                    nullptr, &Check22, &Check23, &Check24, &Check25, &Check26, &Check27,
                                    &Check28, &Check29, &Check30, &Check31, &Check32, &Check33};
    return n >= 0 && n <= 33 ? boxes[n] : nullptr;
}

void Params::PlaceControls() {
    Move(0, 9000);
    resize(static_cast<int>(12090 / TwipsPerPixelX() + 0.5), static_cast<int>(2310 / TwipsPerPixelY() + 0.5));
    UseWindowFace(*this);
    Check1.Move(120, 120, 1335, 255);
    Check2.Move(120, 480, 1335, 255);
    Check3.Move(120, 840, 1335, 255);
    Check4.Move(120, 1200, 1335, 255);
    Check5.Move(120, 1560, 1335, 255);
    Check6.Move(1800, 120, 2295, 255);
    Check7.Move(1800, 480, 1575, 255);
    Check8.Move(1800, 840, 1575, 255);
    Check19.Move(1800, 1200, 1935, 255);
    Check9.Move(4440, 120, 1335, 255);
    Check10.Move(4440, 480, 1335, 255);
    Check11.Move(4440, 840, 1335, 255);
    Check12.Move(4440, 1200, 1335, 255);
    Check13.Move(4440, 1560, 1335, 255);
    Check14.Move(5900, 120, 1525, 255);
    Check15.Move(5900, 480, 1525, 255);
    Check16.Move(5900, 840, 1525, 255);
    Check32.Move(5900, 1200, 1525, 255);
    Check17.Move(5900, 1560, 1525, 255);
    Check18.Move(5900, 1920, 1525, 255);
    Check22.Move(7460, 120, 1525, 255);
    Check23.Move(7460, 480, 1525, 255);
    Check24.Move(7460, 840, 1525, 255);
    Check25.Move(7460, 1200, 1525, 255);
    Check33.Move(7460, 1560, 1525, 255);
    Check26.Move(7460, 1920, 1525, 255);
    Check27.Move(9000, 120, 1525, 255);
    Check28.Move(9000, 480, 1525, 255);
    Check29.Move(9000, 840, 1410, 255);
    Check30.Move(9000, 1200, 1440, 255);
    Check31.Move(9000, 1560, 1410, 255);
    Command1.Move(10680, 90, 1215, 295);
    Command3.Move(10680, 430, 1215, 295);
    Command2.Move(10680, 780, 1215, 295);
    Text1.Move(1800, 1530, 320, 285);
    Label1.Move(2160, 1560, 1935, 255);
    Check20.Move(10500, 1200, 1575, 255);
    Check21.Move(10500, 1440, 1575, 435);
    // The window's small face, so the captions fit their places.
    for (int n = 1; n <= 33; ++n)
        if (CheckBox* box = CriterionBox(n)) box->SetFont("MS Sans Serif", 8.25);
    for (Control* c : std::initializer_list<Control*>{&Command1, &Command2, &Command3, &Text1, &Label1, &Check20, &Check21})
        c->SetFont("MS Sans Serif", 8.25);
    new WrappedCaption(static_cast<QCheckBox*>(Check21.Widget()));
    for (QCheckBox* box : Container()->findChildren<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly))
        if (box != Check21.Widget()) FitCaption(box, box->text(), CaptionRoom(box));
    QLabel* label = static_cast<QLabel*>(Label1.Widget());
    FitCaption(label, label->text(), label->contentsRect().width());
}

void Params::Form_Paint() { DrawControlFrame(*this, Label1); }

void Params::Text1_GotFocus() { Text1.SelectAll(); }
