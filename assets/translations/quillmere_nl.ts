<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>A counting frame for children: move its beads to set a number, and read each rod&apos;s value and the total in base 10 or 16.</source>
        <translation>Een telraam voor kinderen: schuif de kralen om een getal te zetten en lees de waarde van elke staaf en het totaal af in basis 10 of 16.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Draw the practice tasks from &lt;number&gt;: the same number gives the same tasks on every computer (also QUILLMERE_SEED).</source>
        <translation>Kiest de oefeningen met &lt;getal&gt;: hetzelfde getal geeft op elke computer dezelfde oefeningen (ook QUILLMERE_SEED).</translation>
    </message>
    <message>
        <source>number</source>
        <translation>getal</translation>
    </message>
    <message>
        <source>Not a seed: &apos;%1&apos;.</source>
        <extracomment>An error: the seed given is not a whole number from 0 to 4294967295.</extracomment>
        <translation>Geen geldige startwaarde: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Rod %1</source>
        <extracomment>A rod of the counting frame, numbered from the left: Rod 1 to Rod 15.</extracomment>
        <translation>Staaf %1</translation>
    </message>
    <message>
        <source>%1, upper outer bead</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;). Of its two beads worth 5, the one farther from the beam.</extracomment>
        <translation>%1, buitenste bovenkraal</translation>
    </message>
    <message>
        <source>%1, upper inner bead</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;). Of its two beads worth 5, the one next to the beam.</extracomment>
        <translation>%1, binnenste bovenkraal</translation>
    </message>
    <message>
        <source>%1, lower bead %2</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;); %2 numbers its five beads worth 1, from the bottom (1) up to the beam (5).</extracomment>
        <translation>%1, onderkraal %2</translation>
    </message>
    <message>
        <source>%1 value</source>
        <extracomment>The label under a rod (&quot;Rod 3&quot;) that shows the rod&apos;s value; a screen reader hears the value after it: &quot;Rod 3 value 7&quot;.</extracomment>
        <translation>%1, waarde</translation>
    </message>
    <message>
        <source>Read-out in base 10</source>
        <extracomment>Told to a screen reader when the numbers switch to base 10; also what the &quot;Base 10&quot; mark beside the total is called.</extracomment>
        <translation>Getallen in basis 10</translation>
    </message>
    <message>
        <source>Read-out in base 16</source>
        <extracomment>Told to a screen reader when the numbers switch to base 16; also what the &quot;Hexadecimal&quot; mark beside the total is called.</extracomment>
        <translation>Getallen in basis 16</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The box that shows the sum of all the rods.</extracomment>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>at the beam</source>
        <translation>bij de balk</translation>
    </message>
    <message>
        <source>at rest</source>
        <translation>weg van de balk</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Menu item: a fresh counting frame in place of the first window.</extracomment>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Menu item: ends the program.</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Ctrl+Plus zooms in, Ctrl+Minus zooms out, Ctrl+0 gives the designed size, F11 full screen, Esc leaves it, Ctrl+M turns the click sound off or on</source>
        <extracomment>The window&apos;s keys, for a screen reader: name them as the language&apos;s keyboards and system do (Strg+Plus, Échap, Ctrl+加号).</extracomment>
        <translation>Ctrl+Plus zoomt in, Ctrl+Minus zoomt uit, Ctrl+0 geeft de oorspronkelijke grootte, F11 volledig scherm, Esc verlaat het, Ctrl+M zet het klikgeluid uit of aan</translation>
    </message>
    <message>
        <source>The number is too large to show in base 16.</source>
        <extracomment>A message: the number typed in the total box is too large for the base-16 read-out.</extracomment>
        <translation>Het getal is te groot om in basis 16 te tonen.</translation>
    </message>
    <message>
        <source>Answers hidden</source>
        <extracomment>Told to a screen reader when the rod values are hidden.</extracomment>
        <translation>Antwoorden verborgen</translation>
    </message>
    <message>
        <source>Answers shown</source>
        <extracomment>Told to a screen reader when the rod values are shown again.</extracomment>
        <translation>Antwoorden zichtbaar</translation>
    </message>
    <message>
        <source>Good Bye!</source>
        <extracomment>The message as the program ends.</extracomment>
        <translation>Tot ziens!</translation>
    </message>
    <message>
        <source>Quillmere Version 1.05 - By Corwynne</source>
        <extracomment>The window title: &quot;Quillmere&quot; and &quot;Corwynne&quot; are names.</extracomment>
        <translation>Quillmere versie 1.05 - door Corwynne</translation>
    </message>
    <message>
        <source>&amp;Hide Answers</source>
        <extracomment>Button: hides the value under every rod, so a pupil can check their own answer.</extracomment>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>&amp;View Answers</source>
        <extracomment>Button: shows the values under the rods again.</extracomment>
        <translation>&amp;Laten zien</translation>
    </message>
    <message>
        <source>Hexa&amp;Decimal</source>
        <extracomment>Button: shows the values and the total in base 16 (hexadecimal).</extracomment>
        <translation>&amp;Hexadecimaal</translation>
    </message>
    <message>
        <source>&amp;Base 10</source>
        <extracomment>Button: shows the values and the total in base 10 again.</extracomment>
        <translation>B&amp;asis 10</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Button: puts every bead back, for a fresh counting frame.</extracomment>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Button: ends the program.</extracomment>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Base 10</source>
        <extracomment>Mark beside the total: the numbers are shown in base 10.</extracomment>
        <translation>Basis 10</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <extracomment>Mark beside the total: the numbers are shown in base 16.</extracomment>
        <translation>Hexadecimaal</translation>
    </message>
</context>
<context>
    <name>FrmSplash</name>
    <message>
        <source>For Windows 95/98 /NT</source>
        <extracomment>The systems the program was first made for.</extracomment>
        <translation>Voor Windows 95/98 /NT</translation>
    </message>
    <message>
        <source>Dunmarrow Created By Corwynne</source>
        <extracomment>&quot;Dunmarrow&quot; is the company and &quot;Corwynne&quot; the person who made the program: names.</extracomment>
        <translation>Dunmarrow, gemaakt door Corwynne</translation>
    </message>
    <message>
        <source>Press any key or click mouse to continue</source>
        <extracomment>How to close this first window and go on to the counting frame.</extracomment>
        <translation>Druk op een toets of klik om verder te gaan</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <extracomment>The picture beside the program&apos;s name; %1 is the name, &quot;Quillmere&quot;.</extracomment>
        <translation>Logo van %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The program&apos;s version: major, minor and revision numbers, as in &quot;Version 1.0.5&quot;.</extracomment>
        <translation>Versie %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>mainwin::Aloud</name>
    <message>
        <source>, F5 says the task or the total aloud</source>
        <extracomment>Added to the end of the window&apos;s keys for a screen reader (after &quot;... Ctrl+M turns the click sound off or on&quot;), with the separator that list uses; keep F5 as the keyboard shows it.</extracomment>
        <translation>, F5 leest de opdracht of het totaal voor</translation>
    </message>
    <message>
        <source>Speak &amp;Every Total</source>
        <extracomment>Menu item, on or off: after each bead move the new total is said aloud.</extracomment>
        <translation>Elk totaal &amp;uitspreken</translation>
    </message>
    <message>
        <source>The total is %1.</source>
        <extracomment>Said aloud: %1 is the frame&apos;s total in words (&quot;The total is thirteen.&quot;).</extracomment>
        <translation>Het totaal is %1.</translation>
    </message>
    <message>
        <source>The answers are hidden.</source>
        <extracomment>Said aloud for F5 while the rod values and the total are hidden.</extracomment>
        <translation>De antwoorden zijn verborgen.</translation>
    </message>
    <message>
        <source>No voice is installed for %1.</source>
        <extracomment>Shown and told to a screen reader when nothing can be said aloud; %1 is the language&apos;s name in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Er is geen stem geïnstalleerd voor %1.</translation>
    </message>
</context>
<context>
    <name>mainwin::PracticeMode</name>
    <message>
        <source>&amp;Practice</source>
        <extracomment>The menu of exercises, after File.</extracomment>
        <translation>Oe&amp;fenen</translation>
    </message>
    <message>
        <source>&amp;Show a Number</source>
        <extracomment>Menu item: the program names a number, the pupil sets it on the frame.</extracomment>
        <translation>&amp;Getal zetten</translation>
    </message>
    <message>
        <source>&amp;Read the Frame</source>
        <extracomment>Menu item: the program sets the frame, the pupil types its total.</extracomment>
        <translation>&amp;Telraam aflezen</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Submenu: how large the numbers of the tasks may be.</extracomment>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <extracomment>A level: the numbers of the tasks go up to %1.</extracomment>
        <translation>Tot %1</translation>
    </message>
    <message>
        <source>S&amp;top Practice</source>
        <extracomment>Menu item: ends practice; the window is as it was.</extracomment>
        <translation>&amp;Stoppen met oefenen</translation>
    </message>
    <message>
        <source>Show %1</source>
        <extracomment>A task: the pupil sets this number on the frame; %1 is the number in digits or in words (&quot;Show 13&quot;, &quot;Show thirteen&quot;).</extracomment>
        <translation>Zet %1</translation>
    </message>
    <message>
        <source>What is the frame&apos;s total?</source>
        <extracomment>A task: the pupil types the total of the frame that the program has set.</extracomment>
        <translation>Wat is het totaal van het telraam?</translation>
    </message>
    <message>
        <source>%1 right of %2</source>
        <extracomment>The score of this run: tasks right of tasks done.</extracomment>
        <translation>%1 van de %2 goed</translation>
    </message>
    <message>
        <source>Right! The frame shows %1.</source>
        <extracomment>Said when the answer is right; %1 is the number.</extracomment>
        <translation>Goed zo! Het telraam staat op %1.</translation>
    </message>
    <message>
        <source>Your frame shows %1. You need %2 more.</source>
        <extracomment>Show a Number, not yet: %1 is what the frame shows, %2 how much more it needs.</extracomment>
        <translation>Je telraam staat op %1. Er moet nog %2 bij.</translation>
    </message>
    <message>
        <source>Your frame shows %1. You need %2 fewer.</source>
        <extracomment>Show a Number, not yet: %1 is what the frame shows, %2 how much less it needs.</extracomment>
        <translation>Je telraam staat op %1. Er moet %2 af.</translation>
    </message>
    <message>
        <source>Not yet. Try again.</source>
        <extracomment>Read the Frame, a wrong answer.</extracomment>
        <translation>Nog niet. Probeer het nog eens.</translation>
    </message>
    <message>
        <source>The frame shows %1.</source>
        <extracomment>After Show Me: the answer; %1 is the number.</extracomment>
        <translation>Het telraam staat op %1.</translation>
    </message>
    <message>
        <source>Tasks in &amp;Words</source>
        <extracomment>Menu item, on or off: the number of a task is written in words (&quot;Show thirteen&quot;).</extracomment>
        <translation>Opdrachten in &amp;woorden</translation>
    </message>
</context>
<context>
    <name>mainwin::PracticeStrip</name>
    <message>
        <source>&amp;Check</source>
        <extracomment>Button: checks the pupil&apos;s answer to the task.</extracomment>
        <translation>&amp;Nakijken</translation>
    </message>
    <message>
        <source>Show &amp;Me</source>
        <extracomment>Button, offered after two tries: shows the answer on the frame.</extracomment>
        <translation>Voor&amp;doen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Button: the next task.</extracomment>
        <translation>Vol&amp;gende</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The strip below the counting frame with the task, the answer box and its buttons.</extracomment>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the total of the frame.</extracomment>
        <translation>Jouw antwoord</translation>
    </message>
</context>
</TS>
