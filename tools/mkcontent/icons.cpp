// The toolkit's icons: 32 x 32 pictures on magenta, one per name the program
// asks for, each drawn from simple shapes and given a dark outline.
#include "tools/mkcontent/mkcontent.h"
#include "tools/mkcontent/pixel.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

const Rgb kInk{34, 36, 46};
const Rgb kWhite{250, 250, 246};
const Rgb kPaper{236, 236, 226};
const Rgb kGrey{150, 154, 162};
const Rgb kDarkGrey{92, 96, 106};
const Rgb kRed{214, 48, 44};
const Rgb kGreen{56, 176, 64};
const Rgb kDarkGreen{30, 116, 40};
const Rgb kBlue{52, 110, 214};
const Rgb kLightBlue{120, 176, 244};
const Rgb kYellow{246, 206, 52};
const Rgb kOrange{236, 140, 40};
const Rgb kBrown{150, 96, 48};
const Rgb kSkin{240, 196, 150};

bool IsMagenta(Rgb c) { return c.r == 255 && c.g == 0 && c.b == 255; }

// Every magenta pixel that touches a drawn pixel becomes ink.
void Outline(ALLEGRO_BITMAP* bmp)
{
    bool drawn[32][32];
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) drawn[y][x] = !IsMagenta(Get(bmp, x, y));
    TargetScope scope(bmp);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (drawn[y][x]) continue;
            bool near = (x > 0 && drawn[y][x - 1]) || (x < 31 && drawn[y][x + 1]) || (y > 0 && drawn[y - 1][x]) ||
                        (y < 31 && drawn[y + 1][x]);
            if (near) Put(x, y, kInk);
        }
}

// ---- shared pieces ----

void Page(int x1, int y1, int x2, int y2)
{
    FillRect(x1, y1, x2, y2, kPaper);
    Triangle(x2 - 6, y1 - 0.5, x2 + 1, y1 - 0.5, x2 + 1, y1 + 6.5, kMagenta);
    FillRect(x2 - 6, y1, x2 - 6, y1 + 6, kGrey);
    FillRect(x2 - 6, y1 + 6, x2, y1 + 6, kGrey);
    for (int y = y1 + 9; y < y2 - 2; y += 4) FillRect(x1 + 3, y, x2 - 4, y + 1, kLightBlue);
}

void Arrow(double cx, double cy, double angleDeg, double length, double width, Rgb c)
{
    double a = angleDeg * M_PI / 180.0;
    double dx = std::cos(a), dy = std::sin(a);
    double px = -dy, py = dx;
    double tipX = cx + dx * length / 2, tipY = cy + dy * length / 2;
    double headBase = length * 0.45;
    double bx = tipX - dx * headBase, by = tipY - dy * headBase;
    Triangle(tipX, tipY, bx + px * width, by + py * width, bx - px * width, by - py * width, c);
    Line(cx - dx * length / 2, cy - dy * length / 2, bx, by, width * 0.9, c);
}

void Magnifier(bool plus)
{
    Line(19, 19, 28, 28, 5, kBrown);
    FillCircle(13, 13, 11, kDarkGrey);
    FillCircle(13, 13, 8.5, kLightBlue);
    FillRect(8, 12, 18, 14, kInk);
    if (plus) FillRect(12, 8, 14, 18, kInk);
}

void ClockFace(double cx, double cy, double r)
{
    FillCircle(cx, cy, r, kBlue);
    FillCircle(cx, cy, r - 2.5, kWhite);
    for (int i = 0; i < 12; i += 3) {
        double a = i * M_PI / 6;
        Put(static_cast<int>(cx + std::sin(a) * (r - 4.5)), static_cast<int>(cy - std::cos(a) * (r - 4.5)), kInk);
    }
    Line(cx, cy, cx, cy - (r - 5), 2, kInk);
    Line(cx, cy, cx + (r - 7), cy + 1, 2, kInk);
}

void Floppy(Rgb body)
{
    FillRect(3, 3, 28, 28, body);
    Triangle(24, 2.5, 29.5, 2.5, 29.5, 8, kMagenta);
    FillRect(8, 3, 22, 11, kGrey);
    FillRect(17, 4, 20, 10, kDarkGrey);
    FillRect(7, 16, 24, 28, kWhite);
    FillRect(9, 19, 22, 19, kLightBlue);
    FillRect(9, 22, 22, 22, kLightBlue);
    FillRect(9, 25, 22, 25, kLightBlue);
}

void Pencil(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y2, 5, kYellow);
    double dx = x2 - x1, dy = y2 - y1, len = std::hypot(dx, dy);
    dx /= len;
    dy /= len;
    Line(x2 - dx * 3, y2 - dy * 3, x2, y2, 4, kSkin);
    Put(static_cast<int>(x2), static_cast<int>(y2), kInk);
    Line(x1, y1, x1 + dx * 3, y1 + dy * 3, 5, kRed);
}

void FilmFrame()
{
    FillRect(6, 3, 25, 28, kDarkGrey);
    for (int y = 5; y < 28; y += 5) {
        FillRect(8, y, 9, y + 2, kWhite);
        FillRect(22, y, 23, y + 2, kWhite);
    }
    FillRect(11, 6, 20, 25, kLightBlue);
}

void Box(int x1, int y1, int x2, int y2, Rgb fill)
{
    FillRect(x1, y1, x2, y2, kInk);
    FillRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1, fill);
}

void Check(Rgb c)
{
    Line(8, 16, 13, 22, 4, c);
    Line(13, 22, 24, 9, 4, c);
}

void Gear(double cx, double cy, double r, Rgb c)
{
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4;
        Line(cx, cy, cx + std::cos(a) * (r + 3), cy + std::sin(a) * (r + 3), 5, c);
    }
    FillCircle(cx, cy, r, c);
    FillCircle(cx, cy, r * 0.4, kMagenta);
}

void CurvedArrow(bool clockwise, Rgb c)
{
    double cx = 16, cy = 16, r = 10;
    for (int i = 0; i <= 270; i += 3) {
        double a = (clockwise ? -90 + i : -90 - i) * M_PI / 180;
        FillCircle(cx + std::cos(a) * r, cy + std::sin(a) * r, 2.2, c);
    }
    // head at the end of the arc
    double end = (clockwise ? 180.0 : 0.0) * M_PI / 180;
    double ex = cx + std::cos(end) * r, ey = cy + std::sin(end) * r;
    Triangle(ex - 6, ey + 2, ex + 6, ey + 2, ex, ey - 6, c);
}

// An arrow bent over the top, its head pointing down on the left for undo
// and on the right for redo.
void HookArrow(bool forward, Rgb c)
{
    const double side = forward ? 1.0 : -1.0;
    for (int i = 0; i <= 180; i += 3) {
        const double a = i * M_PI / 180;
        FillCircle(16 - side * std::cos(a) * 9, 17 - std::sin(a) * 9, 2.0, c);
    }
    FillCircle(16 - side * 9, 19, 2.0, c);
    const double headX = 16 + side * 9;
    Triangle(headX - 6, 16, headX + 6, 16, headX, 25, c);
}

void MowerTopView(double scale)
{
    // body, handle and wheels of a small push mower seen from above
    auto S = [scale](double v) { return 16 + (v - 16) * scale; };
    FillRect(static_cast<int>(S(7)), static_cast<int>(S(9)), static_cast<int>(S(24)), static_cast<int>(S(26)), kGreen);
    FillRect(static_cast<int>(S(5)), static_cast<int>(S(10)), static_cast<int>(S(6)), static_cast<int>(S(14)), kInk);
    FillRect(static_cast<int>(S(25)), static_cast<int>(S(10)), static_cast<int>(S(26)), static_cast<int>(S(14)), kInk);
    FillRect(static_cast<int>(S(5)), static_cast<int>(S(21)), static_cast<int>(S(6)), static_cast<int>(S(25)), kInk);
    FillRect(static_cast<int>(S(25)), static_cast<int>(S(21)), static_cast<int>(S(26)), static_cast<int>(S(25)), kInk);
    FillCircle(S(15.5), S(17.5), 5 * scale, kDarkGreen);
    FillCircle(S(15.5), S(17.5), 2.5 * scale, kGrey);
    FillRect(static_cast<int>(S(10)), static_cast<int>(S(27)), static_cast<int>(S(11)), static_cast<int>(S(31)), kDarkGrey);
    FillRect(static_cast<int>(S(20)), static_cast<int>(S(27)), static_cast<int>(S(21)), static_cast<int>(S(31)), kDarkGrey);
    FillRect(static_cast<int>(S(10)), static_cast<int>(S(30)), static_cast<int>(S(21)), static_cast<int>(S(31)), kDarkGrey);
    FillRect(static_cast<int>(S(7)), static_cast<int>(S(5)), static_cast<int>(S(24)), static_cast<int>(S(8)), kYellow);
}

// A 5 x 7 character for letters on icons.
void Glyph(int x, int y, const char* const rows[7], Rgb c, int scale)
{
    for (int r = 0; r < 7; ++r)
        for (int col = 0; rows[r][col]; ++col)
            if (rows[r][col] == '#') FillRect(x + col * scale, y + r * scale, x + col * scale + scale - 1, y + r * scale + scale - 1, c);
}

const char* const kQuestion[7] = {" ### ", "#   #", "    #", "   # ", "  #  ", "     ", "  #  "};
const char* const kLetterZ[7] = {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"};
const char* const kLetterA[7] = {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"};

using IconDraw = std::function<void()>;

std::vector<std::pair<const char*, IconDraw>> IconTable()
{
    std::vector<std::pair<const char*, IconDraw>> t;
    t.emplace_back("yes", [] {
        FillCircle(16, 16, 14, kGreen);
        Check(kWhite);
    });
    t.emplace_back("no", [] {
        FillCircle(16, 16, 14, kRed);
        Line(10, 10, 22, 22, 4, kWhite);
        Line(22, 10, 10, 22, 4, kWhite);
    });
    t.emplace_back("cancel", [] {
        FillCircle(16, 16, 14, kRed);
        FillCircle(16, 16, 10, kWhite);
        Line(9, 9, 23, 23, 4.5, kRed);
    });
    t.emplace_back("seperator", [] {
        FillRect(14, 2, 15, 29, kDarkGrey);
        FillRect(16, 2, 17, 29, kWhite);
    });
    t.emplace_back("CheckBox_Checked", [] {
        Box(4, 4, 27, 27, kWhite);
        Check(kDarkGreen);
    });
    t.emplace_back("CheckBox_Unchecked", [] { Box(4, 4, 27, 27, kWhite); });
    t.emplace_back("CheckBox_MouseOver", [] {
        Box(4, 4, 27, 27, kYellow);
        FillRect(7, 7, 24, 24, kWhite);
    });
    t.emplace_back("speaker", [] {
        Ring(13, 16, 10, 2.2, kBlue);
        Ring(13, 16, 16, 2.2, kBlue);
        FillRect(0, 0, 17, 31, kMagenta);
        FillRect(0, 0, 31, 3, kMagenta);
        FillRect(0, 29, 31, 31, kMagenta);
        FillRect(3, 12, 8, 20, kDarkGrey);
        Triangle(7, 16, 16, 5, 16, 27, kDarkGrey);
    });
    t.emplace_back("new", [] {
        Page(6, 3, 25, 28);
        FillCircle(24, 24, 6, kYellow);
        FillRect(21, 23, 27, 25, kOrange);
        FillRect(23, 21, 25, 27, kOrange);
    });
    t.emplace_back("load", [] {
        FillRect(3, 8, 13, 11, kOrange);
        FillRect(3, 10, 27, 26, kOrange);
        Page(8, 5, 24, 18);
        Triangle(2, 27, 8, 14, 30, 14, kYellow);
        Triangle(2, 27, 30, 14, 25, 27, kYellow);
    });
    t.emplace_back("save", [] { Floppy(kBlue); });
    t.emplace_back("saveas", [] {
        Floppy(kBlue);
        Pencil(28, 12, 16, 27);
    });
    t.emplace_back("exit", [] {
        FillRect(5, 3, 19, 28, kBrown);
        FillRect(7, 5, 17, 28, Shade(kBrown, -30));
        FillCircle(15, 17, 1.5, kYellow);
        Arrow(22, 16, 0, 17, 5, kRed);
    });
    t.emplace_back("tileed", [] {
        FillRect(3, 3, 14, 14, kGreen);
        FillRect(15, 3, 26, 14, Rgb{168, 160, 150});
        FillRect(3, 15, 14, 26, Rgb{168, 160, 150});
        FillRect(15, 15, 26, 26, kGreen);
        FillRect(3, 14, 26, 14, kInk);
        FillRect(14, 3, 14, 26, kInk);
        Pencil(29, 12, 17, 29);
    });
    t.emplace_back("pstart", [] {
        FillRect(8, 3, 10, 29, kDarkGrey);
        Triangle(11, 4, 27, 10, 11, 16, kRed);
        FillEllipse(9, 28, 7, 2.5, kDarkGreen);
    });
    t.emplace_back("brush", [] {
        Line(27, 4, 15, 16, 4, kBrown);
        FillRect(12, 15, 17, 20, kGrey);
        Triangle(11, 16, 17, 22, 4, 29, kGreen);
        FillCircle(8, 25, 3.5, kGreen);
    });
    t.emplace_back("colour", [] {
        FillEllipse(16, 17, 14, 12, kSkin);
        FillCircle(21, 23, 3, kMagenta);
        FillCircle(9, 13, 3, kRed);
        FillCircle(16, 10, 3, kYellow);
        FillCircle(23, 13, 3, kGreen);
        FillCircle(9, 21, 3, kBlue);
    });
    t.emplace_back("cdesc", [] {
        FillRect(3, 7, 28, 24, kWhite);
        Glyph(6, 10, kLetterA, kBlue, 2);
        FillRect(18, 12, 25, 13, kGrey);
        FillRect(18, 16, 25, 17, kGrey);
        FillRect(18, 20, 23, 21, kGrey);
    });
    t.emplace_back("author", [] {
        FillEllipse(16, 27, 12, 9, kBlue);
        FillRect(0, 28, 31, 31, kMagenta);
        FillCircle(16, 11, 7, kSkin);
        FillRect(10, 4, 22, 7, kBrown);
        FillRect(3, 28, 29, 28, kBlue);
    });
    t.emplace_back("clock", [] { ClockFace(16, 16, 14); });
    t.emplace_back("rand", [] {
        Box(5, 5, 26, 26, kWhite);
        FillCircle(10.5, 10.5, 2.2, kRed);
        FillCircle(16, 16, 2.2, kRed);
        FillCircle(21.5, 21.5, 2.2, kRed);
        FillCircle(21.5, 10.5, 2.2, kRed);
        FillCircle(10.5, 21.5, 2.2, kRed);
    });
    t.emplace_back("run", [] {
        FillCircle(16, 16, 14, kDarkGreen);
        Triangle(12, 8, 25, 16, 12, 24, kWhite);
        FillRect(5, 12, 8, 13, kYellow);
        FillRect(4, 16, 8, 17, kYellow);
        FillRect(5, 20, 8, 21, kYellow);
    });
    t.emplace_back("back", [] { Arrow(16, 16, 180, 26, 8, kBlue); });
    t.emplace_back("forward", [] { Arrow(16, 16, 0, 26, 8, kBlue); });
    t.emplace_back("bin", [] {
        FillRect(6, 9, 25, 10, kDarkGrey);
        FillRect(12, 5, 19, 8, kDarkGrey);
        FillRect(8, 12, 23, 28, kGrey);
        for (int x = 11; x <= 20; x += 3) FillRect(x, 14, x, 26, kDarkGrey);
    });
    t.emplace_back("pframe", [] {
        FilmFrame();
        Triangle(20, 9, 20, 22, 12, 15.5, kRed);
    });
    t.emplace_back("nframe", [] {
        FilmFrame();
        Triangle(12, 9, 12, 22, 20, 15.5, kRed);
    });
    t.emplace_back("import", [] {
        FillRect(4, 20, 27, 28, kGrey);
        FillRect(8, 20, 23, 23, kDarkGrey);
        Arrow(16, 11, 90, 20, 6, kGreen);
    });
    t.emplace_back("export", [] {
        FillRect(4, 20, 27, 28, kGrey);
        FillRect(8, 20, 23, 23, kDarkGrey);
        Arrow(16, 11, -90, 20, 6, kOrange);
    });
    t.emplace_back("view", [] {
        FillEllipse(16, 16, 14, 8, kWhite);
        FillCircle(16, 16, 6, kBlue);
        FillCircle(16, 16, 3, kInk);
        FillCircle(14, 14, 1.2, kWhite);
    });
    t.emplace_back("clocks", [] {
        ClockFace(11, 11, 10);
        ClockFace(20, 20, 10);
    });
    t.emplace_back("z_in", [] { Magnifier(true); });
    t.emplace_back("z_out", [] { Magnifier(false); });
    t.emplace_back("zentor", [] {
        FillCircle(16, 16, 14, kOrange);
        FillCircle(16, 16, 11, kYellow);
        Glyph(9, 8, kLetterZ, kInk, 3);
    });
    t.emplace_back("go", [] {
        FillRect(14, 14, 17, 30, kBrown);
        FillRect(4, 4, 22, 14, kGreen);
        Triangle(22, 3, 29, 9, 22, 15, kGreen);
        FillRect(7, 8, 19, 9, kWhite);
    });
    t.emplace_back("copy", [] {
        Page(3, 2, 19, 21);
        Page(12, 10, 28, 29);
    });
    t.emplace_back("paste", [] {
        FillRect(5, 5, 24, 29, kBrown);
        FillRect(10, 3, 19, 7, kGrey);
        Page(12, 12, 28, 30);
    });
    t.emplace_back("flip", [] {
        FillRect(3, 15, 28, 16, kInk);
        Arrow(16, 7, -90, 13, 6, kBlue);
        Arrow(16, 24, 90, 13, 6, kBlue);
    });
    t.emplace_back("mirror", [] {
        FillRect(15, 3, 16, 28, kInk);
        Arrow(7, 16, 180, 13, 6, kBlue);
        Arrow(24, 16, 0, 13, 6, kBlue);
    });
    t.emplace_back("rotate", [] { CurvedArrow(true, kBlue); });
    t.emplace_back("tiletype", [] {
        FillRect(3, 3, 14, 14, Rgb{255, 255, 0});
        FillRect(17, 3, 28, 14, Rgb{0, 220, 0});
        FillRect(3, 17, 14, 28, Rgb{230, 0, 0});
        FillRect(17, 17, 28, 28, Rgb{0, 0, 240});
    });
    t.emplace_back("play", [] { Triangle(8, 4, 27, 16, 8, 28, kGreen); });
    t.emplace_back("ptrack", [] {
        FillRect(3, 7, 6, 25, kBlue);
        Triangle(17, 7, 17, 25, 7, 16, kBlue);
        Triangle(28, 7, 28, 25, 18, 16, kBlue);
    });
    t.emplace_back("ntrack", [] {
        Triangle(3, 7, 3, 25, 13, 16, kBlue);
        Triangle(14, 7, 14, 25, 24, 16, kBlue);
        FillRect(25, 7, 28, 25, kBlue);
    });
    t.emplace_back("pause", [] {
        FillRect(7, 5, 13, 27, kOrange);
        FillRect(18, 5, 24, 27, kOrange);
    });
    t.emplace_back("stop", [] { FillRect(6, 6, 25, 25, kRed); });
    t.emplace_back("reset", [] {
        CurvedArrow(false, kOrange);
        FillCircle(16, 16, 3, kOrange);
    });
    t.emplace_back("pageup", [] {
        Page(5, 3, 26, 29);
        Triangle(9, 22, 22, 22, 15.5, 11, kBlue);
    });
    t.emplace_back("pagedown", [] {
        Page(5, 3, 26, 29);
        Triangle(9, 12, 22, 12, 15.5, 23, kBlue);
    });
    t.emplace_back("edit", [] { Pencil(27, 4, 5, 26); });
    t.emplace_back("NewGame", [] { MowerTopView(1.0); });
    t.emplace_back("options", [] { Gear(16, 16, 9, kGrey); });
    t.emplace_back("utils", [] {
        FillRect(3, 12, 28, 27, kRed);
        FillRect(3, 17, 28, 18, Shade(kRed, -50));
        FillRect(11, 6, 20, 8, kDarkGrey);
        FillRect(11, 6, 12, 12, kDarkGrey);
        FillRect(19, 6, 20, 12, kDarkGrey);
        FillRect(14, 16, 17, 20, kYellow);
    });
    t.emplace_back("question", [] {
        FillCircle(16, 16, 14, kBlue);
        Glyph(9, 6, kQuestion, kWhite, 3);
        FillRect(9, 21, 23, 23, kBlue);
        FillRect(15, 24, 17, 26, kWhite);
    });
    t.emplace_back("credits", [] {
        double pts[10][2];
        for (int i = 0; i < 10; ++i) {
            double a = -M_PI / 2 + i * M_PI / 5;
            double r = (i % 2 == 0) ? 15 : 6.5;
            pts[i][0] = 16 + std::cos(a) * r;
            pts[i][1] = 17 + std::sin(a) * r;
        }
        for (int i = 0; i < 10; ++i) {
            int j = (i + 1) % 10;
            Triangle(16, 17, pts[i][0], pts[i][1], pts[j][0], pts[j][1], kYellow);
        }
        FillCircle(16, 17, 3, kOrange);
    });
    t.emplace_back("vset", [] {
        FillRect(2, 4, 29, 22, kDarkGrey);
        FillRect(4, 6, 27, 20, kLightBlue);
        FillRect(4, 15, 27, 20, kGreen);
        FillCircle(22, 10, 2.5, kYellow);
        FillRect(13, 23, 18, 26, kDarkGrey);
        FillRect(8, 27, 23, 28, kDarkGrey);
    });
    t.emplace_back("maped", [] {
        Triangle(2, 6, 11, 3, 11, 26, Rgb{200, 230, 160});
        Triangle(2, 6, 11, 26, 2, 29, Rgb{200, 230, 160});
        FillRect(11, 3, 20, 26, Rgb{170, 214, 130});
        Triangle(20, 3, 29, 6, 29, 29, Rgb{200, 230, 160});
        Triangle(20, 3, 29, 29, 20, 26, Rgb{200, 230, 160});
        FillCircle(15, 14, 4, kLightBlue);
        Line(5, 22, 25, 10, 1, kRed);
        FillCircle(24, 10, 2, kRed);
    });
    t.emplace_back("undo", [] { HookArrow(false, kOrange); });
    t.emplace_back("redo", [] { HookArrow(true, kOrange); });
    t.emplace_back("checkmap", [] {
        FillRect(3, 5, 28, 26, Rgb{170, 214, 130});
        for (int x = 3; x <= 28; x += 5) FillRect(x, 5, x, 26, kDarkGreen);
        for (int y = 5; y <= 26; y += 7) FillRect(3, y, 28, y, kDarkGreen);
        FillCircle(21, 20, 8, kGreen);
        Line(16, 20, 20, 24, 3, kWhite);
        Line(20, 24, 26, 15, 3, kWhite);
    });
    t.emplace_back("grid", [] {
        FillRect(3, 3, 28, 28, kWhite);
        for (int i = 3; i <= 28; i += 5) {
            FillRect(i, 3, i, 28, kGrey);
            FillRect(3, i, 28, i, kGrey);
        }
        FillRect(14, 14, 17, 17, kBlue);
    });
    t.emplace_back("fill", [] {
        // a paint tin tipped over, pouring
        Triangle(6, 14, 16, 4, 26, 14, kGrey);
        Triangle(6, 14, 26, 14, 16, 24, kDarkGrey);
        Line(16, 4, 16, 12, 2, kInk);
        FillCircle(26, 20, 3, kRed);
        FillRect(24, 14, 28, 20, kRed);
        FillRect(3, 26, 28, 28, kRed);
    });
    t.emplace_back("onion", [] {
        FillRect(4, 4, 19, 19, Rgb{190, 200, 230});
        FillRect(12, 12, 27, 27, kBlue);
        FillRect(15, 15, 24, 24, kLightBlue);
        FillRect(12, 12, 19, 19, Mix(kBlue, Rgb{190, 200, 230}, 0.5));
    });
    t.emplace_back("sprite", [] {
        FillRect(3, 3, 28, 28, kLightBlue);
        FillCircle(16, 15, 9, kYellow);
        FillRect(12, 12, 13, 14, kInk);
        FillRect(19, 12, 20, 14, kInk);
        FillRect(12, 19, 20, 20, kInk);
        FillRect(11, 18, 11, 18, kInk);
        FillRect(21, 18, 21, 18, kInk);
        for (int x = 4; x < 28; x += 4) FillRect(x, 26, x + 1, 27, kWhite);
    });
    return t;
}

}  // namespace

bool WriteIcons(const OutputPaths& out)
{
    bool ok = true;
    for (auto& [name, draw] : IconTable()) {
        ALLEGRO_BITMAP* bmp = NewCanvas(32, 32);
        if (!bmp) return false;
        {
            TargetScope scope(bmp);
            draw();
        }
        Outline(bmp);
        ok = SaveTga(bmp, out.Textures(std::string(name) + ".tga")) && ok;
        al_destroy_bitmap(bmp);
    }
    return ok;
}

std::vector<std::string> IconNames()
{
    std::vector<std::string> names;
    for (auto& entry : IconTable()) names.push_back(entry.first);
    return names;
}
