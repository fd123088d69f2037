<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>A counting frame for children: move its beads to set a number, and read each rod&apos;s value and the total in base 10 or 16.</source>
        <translation>Liczydło dla dzieci: przesuwaj koraliki, aby ułożyć liczbę, i odczytuj wartość każdego pręta oraz sumę w systemie dziesiątkowym lub szesnastkowym.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Draw the practice tasks from &lt;number&gt;: the same number gives the same tasks on every computer (also QUILLMERE_SEED).</source>
        <translation>Losuje zadania z ziarna &lt;liczba&gt;: ta sama liczba daje te same zadania na każdym komputerze (również QUILLMERE_SEED).</translation>
    </message>
    <message>
        <source>number</source>
        <translation>liczba</translation>
    </message>
    <message>
        <source>Not a seed: &apos;%1&apos;.</source>
        <extracomment>An error: the seed given is not a whole number from 0 to 4294967295.</extracomment>
        <translation>Nieprawidłowe ziarno: „%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Rod %1</source>
        <extracomment>A rod of the counting frame, numbered from the left: Rod 1 to Rod 15.</extracomment>
        <translation>Pręt %1</translation>
    </message>
    <message>
        <source>%1, upper outer bead</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;). Of its two beads worth 5, the one farther from the beam.</extracomment>
        <translation>%1, górny koralik zewnętrzny</translation>
    </message>
    <message>
        <source>%1, upper inner bead</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;). Of its two beads worth 5, the one next to the beam.</extracomment>
        <translation>%1, górny koralik wewnętrzny</translation>
    </message>
    <message>
        <source>%1, lower bead %2</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;); %2 numbers its five beads worth 1, from the bottom (1) up to the beam (5).</extracomment>
        <translation>%1, dolny koralik %2</translation>
    </message>
    <message>
        <source>%1 value</source>
        <extracomment>The label under a rod (&quot;Rod 3&quot;) that shows the rod&apos;s value; a screen reader hears the value after it: &quot;Rod 3 value 7&quot;.</extracomment>
        <translation>%1, wartość</translation>
    </message>
    <message>
        <source>Read-out in base 10</source>
        <extracomment>Told to a screen reader when the numbers switch to base 10; also what the &quot;Base 10&quot; mark beside the total is called.</extracomment>
        <translation>Liczby w systemie dziesiątkowym</translation>
    </message>
    <message>
        <source>Read-out in base 16</source>
        <extracomment>Told to a screen reader when the numbers switch to base 16; also what the &quot;Hexadecimal&quot; mark beside the total is called.</extracomment>
        <translation>Liczby w systemie szesnastkowym</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The box that shows the sum of all the rods.</extracomment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>at the beam</source>
        <translation>przy belce</translation>
    </message>
    <message>
        <source>at rest</source>
        <translation>z dala od belki</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A bead, then where it is: &quot;Rod 3, lower bead 2, at rest&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>What a screen reader hears as a bead moves: the bead, then its rod&apos;s value: &quot;Rod 2, lower bead 4, at the beam. Rod 2 value 2&quot;.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s one menu.</extracomment>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Menu item: a fresh counting frame in place of the first window.</extracomment>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Menu item: ends the program.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Ctrl+Plus zooms in, Ctrl+Minus zooms out, Ctrl+0 gives the designed size, F11 full screen, Esc leaves it, Ctrl+M turns the click sound off or on</source>
        <extracomment>The window&apos;s keys, for a screen reader: name them as the language&apos;s keyboards and system do (Strg+Plus, Échap, Ctrl+加号).</extracomment>
        <translation>Ctrl+Plus powiększa, Ctrl+Minus pomniejsza, Ctrl+0 przywraca zwykły rozmiar, F11 włącza pełny ekran, Esc go wyłącza, Ctrl+M wyłącza lub włącza dźwięk kliknięcia</translation>
    </message>
    <message>
        <source>The number is too large to show in base 16.</source>
        <extracomment>A message: the number typed in the total box is too large for the base-16 read-out.</extracomment>
        <translation>Ta liczba jest za duża, żeby pokazać ją w systemie szesnastkowym.</translation>
    </message>
    <message>
        <source>Answers hidden</source>
        <extracomment>Told to a screen reader when the rod values are hidden.</extracomment>
        <translation>Wyniki ukryte</translation>
    </message>
    <message>
        <source>Answers shown</source>
        <extracomment>Told to a screen reader when the rod values are shown again.</extracomment>
        <translation>Wyniki widoczne</translation>
    </message>
    <message>
        <source>Good Bye!</source>
        <extracomment>The message as the program ends.</extracomment>
        <translation>Do widzenia!</translation>
    </message>
    <message>
        <source>Quillmere Version 1.05 - By Corwynne</source>
        <extracomment>The window title: &quot;Quillmere&quot; and &quot;Corwynne&quot; are names.</extracomment>
        <translation>Quillmere wersja 1.05 - autor: Corwynne</translation>
    </message>
    <message>
        <source>&amp;Hide Answers</source>
        <extracomment>Button: hides the value under every rod, so a pupil can check their own answer.</extracomment>
        <translation>&amp;Ukryj wyniki</translation>
    </message>
    <message>
        <source>&amp;View Answers</source>
        <extracomment>Button: shows the values under the rods again.</extracomment>
        <translation>Po&amp;każ wyniki</translation>
    </message>
    <message>
        <source>Hexa&amp;Decimal</source>
        <extracomment>Button: shows the values and the total in base 16 (hexadecimal).</extracomment>
        <translation>&amp;Szesnastkowy</translation>
    </message>
    <message>
        <source>&amp;Base 10</source>
        <extracomment>Button: shows the values and the total in base 10 again.</extracomment>
        <translation>&amp;Dziesiątkowy</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Button: puts every bead back, for a fresh counting frame.</extracomment>
        <translation>&amp;Od nowa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Button: ends the program.</extracomment>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Base 10</source>
        <extracomment>Mark beside the total: the numbers are shown in base 10.</extracomment>
        <translation>Dziesiątkowy</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <extracomment>Mark beside the total: the numbers are shown in base 16.</extracomment>
        <translation>Szesnastkowy</translation>
    </message>
</context>
<context>
    <name>FrmSplash</name>
    <message>
        <source>For Windows 95/98 /NT</source>
        <extracomment>The systems the program was first made for.</extracomment>
        <translation>Dla Windows 95/98 /NT</translation>
    </message>
    <message>
        <source>Dunmarrow Created By Corwynne</source>
        <extracomment>&quot;Dunmarrow&quot; is the company and &quot;Corwynne&quot; the person who made the program: names.</extracomment>
        <translation>Dunmarrow, autor: Corwynne</translation>
    </message>
    <message>
        <source>Press any key or click mouse to continue</source>
        <extracomment>How to close this first window and go on to the counting frame.</extracomment>
        <translation>Naciśnij klawisz lub kliknij, by przejść dalej</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <extracomment>The picture beside the program&apos;s name; %1 is the name, &quot;Quillmere&quot;.</extracomment>
        <translation>Logo %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The program&apos;s version: major, minor and revision numbers, as in &quot;Version 1.0.5&quot;.</extracomment>
        <translation>Wersja %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>mainwin::Aloud</name>
    <message>
        <source>, F5 says the task or the total aloud</source>
        <extracomment>Added to the end of the window&apos;s keys for a screen reader (after &quot;... Ctrl+M turns the click sound off or on&quot;), with the separator that list uses; keep F5 as the keyboard shows it.</extracomment>
        <translation>, F5 czyta na głos zadanie lub sumę</translation>
    </message>
    <message>
        <source>Speak &amp;Every Total</source>
        <extracomment>Menu item, on or off: after each bead move the new total is said aloud.</extracomment>
        <translation>Czytaj &amp;każdą sumę</translation>
    </message>
    <message>
        <source>The total is %1.</source>
        <extracomment>Said aloud: %1 is the frame&apos;s total in words (&quot;The total is thirteen.&quot;).</extracomment>
        <translation>Suma to %1.</translation>
    </message>
    <message>
        <source>The answers are hidden.</source>
        <extracomment>Said aloud for F5 while the rod values and the total are hidden.</extracomment>
        <translation>Wyniki są ukryte.</translation>
    </message>
    <message>
        <source>No voice is installed for %1.</source>
        <extracomment>Shown and told to a screen reader when nothing can be said aloud; %1 is the language&apos;s name in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Brak zainstalowanego głosu dla języka: %1.</translation>
    </message>
</context>
<context>
    <name>mainwin::PracticeMode</name>
    <message>
        <source>&amp;Practice</source>
        <extracomment>The menu of exercises, after File.</extracomment>
        <translation>Ć&amp;wiczenia</translation>
    </message>
    <message>
        <source>&amp;Show a Number</source>
        <extracomment>Menu item: the program names a number, the pupil sets it on the frame.</extracomment>
        <translation>&amp;Ułóż liczbę</translation>
    </message>
    <message>
        <source>&amp;Read the Frame</source>
        <extracomment>Menu item: the program sets the frame, the pupil types its total.</extracomment>
        <translation>&amp;Odczytaj liczydło</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Submenu: how large the numbers of the tasks may be.</extracomment>
        <translation>&amp;Poziom</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <extracomment>A level: the numbers of the tasks go up to %1.</extracomment>
        <translation>Do %1</translation>
    </message>
    <message>
        <source>S&amp;top Practice</source>
        <extracomment>Menu item: ends practice; the window is as it was.</extracomment>
        <translation>&amp;Zakończ ćwiczenia</translation>
    </message>
    <message>
        <source>Show %1</source>
        <extracomment>A task: the pupil sets this number on the frame; %1 is the number in digits or in words (&quot;Show 13&quot;, &quot;Show thirteen&quot;).</extracomment>
        <translation>Ułóż %1</translation>
    </message>
    <message>
        <source>What is the frame&apos;s total?</source>
        <extracomment>A task: the pupil types the total of the frame that the program has set.</extracomment>
        <translation>Ile wynosi suma na liczydle?</translation>
    </message>
    <message>
        <source>%1 right of %2</source>
        <extracomment>The score of this run: tasks right of tasks done.</extracomment>
        <translation>Dobrze: %1 z %2</translation>
    </message>
    <message>
        <source>Right! The frame shows %1.</source>
        <extracomment>Said when the answer is right; %1 is the number.</extracomment>
        <translation>Brawo! Liczydło pokazuje %1.</translation>
    </message>
    <message>
        <source>Your frame shows %1. You need %2 more.</source>
        <extracomment>Show a Number, not yet: %1 is what the frame shows, %2 how much more it needs.</extracomment>
        <translation>Twoje liczydło pokazuje %1. Dołóż jeszcze %2.</translation>
    </message>
    <message>
        <source>Your frame shows %1. You need %2 fewer.</source>
        <extracomment>Show a Number, not yet: %1 is what the frame shows, %2 how much less it needs.</extracomment>
        <translation>Twoje liczydło pokazuje %1. Odejmij %2.</translation>
    </message>
    <message>
        <source>Not yet. Try again.</source>
        <extracomment>Read the Frame, a wrong answer.</extracomment>
        <translation>Jeszcze nie. Spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>The frame shows %1.</source>
        <extracomment>After Show Me: the answer; %1 is the number.</extracomment>
        <translation>Liczydło pokazuje %1.</translation>
    </message>
    <message>
        <source>Tasks in &amp;Words</source>
        <extracomment>Menu item, on or off: the number of a task is written in words (&quot;Show thirteen&quot;).</extracomment>
        <translation>Zadania &amp;słowami</translation>
    </message>
</context>
<context>
    <name>mainwin::PracticeStrip</name>
    <message>
        <source>&amp;Check</source>
        <extracomment>Button: checks the pupil&apos;s answer to the task.</extracomment>
        <translation>Sp&amp;rawdź</translation>
    </message>
    <message>
        <source>Show &amp;Me</source>
        <extracomment>Button, offered after two tries: shows the answer on the frame.</extracomment>
        <translation>Pokaż &amp;mi</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Button: the next task.</extracomment>
        <translation>&amp;Następne</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The strip below the counting frame with the task, the answer box and its buttons.</extracomment>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the total of the frame.</extracomment>
        <translation>Twoja odpowiedź</translation>
    </message>
</context>
</TS>
