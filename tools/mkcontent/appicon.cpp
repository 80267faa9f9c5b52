// The program's icon (desktop menus, the window, the task bar): a red mower
// driving up a striped lawn into uncut grass, in the sizes desktops ask for.
// Every pixel is the average of 4 x 4 samples of the shapes below, so the
// small sizes keep smooth edges.
#include "tools/mkcontent/mkcontent.h"

#include <allegro5/allegro_image.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

Rgba Opaque(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1.0}; }

// Distance to a rounded rectangle (negative inside), centre and half sizes.
double RoundedBox(double x, double y, double cx, double cy, double hw, double hh, double radius)
{
    const double qx = std::fabs(x - cx) - hw + radius, qy = std::fabs(y - cy) - hh + radius;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

// The icon at a point of the unit square (0,0 top left).
Rgba Sample(double x, double y)
{
    if (RoundedBox(x, y, 0.5, 0.5, 0.46, 0.46, 0.16) > 0) return {};
    if (RoundedBox(x, y, 0.5, 0.5, 0.46, 0.46, 0.16) > -0.025) return Opaque(28, 60, 24);

    // wheels, body, engine cover, handle: front to back
    for (double wx : {0.29, 0.71})
        for (double wy : {0.45, 0.69})
            if (RoundedBox(x, y, wx, wy, 0.045, 0.07, 0.03) < 0) return Opaque(30, 30, 30);
    const double body = RoundedBox(x, y, 0.5, 0.57, 0.2, 0.16, 0.07);
    if (body < 0) {
        const double cover = std::hypot(x - 0.5, y - 0.55);
        if (cover < 0.075) return Opaque(200, 200, 205);
        if (cover < 0.095) return Opaque(90, 90, 95);
        return body > -0.025 ? Opaque(150, 20, 20) : Opaque(222, 40, 36);
    }
    const bool bar = std::fabs(y - 0.86) < 0.022 && std::fabs(x - 0.5) < 0.15;
    const bool arms = y > 0.72 && y < 0.88 && (std::fabs(x - 0.37) < 0.02 || std::fabs(x - 0.63) < 0.02);
    if (bar || arms) return Opaque(40, 40, 44);

    // uncut grass ahead (a ragged edge), mown stripes behind
    const double edge = 0.34 + 0.025 * std::sin(x * 60.0);
    if (y < edge) return Opaque(46, 120, 38);
    return static_cast<int>((x - 0.04) / (0.92 / 5)) % 2 == 0 ? Opaque(120, 200, 80) : Opaque(98, 178, 64);
}

bool WriteIcon(const std::string& path, int size)
{
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(size, size);
    if (!bitmap) return false;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    const int samples = 4;
    for (int py = 0; py < size; ++py) {
        auto* row = static_cast<unsigned char*>(region->data) + py * region->pitch;
        for (int px = 0; px < size; ++px) {
            Rgba sum;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const Rgba s = Sample((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size);
                    sum.r += s.r * s.a;
                    sum.g += s.g * s.a;
                    sum.b += s.b * s.a;
                    sum.a += s.a;
                }
            // colour without the transparent samples, coverage as alpha
            const double a = sum.a / (samples * samples);
            unsigned char* p = row + px * 4;
            p[0] = static_cast<unsigned char>(sum.a > 0 ? std::lround(255 * sum.r / sum.a) : 0);
            p[1] = static_cast<unsigned char>(sum.a > 0 ? std::lround(255 * sum.g / sum.a) : 0);
            p[2] = static_cast<unsigned char>(sum.a > 0 ? std::lround(255 * sum.b / sum.a) : 0);
            p[3] = static_cast<unsigned char>(std::lround(255 * a));
        }
    }
    al_unlock_bitmap(bitmap);
    const bool ok = MakeFoldersFor(path) && al_save_bitmap(path.c_str(), bitmap);
    al_destroy_bitmap(bitmap);
    if (!ok) std::fprintf(stderr, "Unable to write %s\n", path.c_str());
    return ok;
}

}  // namespace

bool WriteAppIcons(const OutputPaths& out)
{
    bool ok = true;
    for (int size : kAppIconSizes) {
        const std::string path = (out.root.empty() ? std::string() : out.root + "/") + "kwuidata/icons/sodbolt-" +
                                 std::to_string(size) + ".png";
        ok = WriteIcon(path, size) && ok;
    }
    return ok;
}
