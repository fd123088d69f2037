#include "testkit.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

constexpr int IconSize = 32;
constexpr QRect BeadBody(QPoint(2, 7), QPoint(29, 25)); // bounding box

// The VGA colours the pictures use.
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb DarkCyan = qRgb(0, 128, 128);
constexpr QRgb DarkMagenta = qRgb(128, 0, 128);
constexpr QRgb Silver = qRgb(192, 192, 192);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb Magenta = qRgb(255, 0, 255);
constexpr QRgb Cyan = qRgb(0, 255, 255);

constexpr int LogoWidth = 206;
constexpr int LogoHeight = 201;
constexpr qsizetype LogoColourCount = 8;
constexpr qsizetype ClickDataSize = 40; // after the RIFF header, the fmt chunk and "data"
constexpr qsizetype ClickSamples = 44;
constexpr qint64 ClickBytesPerSecond = 44100 * 2;
constexpr qint64 ClickShortestMs = 30;
constexpr qint64 ClickLongestMs = 60;

const QString LowerBeadPath = QStringLiteral(":/assets/lowerbead.ico");
const QString UpperBeadPath = QStringLiteral(":/assets/upperbead.ico");
const QString WindowIconPath = QStringLiteral(":/assets/quillmere.ico");
const QString LogoPath = QStringLiteral(QUILLMERE_ASSET_DIR "/logo.bmp");
const QString ClickPath = QStringLiteral(QUILLMERE_BUILD_DIR "/click.wav");

// The first and last opaque columns of row y, found from the right; -1 for both when none.
std::pair<int, int> opaqueSpan(const QImage &image, int y)
{
    std::pair<int, int> span{-1, -1};
    for (int x = image.width() - 1; x >= 0; --x)
        if (qAlpha(image.pixel(x, y)) != 0)
            span = {x, span.second < 0 ? x : span.second};
    return span;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    // The leading bytes of each file, little-endian fields grouped by spaces.
    void headers_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qsizetype>("offset");
        QTest::addColumn<QByteArray>("hex");
        // Directory: one icon image, 32 x 32, 16 colours, 4 bpp, 744 bytes at 22. Bitmap header:
        // 40 bytes, 32 wide, 64 high (colours and mask), 4 bpp, uncompressed, 640 bytes.
        const QByteArray icon = "0000 0100 0100 20 20 10 00 0100 0400 e8020000 16000000 "
                                "28000000 20000000 40000000 0100 0400 00000000 80020000";
        QTest::newRow("lower bead") << LowerBeadPath << qsizetype{0} << icon;
        QTest::newRow("upper bead") << UpperBeadPath << qsizetype{0} << icon;
        QTest::newRow("window icon") << WindowIconPath << qsizetype{0} << icon;
        QTest::newRow("logo: BM, 124646 bytes, pixels at 26, core header, 206 x 201, 24 bpp")
            << LogoPath << qsizetype{0}
            << QByteArray("424d e6e60100 0000 0000 1a000000 0c000000 ce00 c900 0100 1800");
        QTest::newRow("click: WAVE, 16-byte fmt, PCM, mono, 44.1 Hz, 16-bit, then data")
            << ClickPath << qsizetype{8}
            << QByteArray("57415645 666d7420 10000000 0100 0100 44ac0000 88580100 0200 1000 "
                          "64617461");
    }

    void headers()
    {
        QFETCH(QString, path);
        QFETCH(qsizetype, offset);
        QFETCH(QByteArray, hex);
        const QByteArray expected = QByteArray::fromHex(hex);
        QCOMPARE(readAll(path).mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
    }

    void beadPicture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QRgb>("body");
        QTest::addColumn<QRgb>("shade");
        QTest::addColumn<int>("rowsFurtherLeft"); // than the lower bead's
        QTest::newRow("lower bead") << LowerBeadPath << Cyan << DarkCyan << 0;
        QTest::newRow("upper bead") << UpperBeadPath << Magenta << DarkMagenta << 1;
    }

    // A solid body in its box with the lower bead's outline, but for rows a pixel longer on the
    // left. The left flank of each row checkers the shade with the body colour, under half-way.
    void beadPicture()
    {
        QFETCH(QString, path);
        QFETCH(QRgb, body);
        QFETCH(QRgb, shade);
        QFETCH(int, rowsFurtherLeft);
        const QImage image(path);
        const QImage lower(LowerBeadPath);
        QCOMPARE(image.size(), QSize(IconSize, IconSize));
        QRect box;
        int furtherLeft = 0;
        for (int y = 0; y < IconSize; ++y) {
            const auto [left, right] = opaqueSpan(image, y);
            const auto [lowerLeft, lowerRight] = opaqueSpan(lower, y);
            QVERIFY(right == lowerRight && (left == lowerLeft || left == lowerLeft - 1));
            furtherLeft += left == lowerLeft ? 0 : 1;
            if (left < 0)
                continue;
            box |= QRect(QPoint(left, y), QPoint(right, y));
            int lastShaded = -1;
            for (int x = left; x <= right; ++x) {
                QVERIFY(image.pixel(x, y) == body || image.pixel(x, y) == shade);
                lastShaded = image.pixel(x, y) == shade ? x : lastShaded;
            }
            QVERIFY(lastShaded >= left && 2 * (lastShaded - left + 1) < right - left + 1);
            for (int x = left; x <= lastShaded; ++x)
                QVERIFY((image.pixel(x, y) == shade) == ((lastShaded - x) % 2 == 0));
        }
        QCOMPARE(box, BeadBody);
        QCOMPARE(furtherLeft, rowsFurtherLeft);
    }

    void windowIconBands_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QSet<QRgb>>("colours"); // in each row, between the blue side columns
        const QSet<QRgb> black{Black};
        const QSet<QRgb> beads{DarkCyan, Silver, Black};
        QTest::newRow("blue border above") << 0 << 3 << QSet<QRgb>{Blue};
        QTest::newRow("black above the bar") << 4 << 5 << black;
        QTest::newRow("magenta bar") << 6 << 7 << QSet<QRgb>{Magenta, Black};
        QTest::newRow("upper deck of beads") << 8 << 9 << beads;
        QTest::newRow("black beam") << 10 << 10 << black;
        QTest::newRow("lower deck of beads") << 11 << 14 << beads;
        QTest::newRow("light cyan base") << 15 << 19 << QSet<QRgb>{Cyan, Black};
        QTest::newRow("black below the base") << 20 << 22 << black;
        QTest::newRow("blue border below") << 23 << 31 << QSet<QRgb>{Blue};
    }

    void windowIconBands()
    {
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QSet<QRgb>, colours);
        const QImage image(WindowIconPath);
        for (int y = top; y <= bottom; ++y) {
            QSet<QRgb> seen;
            for (int x = 1; x < IconSize - 1; ++x)
                seen.insert(image.pixel(x, y));
            QVERIFY(image.pixel(0, y) == Blue && image.pixel(IconSize - 1, y) == Blue);
            QVERIFY2(seen == colours, qPrintable(QString::number(y)));
        }
    }

    void logoColours()
    {
        const QImage image(LogoPath);
        QCOMPARE(image.size(), QSize(LogoWidth, LogoHeight));
        QSet<QRgb> colours;
        for (int y = 0; y < LogoHeight; ++y)
            for (int x = 0; x < LogoWidth; ++x)
                colours.insert(image.pixel(x, y));
        QCOMPARE(colours.size(), LogoColourCount);
    }

    void clickLength()
    {
        const QByteArray wav = readAll(ClickPath);
        QVERIFY(wav.startsWith("RIFF") && wav.size() >= ClickSamples);
        const qint64 dataBytes = qFromLittleEndian<quint32>(wav.constData() + ClickDataSize);
        QCOMPARE(ClickSamples + dataBytes, qint64{wav.size()});
        const qint64 ms = dataBytes * 1000 / ClickBytesPerSecond;
        QVERIFY2(ms >= ClickShortestMs && ms <= ClickLongestMs, qPrintable(QString::number(ms)));
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
