// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testkit.h"

#include <QImage>
#include <QRegularExpression>

// A picture as text, a line a row and a letter a pixel: _ transparent, k black, B blue, s silver,
// C cyan, c dark cyan, M magenta, m dark magenta; in the logo W white, r red, d dark red,
// x roof shadow, p pale cyan, g gold, G grey; ? any other colour.
static QString letters(const QString &path)
{
    const QList<QRgb> colours{qRgba(0, 0, 0, 0),   qRgb(0, 0, 0),      qRgb(0, 0, 255),
                              qRgb(192, 192, 192), qRgb(0, 255, 255),  qRgb(0, 128, 128),
                              qRgb(255, 0, 255),   qRgb(128, 0, 128),  qRgb(255, 255, 255),
                              qRgb(204, 32, 32),   qRgb(136, 0, 0),    qRgb(80, 0, 0),
                              qRgb(190, 236, 246), qRgb(224, 172, 32), qRgb(160, 160, 160)};
    const QImage image(path);
    QString text;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            text += u"?_kBsCcMmWrdxpgG"[colours.indexOf(image.pixel(x, y)) + 1];
        text += u'\n';
    }
    return text;
}

class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    // Each file: a wrong header field (little-endian, grouped by spaces) or size; its picture as
    // letters(): a colour changed, lost or added; a band of the window icon at the wrong rows or a
    // wrong colour or column in it; a wrong bead outline (the margins of each row), a hole, or a
    // left flank that is no checkerboard of shade and body of up to six pairs.
    void files_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("picture");
        const QString dir = QStringLiteral(QUILLMERE_ASSET_DIR "/");
        // One 32 x 32 image, 16 colours, 4 bpp, 744 bytes at 22; 40-byte header, 32 x 64, 640 bytes
        const QByteArray icon = "0000 0100 0100 20 20 10 00 0100 0400 e8020000 16000000 "
                                "28000000 20000000 40000000 0100 0400 00000000 80020000";
        row("window icon", QStringLiteral(":/assets/quillmere.ico"), icon, 766,
            QStringLiteral("(B{32}\n){4}"         // blue border
                           "(Bk{30}B\n){2}"       // black
                           "(BkM{28}kB\n){2}"     // magenta bar, the frame's top
                           "(Bk(scc){9}skB\n){2}" // upper deck: silver rods, dark-cyan beads
                           "Bk{30}B\n"            // black beam
                           "(Bk(scc){9}skB\n){4}" // lower deck
                           "(BkC{28}kB\n){5}"     // light-cyan base
                           "(Bk{30}B\n){3}"       // black
                           "(B{32}\n){9}"));      // blue border
        // A bead in rows 7 to 25: each row's margins and between them (%1) a checkered flank, then
        // body. In row 9 (%2) the upper bead reaches one column further left than the lower one.
        const QString bead = QStringLiteral(
            "(_{32}\n){7}_{12}%1_{12}\n_{8}%1_{8}\n%2%1_{7}\n_{5}%1_{5}\n_{4}%1_{4}\n"
            "(_{3}%1_{3}\n){2}(_{2}%1_{2}\n){5}(_{3}%1_{3}\n){2}_{4}%1_{4}\n_{5}%1_{5}\n"
            "_{7}%1_{7}\n_{8}%1_{8}\n_{12}%1_{12}\n(_{32}\n){6}");
        row("lower bead", QStringLiteral(":/assets/lowerbead.ico"), icon, 766,
            bead.arg("C?(cC){1,6}C+", "_{7}"));
        row("upper bead", QStringLiteral(":/assets/upperbead.ico"), icon, 766,
            bead.arg("M?(mM){1,6}M+", "_{6}"));
        // The logo: each of its eight colours somewhere, and no other.
        row("logo: BM, pixels at 26, core header, 206 x 201, 24 bpp", dir + "logo.bmp",
            QByteArray("424d e6e60100 0000 0000 1a000000 0c000000 ce00 c900 0100 1800"), 124646,
            QStringLiteral(
                "(?s)(?=.*W)(?=.*k)(?=.*r)(?=.*d)(?=.*x)(?=.*p)(?=.*g)(?=.*G)[WkrdxpgG\n]+"));
        row("click: WAVE, PCM, mono, 44.1 kHz, 16-bit, 3528 bytes (40 ms)", dir + "click.wav",
            QByteArray("52494646 ec0d0000 57415645 666d7420 10000000 0100 0100 44ac0000 88580100 "
                       "0200 1000 64617461 c80d0000"),
            3572, QString()); // and no picture
        row("cheer: WAVE, PCM, mono, 44.1 kHz, 16-bit, 26460 bytes (0.3 s)", dir + "cheer.wav",
            QByteArray("52494646 80670000 57415645 666d7420 10000000 0100 0100 44ac0000 88580100 "
                       "0200 1000 64617461 5c670000"),
            26504, QString());
    }
    void files()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, hex);
        QFETCH(QString, picture);
        const QByteArray file = readAll(path), expected = QByteArray::fromHex(hex);
        QCOMPARE(file.left(expected.size()).toHex(' '), expected.toHex(' '));
        QTEST(int(file.size()), "size");
        const QString text = letters(path);
        const QRegularExpression shape(QRegularExpression::anchoredPattern(picture));
        QVERIFY2(shape.match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
