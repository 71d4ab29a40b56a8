// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the window's pictures: the eight Moon phases, the cycle diagram and the icon.
// Deterministic: the same bytes on every run. Usage: menivor_artgen <output folder>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int DotsPerMeter96 = 3780; // 96 dots per inch

// Fixed dark patches on the lit face, in disc coordinates (-1..1), so that the Moon looks like
// the Moon and not like a flat disc.
struct Mare {
    double x, y, radius, depth;
};
constexpr Mare Maria[] = {
    {-0.30, -0.35, 0.28, 0.22}, {0.15, -0.40, 0.22, 0.18}, {0.35, -0.05, 0.20, 0.20},
    {-0.10, 0.05, 0.25, 0.15},  {-0.45, 0.25, 0.22, 0.17}, {0.20, 0.45, 0.15, 0.12},
    {0.55, 0.30, 0.12, 0.10},
};

// The colour of one point of the Moon's face, (u, v) in the unit disc, for a phase angle in
// radians (0 new, pi/2 first quarter, pi full, 3 pi/2 last quarter). The terminator is the
// half-ellipse u = w cos(angle) where w is the disc's half-width at height v.
QColor MoonPoint(double u, double v, double angle, bool yellowish)
{
    const double w = std::sqrt(std::max(0.0, 1 - v * v));
    const double terminator = w * std::cos(angle);
    const bool waxing = angle <= M_PI;
    const bool lit = waxing ? u > terminator : u < -terminator;
    double shade = 1.0;
    for (const Mare& mare : Maria) {
        const double d = std::hypot(u - mare.x, v - mare.y) / mare.radius;
        if (d < 1)
            shade -= mare.depth * (1 - d * d);
    }
    // Limb darkening: the edge of the disc is a little dimmer than its centre.
    shade *= 0.82 + 0.18 * std::sqrt(std::max(0.0, 1 - u * u - v * v));
    if (!lit)
        return QColor::fromRgbF(0.09 * shade, 0.09 * shade, 0.11 * shade);
    return yellowish ? QColor::fromRgbF(0.98 * shade, 0.90 * shade, 0.55 * shade)
                     : QColor::fromRgbF(0.93 * shade, 0.93 * shade, 0.90 * shade);
}

// Draws a Moon of the given phase index (0-7) centred at (cx, cy) with radius r, supersampled
// 4 x 4 per pixel for smooth edges.
void DrawMoon(QImage& image, double cx, double cy, double r, int phase)
{
    const double angle = phase * M_PI / 4;
    const bool yellowish = phase == 5;
    constexpr int samples = 4;
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y) {
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            if (!image.rect().contains(x, y))
                continue;
            double red = 0, green = 0, blue = 0;
            int inside = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples - cx) / r;
                    const double v = (y + (sy + 0.5) / samples - cy) / r;
                    if (u * u + v * v > 1)
                        continue;
                    const QColor c = MoonPoint(u, v, angle, yellowish);
                    red += c.redF(), green += c.greenF(), blue += c.blueF();
                    ++inside;
                }
            }
            if (inside == 0)
                continue;
            const double cover = double(inside) / (samples * samples);
            const QColor under = image.pixelColor(x, y);
            const auto mix = [&](double sum, double back) {
                return std::clamp(sum / (samples * samples) + back * (1 - cover), 0.0, 1.0);
            };
            image.setPixelColor(x, y, QColor::fromRgbF(mix(red, under.redF()), mix(green, under.greenF()),
                                                       mix(blue, under.blueF())));
        }
    }
    if (phase == 0) {
        // The new Moon: only a hair-thin bright rim on the left edge.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(210, 210, 200), 0.8));
        const QRectF disc(cx - r + 0.4, cy - r + 0.4, 2 * r - 0.8, 2 * r - 0.8);
        painter.drawArc(disc, 120 * 16, 120 * 16);
    }
}

// A black picture of width x height pixels at 96 dots per inch, times scale (1, or 2 for the
// versions that high-density screens show at the same size).
QImage Canvas(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setDotsPerMeterX(DotsPerMeter96 * scale);
    image.setDotsPerMeterY(DotsPerMeter96 * scale);
    return image;
}

QImage PhasePicture(int phase, int scale)
{
    // The full Moon's picture is wider, as a full disc is drawn a little larger.
    const bool full = phase == 4;
    QImage image = Canvas(full ? 52 : 46, 55, scale);
    DrawMoon(image, image.width() / 2.0, 27.5 * scale, (full ? 23.5 : 20.5) * scale, phase);
    return image;
}

QImage CycleDiagram(int scale)
{
    QImage image = Canvas(250, 247, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QPointF earth(125, 123.5);
    const double orbit = 96;
    // The thin white orbit, and the dotted lines from the Earth to each phase.
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(earth, orbit, orbit);
    QPen dotted(QColor(200, 200, 200), 1, Qt::DotLine);
    painter.setPen(dotted);
    QPointF centres[8];
    for (int phase = 0; phase < 8; ++phase) {
        const double a = phase * M_PI / 4; // clockwise from the top
        centres[phase] = earth + QPointF(orbit * std::sin(a), -orbit * std::cos(a));
        painter.drawLine(earth, centres[phase]);
    }
    // The Earth: blue oceans, green land.
    QRadialGradient sea(earth - QPointF(5, 5), 22);
    sea.setColorAt(0, QColor(90, 150, 255));
    sea.setColorAt(1, QColor(20, 60, 160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sea);
    painter.drawEllipse(earth, 17, 17);
    painter.setBrush(QColor(60, 150, 70));
    painter.drawEllipse(earth + QPointF(-6, -4), 6, 8);
    painter.drawEllipse(earth + QPointF(6, 5), 5, 4);
    painter.end();
    for (int phase = 0; phase < 8; ++phase) {
        // A black ground under each Moon so that the orbit does not show through it.
        QPainter ground(&image);
        ground.setRenderHint(QPainter::Antialiasing);
        ground.scale(scale, scale);
        ground.setPen(Qt::NoPen);
        ground.setBrush(Qt::black);
        ground.drawEllipse(centres[phase], 16, 16);
        ground.end();
        DrawMoon(image, centres[phase].x() * scale, centres[phase].y() * scale, 14.0 * scale, phase);
    }
    return image;
}

// A hamburger: bun, lettuce, cheese, patty, bun; 32 x 32 in at most 256 colours.
QImage Icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(QColor(90, 50, 20), 0.8));
    painter.setBrush(QColor(224, 150, 60)); // top bun
    QPainterPath top;
    top.moveTo(3, 15);
    top.cubicTo(3, 3, 29, 3, 29, 15);
    top.closeSubpath();
    painter.drawPath(top);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 200)); // sesame seeds
    for (QPointF seed : {QPointF(10, 9), QPointF(16, 7), QPointF(22, 9), QPointF(13, 12), QPointF(19, 12)})
        painter.drawEllipse(seed, 1.1, 0.7);
    painter.setBrush(QColor(250, 200, 40)); // cheese, its corners hanging down
    painter.drawPolygon(QPolygonF({QPointF(3, 17.5), QPointF(29, 17.5), QPointF(26, 22), QPointF(6, 22)}));
    painter.setBrush(QColor(70, 170, 50)); // lettuce, wavy along its lower edge
    QPainterPath lettuce;
    lettuce.moveTo(2, 14.5);
    lettuce.lineTo(30, 14.5);
    for (int i = 7; i > 0; --i)
        lettuce.quadTo(2 + 4 * i - 2, 20, 2 + 4 * (i - 1), 17);
    lettuce.closeSubpath();
    painter.drawPath(lettuce);
    painter.setBrush(QColor(110, 60, 30)); // patty
    painter.drawRoundedRect(QRectF(3, 19, 26, 5), 2.5, 2.5);
    painter.setPen(QPen(QColor(90, 50, 20), 0.8));
    painter.setBrush(QColor(214, 140, 55)); // bottom bun
    painter.drawRoundedRect(QRectF(4, 24, 24, 5), 2.5, 2.5);
    painter.end();
    return image;
}

bool Save(const QString& path, const QImage& image, const char* format)
{
    QImageWriter writer(path, format);
    if (QByteArray(format) == "jpeg") {
        writer.setQuality(92);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false); // baseline
    }
    if (!writer.write(image)) {
        std::fprintf(stderr, "artgen: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// An .ico as every Windows version reads it: the 32x32 image in 256 colours as a classic bitmap
// (palette, pixels bottom-up, then a 1-bit transparency mask), the larger ones in full colour as
// PNG (Vista and later). Entries in the order given.
bool SaveIco(const QString& path, const QImage& indexed32, const QList<QImage>& larger)
{
    QByteArray bitmap;
    const auto put16 = [](QByteArray& to, int v) { to.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto put32 = [&put16](QByteArray& to, int v) { put16(to, v & 0xFFFF); put16(to, (v >> 16) & 0xFFFF); };
    const int side = indexed32.width();
    put32(bitmap, 40), put32(bitmap, side), put32(bitmap, 2 * side); // header size; height of pixels + mask
    put16(bitmap, 1), put16(bitmap, 8);                               // planes, bits per pixel
    for (int field = 0; field < 6; ++field)                          // no compression, sizes and counts
        put32(bitmap, 0);                                             // left to the reader (all 256 used)
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = i < indexed32.colorCount() ? indexed32.color(i) : 0;
        bitmap.append(char(qBlue(rgb))).append(char(qGreen(rgb))).append(char(qRed(rgb))).append(char(0));
    }
    for (int y = side - 1; y >= 0; --y) // rows of 32 bytes: no padding needed
        bitmap.append(reinterpret_cast<const char*>(indexed32.constScanLine(y)), side);
    const int maskRow = ((side + 31) / 32) * 4;
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskRow, 0);
        for (int x = 0; x < side; ++x)
            if (qAlpha(indexed32.color(indexed32.pixelIndex(x, y))) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        bitmap.append(row);
    }
    QList<QByteArray> images{bitmap};
    for (const QImage& image : larger) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        images.append(png);
    }
    QByteArray ico;
    put16(ico, 0), put16(ico, 1), put16(ico, int(images.size())); // reserved, type icon, count
    int offset = 6 + 16 * int(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QImage& image = i == 0 ? indexed32 : larger[i - 1];
        ico.append(char(image.width() & 0xFF)).append(char(image.height() & 0xFF)); // 0 means 256
        ico.append(char(0)).append(char(0));                 // palette count (0: 256 or none), reserved
        put16(ico, 1), put16(ico, i == 0 ? 8 : 32);          // planes, bits per pixel
        put32(ico, int(images[i].size())), put32(ico, offset);
        offset += int(images[i].size());
    }
    for (const QByteArray& image : images)
        ico.append(image);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: menivor_artgen <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? u".jpg"_s : u"@2x.jpg"_s;
        for (int phase = 0; phase < 8; ++phase)
            ok &= Save(out.filePath(QString("phase%1").arg(phase) + suffix), PhasePicture(phase, scale), "jpeg");
        ok &= Save(out.filePath("cycle" + suffix), CycleDiagram(scale), "jpeg");
    }
    const QImage icon = Icon(32).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    ok &= Save(out.filePath("menivor.png"), icon, "png");
    // Larger icons for menus and software centres, in full colour.
    QList<QImage> larger;
    for (int size : {48, 64, 128, 256})
        larger.append(Icon(size).convertToFormat(QImage::Format_ARGB32));
    for (const QImage& image : larger.sliced(1))
        ok &= Save(out.filePath(QString("menivor-%1.png").arg(image.width())), image, "png");
    ok &= SaveIco(out.filePath("menivor.ico"), icon, larger);
    // The web app's icons, in the two sizes that browsers ask of an installable page.
    for (int size : {192, 512})
        ok &= Save(out.filePath(QString("menivor-%1.png").arg(size)), Icon(size).convertToFormat(QImage::Format_ARGB32), "png");
    return ok ? 0 : 1;
}
