// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsplash.h"
#include "app/language.h"
#include "mainwin/form1.h"
#include "testkit.h"

#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

// Both windows in every language: each caption measured against its control.
class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void captionsFitTheirControls_data()
    {
        addColumns<QString, QString>("locale", "loaded"); // English and C: none, as written
        for (const QString &pair :
             QString("de_DE:de fr_FR:fr es_ES:es pt_BR:pt_BR it_IT:it "
                     "nl_NL:nl pl_PL:pl zh_CN:zh_CN ja_JP:ja ar_EG:ar en_US: C:")
                 .split(' '))
            row(qPrintable(pair), pair.section(':', 0, 0), pair.section(':', 1));
    }
    void captionsFitTheirControls()
    {
        QFETCH(QString, locale);
        QFETCH(QString, loaded);
        // Faults: a language missing from the resources, or English translated; an Arabic line
        // laid out left to right, its punctuation at the wrong end.
        QCOMPARE(language::install(QLocale(locale)), loaded);
        QCOMPARE(QGuiApplication::layoutDirection() == Qt::RightToLeft, loaded == "ar");
        FrmSplash splash;
        Form1 form;
        // Fault: a language loaded but its texts not used.
        QCOMPARE(form.findChild<QPushButton *>("ComHide")->text() == "&Hide Answers",
                 loaded.isEmpty());
        // Each caption's control and its font's size as designed, in pixels.
        const QList<std::tuple<QWidget *, const char *, int>> designed{
            {&form, "ComHide", 11},      {&form, "ComView", 11},      {&form, "ComHex", 11},
            {&form, "ComBase", 11},      {&form, "ComReset", 11},     {&form, "ComExit", 11},
            {&form, "LabBase", 13},      {&form, "LabHex", 13},       {&splash, "lblPlatform", 21},
            {&splash, "lblVersion", 16}, {&splash, "lblCompany", 11}, {&splash, "lblWarning", 11}};
        for (const auto &[window, name, pixels] : designed) {
            auto *control = window->findChild<QWidget *>(name);
            const QString caption = control->property("text").toString().remove('&');
            const QFont font = control->font();
            const int room = control->width() - (qobject_cast<QPushButton *>(control) ? 4 : 0);
            // Faults: a caption cut off; a button's name keeping "&" or a CJK "(&H)"; a caption
            // shrunk that fitted, or past reading; another font.
            QVERIFY2(QFontMetrics(font).horizontalAdvance(caption) <= room, name);
            QVERIFY2(!control->accessibleName().contains(QRegularExpression("[&()]")), name);
            const int size = font.pixelSize();
            QVERIFY2(size >= 8 && (loaded.isEmpty() ? size == pixels : size <= pixels), name);
            QCOMPARE(font.family(), window == &splash ? "Arial"
                                    : pixels == 13    ? "Times New Roman"
                                                      : "MS Sans Serif");
        }
        // Faults: a splash label grown past the panel's edge, over the logo or another label.
        const auto parts = splash.findChild<QWidget *>("FrmSplash")->findChildren<QWidget *>();
        for (QWidget *part : parts) {
            QVERIFY2(QRect(2, 2, 484, 266).contains(part->geometry()),
                     qPrintable(part->objectName()));
            for (QWidget *other : parts)
                QVERIFY2(part == other || !part->geometry().intersects(other->geometry()),
                         qPrintable(part->objectName() + " overlaps " + other->objectName()));
        }
        // Fault: the window mirrored: the ones rod is the rightmost, the buttons on the right.
        QCOMPARE(form.findChild<QWidget *>("Label1(0)")->x(), 488);
        // Fault: the File menu title at the right end of the bar.
        form.show();
        QCOMPARE(form.menuBar()->actionAt({9, 9}), form.findChild<QMenu *>("File")->menuAction());
    }
    // Fault: the language taken from LANG alone. LANGUAGE comes first, then LC_ALL, LC_MESSAGES
    // and LANG: each names a language of its own, and is emptied in turn.
    void systemLanguage()
    {
        QStringList set{"LANGUAGE=fr:de", "LC_ALL=de_DE", "LC_MESSAGES=es_ES", "LANG=it_IT"}, took;
        for (QString &variable : set) {
            QProcess child; // the language as start-up takes it, from the environment
            child.setEnvironment(QProcess::systemEnvironment() + set);
            child.start(QCoreApplication::applicationFilePath(), {"--system-language"});
            took << (child.waitForFinished() ? child.readAllStandardOutput() : "no answer");
            variable = variable.section('=', 0, 0) + '=';
        }
        QCOMPARE(took.join(' '), "fr de es it");
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--system-language") == 0)
        return std::fputs(qPrintable(language::install(QLocale::system())), stdout) < 0;
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_language.moc"
