<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>A counting frame for children: move its beads to set a number, and read each rod&apos;s value and the total in base 10 or 16.</source>
        <translation>给孩子用的算盘：拨动算珠表示一个数，读出每一档的数和总数，可用十进制或十六进制。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>Draw the practice tasks from &lt;number&gt;: the same number gives the same tasks on every computer (also QUILLMERE_SEED).</source>
        <translation>用 &lt;数&gt; 抽取练习题：同一个数在每台电脑上给出同样的题目（也可用 QUILLMERE_SEED）。</translation>
    </message>
    <message>
        <source>number</source>
        <translation>数</translation>
    </message>
    <message>
        <source>Not a seed: &apos;%1&apos;.</source>
        <extracomment>An error: the seed given is not a whole number from 0 to 4294967295.</extracomment>
        <translation>不是有效的种子：“%1”。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Rod %1</source>
        <extracomment>A rod of the counting frame, numbered from the left: Rod 1 to Rod 15.</extracomment>
        <translation>第%1档</translation>
    </message>
    <message>
        <source>%1, upper outer bead</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;). Of its two beads worth 5, the one farther from the beam.</extracomment>
        <translation>%1，外侧上珠</translation>
    </message>
    <message>
        <source>%1, upper inner bead</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;). Of its two beads worth 5, the one next to the beam.</extracomment>
        <translation>%1，内侧上珠</translation>
    </message>
    <message>
        <source>%1, lower bead %2</source>
        <extracomment>%1 is a rod (&quot;Rod 3&quot;); %2 numbers its five beads worth 1, from the bottom (1) up to the beam (5).</extracomment>
        <translation>%1，第%2颗下珠</translation>
    </message>
    <message>
        <source>%1 value</source>
        <extracomment>The label under a rod (&quot;Rod 3&quot;) that shows the rod&apos;s value; a screen reader hears the value after it: &quot;Rod 3 value 7&quot;.</extracomment>
        <translation>%1的数</translation>
    </message>
    <message>
        <source>Read-out in base 10</source>
        <extracomment>Told to a screen reader when the numbers switch to base 10; also what the &quot;Base 10&quot; mark beside the total is called.</extracomment>
        <translation>用十进制显示</translation>
    </message>
    <message>
        <source>Read-out in base 16</source>
        <extracomment>Told to a screen reader when the numbers switch to base 16; also what the &quot;Hexadecimal&quot; mark beside the total is called.</extracomment>
        <translation>用十六进制显示</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The box that shows the sum of all the rods.</extracomment>
        <translation>总数</translation>
    </message>
    <message>
        <source>at the beam</source>
        <translation>靠梁</translation>
    </message>
    <message>
        <source>at rest</source>
        <translation>离梁</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A bead, then where it is: &quot;Rod 3, lower bead 2, at rest&quot;.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>What a screen reader hears as a bead moves: the bead, then its rod&apos;s value: &quot;Rod 2, lower bead 4, at the beam. Rod 2 value 2&quot;.</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s one menu.</extracomment>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Menu item: a fresh counting frame in place of the first window.</extracomment>
        <translation>新建</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Menu item: ends the program.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ctrl+Plus zooms in, Ctrl+Minus zooms out, Ctrl+0 gives the designed size, F11 full screen, Esc leaves it, Ctrl+M turns the click sound off or on</source>
        <extracomment>The window&apos;s keys, for a screen reader: name them as the language&apos;s keyboards and system do (Strg+Plus, Échap, Ctrl+加号).</extracomment>
        <translation>Ctrl+加号 放大，Ctrl+减号 缩小，Ctrl+0 恢复原来的大小，F11 全屏，Esc 退出全屏，Ctrl+M 关闭或打开点击声</translation>
    </message>
    <message>
        <source>The number is too large to show in base 16.</source>
        <extracomment>A message: the number typed in the total box is too large for the base-16 read-out.</extracomment>
        <translation>这个数太大了，不能用十六进制显示。</translation>
    </message>
    <message>
        <source>Answers hidden</source>
        <extracomment>Told to a screen reader when the rod values are hidden.</extracomment>
        <translation>答案已隐藏</translation>
    </message>
    <message>
        <source>Answers shown</source>
        <extracomment>Told to a screen reader when the rod values are shown again.</extracomment>
        <translation>答案已显示</translation>
    </message>
    <message>
        <source>Good Bye!</source>
        <extracomment>The message as the program ends.</extracomment>
        <translation>再见！</translation>
    </message>
    <message>
        <source>Quillmere Version 1.05 - By Corwynne</source>
        <extracomment>The window title: &quot;Quillmere&quot; and &quot;Corwynne&quot; are names.</extracomment>
        <translation>Quillmere 版本 1.05 - 作者：Corwynne</translation>
    </message>
    <message>
        <source>&amp;Hide Answers</source>
        <extracomment>Button: hides the value under every rod, so a pupil can check their own answer.</extracomment>
        <translation>隐藏答案(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;View Answers</source>
        <extracomment>Button: shows the values under the rods again.</extracomment>
        <translation>显示答案(&amp;V)</translation>
    </message>
    <message>
        <source>Hexa&amp;Decimal</source>
        <extracomment>Button: shows the values and the total in base 16 (hexadecimal).</extracomment>
        <translation>十六进制(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Base 10</source>
        <extracomment>Button: shows the values and the total in base 10 again.</extracomment>
        <translation>十进制(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Button: puts every bead back, for a fresh counting frame.</extracomment>
        <translation>重来(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Button: ends the program.</extracomment>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Base 10</source>
        <extracomment>Mark beside the total: the numbers are shown in base 10.</extracomment>
        <translation>十进制</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <extracomment>Mark beside the total: the numbers are shown in base 16.</extracomment>
        <translation>十六进制</translation>
    </message>
</context>
<context>
    <name>FrmSplash</name>
    <message>
        <source>For Windows 95/98 /NT</source>
        <extracomment>The systems the program was first made for.</extracomment>
        <translation>Windows 95/98 /NT 版</translation>
    </message>
    <message>
        <source>Dunmarrow Created By Corwynne</source>
        <extracomment>&quot;Dunmarrow&quot; is the company and &quot;Corwynne&quot; the person who made the program: names.</extracomment>
        <translation>Dunmarrow，由 Corwynne 制作</translation>
    </message>
    <message>
        <source>Press any key or click mouse to continue</source>
        <extracomment>How to close this first window and go on to the counting frame.</extracomment>
        <translation>按任意键或单击鼠标继续</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <extracomment>The picture beside the program&apos;s name; %1 is the name, &quot;Quillmere&quot;.</extracomment>
        <translation>%1 标志</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The program&apos;s version: major, minor and revision numbers, as in &quot;Version 1.0.5&quot;.</extracomment>
        <translation>版本 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>mainwin::Aloud</name>
    <message>
        <source>, F5 says the task or the total aloud</source>
        <extracomment>Added to the end of the window&apos;s keys for a screen reader (after &quot;... Ctrl+M turns the click sound off or on&quot;), with the separator that list uses; keep F5 as the keyboard shows it.</extracomment>
        <translation>，F5 朗读题目或总数</translation>
    </message>
    <message>
        <source>Speak &amp;Every Total</source>
        <extracomment>Menu item, on or off: after each bead move the new total is said aloud.</extracomment>
        <translation>朗读每次的总数(&amp;E)</translation>
    </message>
    <message>
        <source>The total is %1.</source>
        <extracomment>Said aloud: %1 is the frame&apos;s total in words (&quot;The total is thirteen.&quot;).</extracomment>
        <translation>总数是%1。</translation>
    </message>
    <message>
        <source>The answers are hidden.</source>
        <extracomment>Said aloud for F5 while the rod values and the total are hidden.</extracomment>
        <translation>答案已隐藏。</translation>
    </message>
    <message>
        <source>No voice is installed for %1.</source>
        <extracomment>Shown and told to a screen reader when nothing can be said aloud; %1 is the language&apos;s name in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>没有安装%1的语音。</translation>
    </message>
</context>
<context>
    <name>mainwin::PracticeMode</name>
    <message>
        <source>&amp;Practice</source>
        <extracomment>The menu of exercises, after File.</extracomment>
        <translation>练习(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Show a Number</source>
        <extracomment>Menu item: the program names a number, the pupil sets it on the frame.</extracomment>
        <translation>看数拨珠(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Read the Frame</source>
        <extracomment>Menu item: the program sets the frame, the pupil types its total.</extracomment>
        <translation>看珠读数(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Submenu: how large the numbers of the tasks may be.</extracomment>
        <translation>难度(&amp;L)</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <extracomment>A level: the numbers of the tasks go up to %1.</extracomment>
        <translation>%1以内</translation>
    </message>
    <message>
        <source>S&amp;top Practice</source>
        <extracomment>Menu item: ends practice; the window is as it was.</extracomment>
        <translation>结束练习(&amp;T)</translation>
    </message>
    <message>
        <source>Show %1</source>
        <extracomment>A task: the pupil sets this number on the frame; %1 is the number in digits or in words (&quot;Show 13&quot;, &quot;Show thirteen&quot;).</extracomment>
        <translation>请拨出%1</translation>
    </message>
    <message>
        <source>What is the frame&apos;s total?</source>
        <extracomment>A task: the pupil types the total of the frame that the program has set.</extracomment>
        <translation>算盘上的总数是多少？</translation>
    </message>
    <message>
        <source>%1 right of %2</source>
        <extracomment>The score of this run: tasks right of tasks done.</extracomment>
        <translation>答对%1题，共%2题</translation>
    </message>
    <message>
        <source>Right! The frame shows %1.</source>
        <extracomment>Said when the answer is right; %1 is the number.</extracomment>
        <translation>对了！算盘上是%1。</translation>
    </message>
    <message>
        <source>Your frame shows %1. You need %2 more.</source>
        <extracomment>Show a Number, not yet: %1 is what the frame shows, %2 how much more it needs.</extracomment>
        <translation>你的算盘上是%1，还要再加%2。</translation>
    </message>
    <message>
        <source>Your frame shows %1. You need %2 fewer.</source>
        <extracomment>Show a Number, not yet: %1 is what the frame shows, %2 how much less it needs.</extracomment>
        <translation>你的算盘上是%1，还要再减%2。</translation>
    </message>
    <message>
        <source>Not yet. Try again.</source>
        <extracomment>Read the Frame, a wrong answer.</extracomment>
        <translation>还不对，再试一次。</translation>
    </message>
    <message>
        <source>The frame shows %1.</source>
        <extracomment>After Show Me: the answer; %1 is the number.</extracomment>
        <translation>算盘上是%1。</translation>
    </message>
    <message>
        <source>Tasks in &amp;Words</source>
        <extracomment>Menu item, on or off: the number of a task is written in words (&quot;Show thirteen&quot;).</extracomment>
        <translation>用文字显示题目(&amp;W)</translation>
    </message>
</context>
<context>
    <name>mainwin::PracticeStrip</name>
    <message>
        <source>&amp;Check</source>
        <extracomment>Button: checks the pupil&apos;s answer to the task.</extracomment>
        <translation>检查(&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Me</source>
        <extracomment>Button, offered after two tries: shows the answer on the frame.</extracomment>
        <translation>看答案(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Button: the next task.</extracomment>
        <translation>下一题(&amp;N)</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The strip below the counting frame with the task, the answer box and its buttons.</extracomment>
        <translation>练习</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the total of the frame.</extracomment>
        <translation>你的答案</translation>
    </message>
</context>
</TS>
