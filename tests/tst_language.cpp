#include "app/frmsplash.h"
#include "app/language.h"
#include "mainwin/form1.h"
#include "testkit.h"

#include <QLabel>
#include <QPushButton>

// Every caption of both windows in every language, measured against its control.
class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void captionsFitTheirControls_data()
    {
        addColumns<QString, QString, bool>("locale", "loaded", "rightToLeft");
        for (const char *code :
             {"de_DE", "fr_FR", "es_ES", "pt_BR", "it_IT", "nl_NL", "pl_PL", "zh_CN", "ja_JP"})
            row(code, QString(code),
                QString(code).startsWith("pt") || QString(code).startsWith("zh")
                    ? QString(code)
                    : QString(code).left(2),
                false);
        row("Arabic: right to left", QString("ar_EG"), QString("ar"), true);
        row("English: the texts as written", QString("en_US"), QString(), false);
        row("the C locale: the texts as written", QString("C"), QString(), false);
    }
    void captionsFitTheirControls()
    {
        QFETCH(QString, locale);
        QFETCH(QString, loaded);
        QFETCH(bool, rightToLeft);
        // Faults: a language missing from the program's resources, or loaded for English.
        QCOMPARE(language::install(QLocale(locale)), loaded);
        // Fault: Arabic punctuation at the wrong end of its line.
        QCOMPARE(QGuiApplication::layoutDirection() == Qt::RightToLeft, rightToLeft);

        FrmSplash splash;
        Form1 form;
        // Each control's font as designed: family and size in pixels.
        const QList<std::tuple<QWidget *, const char *, QString, int>> designed{
            {&form, "ComHide", "&Hide Answers", 11},
            {&form, "ComView", "&View Answers", 11},
            {&form, "ComHex", "Hexa&Decimal", 11},
            {&form, "ComBase", "&Base 10", 11},
            {&form, "ComReset", "&Reset", 11},
            {&form, "ComExit", "&Exit", 11},
            {&form, "LabBase", "Base 10", 13},
            {&form, "LabHex", "Hexadecimal", 13},
            {&splash, "lblPlatform", "For Windows 95/98 /NT", 21},
            {&splash, "lblVersion", "Version 1.0.5", 16},
            {&splash, "lblCompany", "Dunmarrow Created By Corwynne", 11},
            {&splash, "lblWarning", "Press any key or click mouse to continue", 11}};
        for (const auto &[window, name, english, pixels] : designed) {
            auto *control = window->findChild<QWidget *>(name);
            const QString caption = control->property("text").toString();
            const QFont font = control->font();
            const int room = control->width() - (qobject_cast<QPushButton *>(control) ? 4 : 0);
            const int width = QFontMetrics(font).horizontalAdvance(QString(caption).remove('&'));
            // Faults: a text left in English, or translated in English; a caption cut off; a
            // caption shrunk that fitted, or drawn in another font; one shrunk past reading.
            QVERIFY2((caption == english) == loaded.isEmpty(), name);
            QVERIFY2(width <= room,
                     qPrintable(QString("%1: %2 > %3").arg(name).arg(width).arg(room)));
            QVERIFY2(loaded.isEmpty() ? font.pixelSize() == pixels : font.pixelSize() <= pixels,
                     name);
            QVERIFY2(font.pixelSize() >= 8, name);
            QCOMPARE(font.family(), window == &form && pixels == 11 ? "MS Sans Serif"
                                    : pixels == 13                  ? "Times New Roman"
                                                                    : "Arial");
        }
        // Faults: a splash label grown past the panel's edge or over the logo or another label.
        const QList<QWidget *> parts =
            splash.findChild<QWidget *>("FrmSplash")->findChildren<QWidget *>();
        for (QWidget *part : parts) {
            QVERIFY2(QRect(2, 2, 484, 266).contains(part->geometry()),
                     qPrintable(part->objectName()));
            for (QWidget *other : parts)
                QVERIFY2(part == other || !part->geometry().intersects(other->geometry()),
                         qPrintable(part->objectName() + " overlaps " + other->objectName()));
        }
        // Fault: the window mirrored: the ones rod is the rightmost, the buttons on the right.
        QCOMPARE(form.findChild<QWidget *>("Label1(0)")->x(), 488);
        QCOMPARE(form.findChild<QWidget *>("ComHide")->geometry(), QRect(536, 72, 73, 33));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
