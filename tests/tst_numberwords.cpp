// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/numberwords.h"
#include "testkit.h"

#include <QStringList>
#include <QTest>

class TestNumberWords : public QObject
{
    Q_OBJECT
private slots:
    // 0, 5, 13, 15, 21, 100 and 225 in each language of the program, as its speakers write them.
    // Faults: soft hyphens (U+00AD) left in a German, Italian or Dutch compound; the Chinese zero
    // of codes and years (〇) for a quantity's (零).
    void words_data()
    {
        addColumns<QString, QString>("language", "words");
        row("English", "",
            "zero | five | thirteen | fifteen | twenty-one | one hundred | two hundred "
            "twenty-five");
        row("German", "de",
            "null | fünf | dreizehn | fünfzehn | einundzwanzig | einhundert | "
            "zweihundertfünfundzwanzig");
        row("French", "fr",
            "zéro | cinq | treize | quinze | vingt-et-un | cent | deux cent vingt-cinq");
        row("Spanish", "es",
            "cero | cinco | trece | quince | veintiuno | cien | doscientos veinticinco");
        row("Brazilian Portuguese", "pt_BR",
            "zero | cinco | treze | quinze | vinte e um | cem | duzentos e vinte e cinco");
        row("Italian", "it",
            "zero | cinque | tredici | quindici | ventuno | cento | duecentoventicinque");
        row("Dutch", "nl",
            "nul | vijf | dertien | vijftien | eenentwintig | honderd | tweehonderdvijfentwintig");
        row("Polish", "pl",
            "zero | pięć | trzynaście | piętnaście | dwadzieścia jeden | sto | dwieście "
            "dwadzieścia pięć");
        row("Simplified Chinese", "zh_CN", "零 | 五 | 十三 | 十五 | 二十一 | 一百 | 二百二十五");
        row("Japanese", "ja", "〇 | 五 | 十三 | 十五 | 二十一 | 百 | 二百二十五");
        row("Arabic", "ar",
            "صفر | خمسة | ثلاثة عشر | خمسة عشر | واحد وعشرون | مائة | مائتان وخمسة وعشرون");
    }
    // A language handed to ICU under a name it does not know (English or bare digits instead), or
    // the formatter cached for one language answering for the next.
    void words()
    {
        QFETCH(QString, language);
        QFETCH(QString, words);
        QStringList said;
        for (const int value : {0, 5, 13, 15, 21, 100, 225})
            said << platform::numberWords(value, language);
        QCOMPARE(said.join(" | "), words);
    }
    void hexWords_data()
    {
        addColumns<QString, QString, QString>("digits", "language", "words");
        row("letter, then a digit", "E1", "", "E one");
        row("German digit word", "E1", "de", "E eins");
        row("a letter alone", "C", "", "C");
        row("ten is one, zero", "10", "", "one zero");
        row("two letters", "FF", "de", "F F");
    }
    // A base-16 number spelled as one number ("ten", "sixteen"), a letter handed to ICU, or the
    // digits run together without a blank.
    void hexWords()
    {
        QFETCH(QString, digits);
        QFETCH(QString, language);
        QFETCH(QString, words);
        QCOMPARE(platform::hexWords(digits, language), words);
    }
};

QTEST_MAIN(TestNumberWords)
#include "tst_numberwords.moc"
