// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QImage>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

// The pictures inside the program: sizes, JPEG form, and that each shows its phase.
class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void jpegs_data();
    void jpegs();
    void phasesLookRight_data();
    void phasesLookRight();
    void brightnessOrder();
    void icon();
};

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QImage Picture(int phase)
{
    return QImage(QStringLiteral(":/assets/phase%1.jpg").arg(phase));
}

// Mean brightness (0-255) of the picture, and the brightness-weighted mean column, as a
// fraction of the width: 0.5 for a symmetric picture.
struct Light {
    double mean = 0;
    double centroid = 0.5;
};

Light LightOf(const QImage& image)
{
    double sum = 0, weighted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double v = qGray(image.pixel(x, y));
            sum += v;
            weighted += v * (x + 0.5);
        }
    return {sum / (image.width() * image.height()), sum > 0 ? weighted / sum / image.width() : 0.5};
}

} // namespace

void TestAssets::jpegs_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("cycle diagram") << ":/assets/cycle.jpg" << QSize(250, 247);
    for (int phase = 0; phase < 8; ++phase)
        QTest::addRow("phase %d", phase) << QStringLiteral(":/assets/phase%1.jpg").arg(phase)
                                          << QSize(phase == 4 ? 52 : 46, 55);
}

void TestAssets::jpegs()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QByteArray bytes = Bytes(path);
    QVERIFY(bytes.startsWith("\xFF\xD8"));
    // JFIF header with its density in dots per inch: 96 by 96.
    QCOMPARE(bytes.mid(6, 5), QByteArray("JFIF\0", 5));
    QCOMPARE(int(quint8(bytes[13])), 1);
    QCOMPARE((quint8(bytes[14]) << 8) | quint8(bytes[15]), 96);
    QCOMPARE((quint8(bytes[16]) << 8) | quint8(bytes[17]), 96);
    // Walk the markers to the frame header: baseline (SOF0), three components.
    int pos = 2;
    bool baseline = false;
    while (pos + 4 < bytes.size() && quint8(bytes[pos]) == 0xFF) {
        const int marker = quint8(bytes[pos + 1]);
        const int length = (quint8(bytes[pos + 2]) << 8) | quint8(bytes[pos + 3]);
        if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            QFAIL(qPrintable(QStringLiteral("not baseline: marker %1").arg(marker, 0, 16)));
        if (marker == 0xC0) {
            baseline = true;
            QCOMPARE((quint8(bytes[pos + 5]) << 8) | quint8(bytes[pos + 6]), size.height());
            QCOMPARE((quint8(bytes[pos + 7]) << 8) | quint8(bytes[pos + 8]), size.width());
            QCOMPARE(int(quint8(bytes[pos + 9])), 3);
            break;
        }
        pos += 2 + length;
    }
    QVERIFY(baseline);
    const QImage image(path);
    QCOMPARE(image.size(), size);
    QVERIFY(!image.isGrayscale());
}

void TestAssets::phasesLookRight_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("side"); // +1 lit on the right, -1 on the left, 0 symmetric
    QTest::newRow("waxing crescent") << 1 << 1;
    QTest::newRow("first quarter") << 2 << 1;
    QTest::newRow("waxing gibbous") << 3 << 1;
    QTest::newRow("full moon") << 4 << 0;
    QTest::newRow("waning gibbous") << 5 << -1;
    QTest::newRow("last quarter") << 6 << -1;
    QTest::newRow("waning crescent") << 7 << -1;
}

void TestAssets::phasesLookRight()
{
    QFETCH(int, phase);
    QFETCH(int, side);
    const Light light = LightOf(Picture(phase));
    if (side == 0)
        QVERIFY2(std::abs(light.centroid - 0.5) < 0.02, qPrintable(QString::number(light.centroid)));
    else
        QVERIFY2((light.centroid - 0.5) * side > 0.03, qPrintable(QString::number(light.centroid)));
    // Opposite phases mirror each other's light.
    if (side != 0) {
        const Light mirror = LightOf(Picture(8 - phase));
        QVERIFY(std::abs((light.centroid - 0.5) + (mirror.centroid - 0.5)) < 0.03);
    }
    // The sky around the Moon is black.
    const QImage image = Picture(phase);
    QVERIFY(qGray(image.pixel(0, 0)) < 16 && qGray(image.pixel(image.width() - 1, image.height() - 1)) < 16);
}

void TestAssets::brightnessOrder()
{
    double mean[8];
    for (int phase = 0; phase < 8; ++phase)
        mean[phase] = LightOf(Picture(phase)).mean;
    for (int phase = 1; phase < 8; ++phase) {
        QVERIFY2(mean[0] < mean[phase], "the new moon is the darkest");
        if (phase != 4)
            QVERIFY2(mean[4] > mean[phase], "the full moon is the brightest");
    }
    QVERIFY(mean[1] < mean[2] && mean[2] < mean[3]);
    QVERIFY(mean[7] < mean[6] && mean[6] < mean[5]);
    // The waning gibbous Moon is tinted yellow: more red and green than blue.
    const QImage gibbous = Picture(5);
    const QColor centre = gibbous.pixelColor(gibbous.width() / 2 - 6, gibbous.height() / 2 + 10);
    QVERIFY2(centre.blue() < centre.green() - 40, qPrintable(centre.name()));
}

void TestAssets::icon()
{
    const QImage icon(u":/assets/menivor.png"_s);
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY(icon.colorCount() <= 256);
}

QTEST_APPLESS_MAIN(TestAssets)
#include "tst_assets.moc"
