<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Colours</name>
    <message>
        <source>Red</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>فيروزي</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Pink</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>بني</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>أسود</translation>
    </message>
    <message>
        <source>White</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>رمادي</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Pictures</source>
        <comment>File type in the open dialog: every kind of picture.</comment>
        <translation>الصور</translation>
    </message>
    <message>
        <source>Windows Bitmap</source>
        <comment>File type name in the file dialogs (.bmp).</comment>
        <translation>صورة Windows النقطية</translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <comment>File type name in the file dialogs (.jpg); usually kept as it is.</comment>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>PNG</source>
        <comment>File type name in the file dialogs (.png); usually kept as it is.</comment>
        <translation>PNG</translation>
    </message>
    <message>
        <source>WebP film</source>
        <comment>File type name in the film&apos;s save dialog (.webp).</comment>
        <translation>فيلم WebP</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Drawing</source>
        <comment>The word a kept drawing&apos;s file name begins with, before the date: &apos;Drawing 2026-12-09 17.32.png&apos;. No &apos;:&apos; or &apos;/&apos;.</comment>
        <translation>رسمة</translation>
    </message>
</context>
<context>
    <name>GrownUp</name>
    <message>
        <source>For grown-ups</source>
        <comment>Title of the small window that asks a sum only a grown-up can answer, before the grown-up&apos;s settings open.</comment>
        <translation>للكبار</translation>
    </message>
    <message>
        <source>Only a grown-up can open this. What is the answer?</source>
        <comment>Above a sum such as 7 × 6 =, with number keys below. Addressed to the adult.</comment>
        <translation>لا يفتح هذا إلا شخص كبير. ما الجواب؟</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>Button that gives the typed answer to the sum.</comment>
        <translation>أجب</translation>
    </message>
    <message>
        <source>Not now</source>
        <comment>Button that closes the question without opening anything.</comment>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>Erase the last digit</source>
        <comment>Tooltip and screen-reader name of the backspace key beside the number keys.</comment>
        <translation>امسح الرقم الأخير</translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <comment>Shown for a few seconds after three wrong answers in a row, while the number keys are off.</comment>
        <translation>انتظر قليلاً، ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <comment>Title of the grown-up&apos;s settings window.</comment>
        <translation>إعدادات الكبار</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Button that closes the grown-up&apos;s settings window; every change is already kept.</comment>
        <translation>تم</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>A page of the grown-up&apos;s settings, shown beside its picture in the side list.</comment>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>A page of the grown-up&apos;s settings: the language of the window.</comment>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Screen</source>
        <comment>A page of the grown-up&apos;s settings: full screen or a window.</comment>
        <translation>الشاشة</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>A page of the grown-up&apos;s settings: what the program shows when it starts.</comment>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Drawings</source>
        <comment>A page of the grown-up&apos;s settings: the folder where the child&apos;s drawings are kept.</comment>
        <translation>الرسومات</translation>
    </message>
    <message>
        <source>Switches</source>
        <comment>A page of the grown-up&apos;s settings: scanning for children who use one or two accessibility switches.</comment>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Lock-down</source>
        <comment>A page of the grown-up&apos;s settings: things a child must not do (quit, print, file dialogs, leave full screen).</comment>
        <translation>القفل</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <comment>Beside a big on-off switch: sounds on or off.</comment>
        <translation>تشغيل الأصوات</translation>
    </message>
    <message>
        <source>Fill the whole screen</source>
        <comment>Beside a big on-off switch: full screen.</comment>
        <translation>ملء الشاشة كلها</translation>
    </message>
    <message>
        <source>When the program starts, show:</source>
        <comment>Above two big choices: the last drawing, or a blank page.</comment>
        <translation>عند بدء البرنامج، اعرض:</translation>
    </message>
    <message>
        <source>The last drawing</source>
        <comment>One of two choices: start with the drawing the child left last time.</comment>
        <translation>آخر رسمة</translation>
    </message>
    <message>
        <source>A blank page</source>
        <comment>One of two choices: start on a blank page (the last drawing is kept in the gallery).</comment>
        <translation>صفحة فارغة</translation>
    </message>
    <message>
        <source>Drawings are kept in this folder:</source>
        <comment>Above the path of the folder where the child&apos;s drawings are saved.</comment>
        <translation>تُحفظ الرسومات في هذا المجلد:</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <comment>Button that opens the desktop&apos;s folder dialog to pick where drawings are kept; also its title.</comment>
        <translation>اختر مجلدًا</translation>
    </message>
    <message>
        <source>Back to the usual folder</source>
        <comment>Button that forgets the chosen folder: drawings go to the usual Pictures folder again.</comment>
        <translation>العودة إلى المجلد المعتاد</translation>
    </message>
    <message>
        <source>Switch scanning: seconds between steps</source>
        <comment>Above the choices Off, 1, 2, 3, 4, 5: how fast the highlight moves for a child using switches.</comment>
        <translation>المسح بالمفاتيح: الثواني بين الخطوات</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>The first of the scanning choices: no scanning.</comment>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>How many switches?</source>
        <comment>Above the choices One switch / Two switches.</comment>
        <translation>كم عدد المفاتيح؟</translation>
    </message>
    <message>
        <source>One switch</source>
        <comment>Scanning choice: one switch (the highlight moves by itself).</comment>
        <translation>مفتاح واحد</translation>
    </message>
    <message>
        <source>Two switches</source>
        <comment>Scanning choice: two switches (one moves, one presses).</comment>
        <translation>مفتاحان</translation>
    </message>
    <message>
        <source>Closing asks the grown-up question</source>
        <comment>Beside an on-off switch: closing the program first asks the sum only a grown-up answers.</comment>
        <translation>الإغلاق يطرح سؤال الكبار</translation>
    </message>
    <message>
        <source>No printing</source>
        <comment>Beside an on-off switch: the print button and Ctrl+P do nothing.</comment>
        <translation>بلا طباعة</translation>
    </message>
    <message>
        <source>Open and save only in the child&apos;s own drawings</source>
        <comment>Beside an on-off switch: no file dialogs; opening and saving stay within the child&apos;s drawings.</comment>
        <translation>الفتح والحفظ في رسومات الطفل فقط</translation>
    </message>
    <message>
        <source>Always keep the full screen</source>
        <comment>Beside an on-off switch: full screen cannot be left (no Escape, no F11).</comment>
        <translation>إبقاء ملء الشاشة دائمًا</translation>
    </message>
    <message>
        <source>Set by your school</source>
        <comment>Beside a small padlock under a setting the school&apos;s system-wide file has locked: it cannot be changed here.</comment>
        <translation>حددته مدرستك</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Pintaloo: help and about</source>
        <comment>The help window&apos;s page title.</comment>
        <translation>مساعدة ونبذة عن Pintaloo</translation>
    </message>
    <message>
        <source>A painting program for young children. Pick a colour, pick a tool and paint on the big white page with the mouse, a finger or a pen.</source>
        <translation>برنامج رسم للأطفال الصغار. اختر لونًا، واختر أداة، وارسم على الصفحة البيضاء الكبيرة بالفأرة أو بإصبعك أو بقلم.</translation>
    </message>
    <message>
        <source>The buttons at the bottom</source>
        <comment>A heading.</comment>
        <translation>الأزرار في الأسفل</translation>
    </message>
    <message>
        <source>A crayon. Colouring over paint mixes the new colour in slowly. It never paints over the black lines of a colouring page.</source>
        <translation>قلم تلوين. عندما تلوّن فوق الألوان، يمتزج اللون الجديد بها شيئًا فشيئًا. ولا يرسم أبدًا فوق الخطوط السوداء في صفحة التلوين.</translation>
    </message>
    <message>
        <source>Opens the stamps: animals, vehicles, flowers, houses, suns, trees, clouds and people. Choose a group, then a picture, then press on the page. Stamps come out smaller near the top of the page, because things far away look small.</source>
        <translation>يفتح الأختام: حيوانات، ومركبات، وأزهار، وبيوت، وشموس، وأشجار، وغيوم، وناس. اختر مجموعة، ثم صورة، ثم اضغط على الصفحة. تظهر الأختام أصغر قرب أعلى الصفحة، لأن الأشياء البعيدة تبدو صغيرة.</translation>
    </message>
    <message>
        <source>Fills an area with the colour you chose.</source>
        <translation>يملأ مساحة باللون الذي اخترته.</translation>
    </message>
    <message>
        <source>Rubs paint away, but not the black lines of a colouring page.</source>
        <translation>يمسح الألوان، لكنه لا يمسح الخطوط السوداء في صفحة التلوين.</translation>
    </message>
    <message>
        <source>Turns the whole picture into an oil painting.</source>
        <translation>يحوّل الصورة كلها إلى لوحة زيتية.</translation>
    </message>
    <message>
        <source>Four bars, from thin to thick. The chosen bar shows your colour.</source>
        <translation>أربعة أشرطة، من الرفيع إلى السميك. الشريط الذي تختاره يظهر بلونك.</translation>
    </message>
    <message>
        <source>The colours</source>
        <comment>A term in a list, like the button names around it.</comment>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>24 colours, each with its own little tune. The big box next to them shows your colour: press it to watch a short cartoon.</source>
        <translation>24 لونًا، ولكل لون لحنه الصغير. المربع الكبير بجانبها يعرض لونك: اضغط عليه لتشاهد رسومًا متحركة قصيرة.</translation>
    </message>
    <message>
        <source>The buttons at the top</source>
        <comment>A heading.</comment>
        <translation>الأزرار في الأعلى</translation>
    </message>
    <message>
        <source>Starts again on a clean white page. The drawing you had goes into My drawings.</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name: use the same words as its button.</comment>
        <translation>يبدأ من جديد على صفحة بيضاء نظيفة. وتذهب الرسمة التي كانت عندك إلى «رسوماتي».</translation>
    </message>
    <message>
        <source>Leafs through 21 colouring pages. Press the big picture to colour it.</source>
        <translation>يقلّب 21 صفحة تلوين. اضغط على الصورة الكبيرة لتلوّنها.</translation>
    </message>
    <message>
        <source>In the colouring pages, opens a picture you saved before (BMP, JPEG or PNG).</source>
        <translation>في صفحات التلوين، يفتح صورة حفظتها من قبل (BMP أو JPEG أو PNG).</translation>
    </message>
    <message>
        <source>Saves your picture in your Pictures folder, or wherever you choose. A PNG picture keeps its film inside it.</source>
        <translation>يحفظ صورتك في مجلد «الصور»، أو في أي مكان تختاره. صورة PNG تحتفظ بفيلمها في داخلها.</translation>
    </message>
    <message>
        <source>Every drawing you leave for a new page is kept here, newest first. Press one to paint on it again, press the bin twice to throw it away, or watch them all one after another.</source>
        <translation>كل رسمة تتركها لتبدأ صفحة جديدة تُحفظ هنا، والأحدث أولًا. اضغط على رسمة لترسم عليها من جديد، أو اضغط على سلة المهملات مرتين لترميها، أو شاهدها كلها واحدة بعد الأخرى.</translation>
    </message>
    <message>
        <source>Take back the last thing you painted, and bring it back again.</source>
        <translation>تراجع عن آخر شيء رسمته، ثم أعِده مرة أخرى.</translation>
    </message>
    <message>
        <source>Prints your picture as big as the paper allows. You can also print to a PDF file.</source>
        <translation>يطبع صورتك بأكبر حجم تسمح به الورقة. ويمكنك أيضًا أن تطبعها في ملف PDF.</translation>
    </message>
    <message>
        <source>Turns the sounds and tunes off, and on again.</source>
        <translation>يطفئ الأصوات والألحان، ثم يشغّلها من جديد.</translation>
    </message>
    <message>
        <source>Opens this page.</source>
        <translation>يفتح هذه الصفحة.</translation>
    </message>
    <message>
        <source>The film</source>
        <comment>A heading: the drawing played again from its first stroke.</comment>
        <translation>الفيلم</translation>
    </message>
    <message>
        <source>Pintaloo remembers how you painted your picture. This plays it again from the first stroke, like a film.</source>
        <translation>يتذكّر Pintaloo كيف رسمت صورتك. وهذا الزر يعرضها من جديد من أول خط، مثل فيلم.</translation>
    </message>
    <message>
        <source>Saves that film as a moving picture (WebP) you can show to others.</source>
        <translation>يحفظ هذا الفيلم صورةً متحركة (WebP) يمكنك أن تُريها للآخرين.</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>A heading.</comment>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Closes an open panel, and leaves full screen.</source>
        <translation>يغلق اللوحة المفتوحة، ويخرج من ملء الشاشة.</translation>
    </message>
    <message>
        <source>Pintaloo fills the whole screen; press F11 or Esc again to go back.</source>
        <comment>Follows the name &apos;Full screen&apos;. Keep F11 and Esc as they are.</comment>
        <translation>يملأ Pintaloo الشاشة كلها؛ اضغط F11 أو Esc مرة أخرى للعودة.</translation>
    </message>
    <message>
        <source>Quit Pintaloo.</source>
        <translation>اخرج من Pintaloo.</translation>
    </message>
    <message>
        <source>Tab moves from button to button and Space presses one. On the page, the arrow keys move the brush and Space paints.</source>
        <comment>Keep Tab and Space as they are written on the keys.</comment>
        <translation>مفتاح Tab ينتقل من زر إلى زر، ومفتاح Space يضغط الزر. وعلى الصفحة، تحرّك مفاتيح الأسهم الفرشاة، ومفتاح Space يرسم.</translation>
    </message>
    <message>
        <source>About</source>
        <comment>A heading.</comment>
        <translation>نبذة عن البرنامج</translation>
    </message>
    <message>
        <source>Pintaloo, version %1.</source>
        <comment>%1 is the version number.</comment>
        <translation>برنامج Pintaloo، الإصدار %1.</translation>
    </message>
    <message>
        <source>Credits.</source>
        <translation>شكر وتقدير.</translation>
    </message>
    <message>
        <source>Every picture, colouring page, sound and cartoon in Pintaloo was made for it by the Pintaloo team and is kept with the program&apos;s source. Pintaloo is built on Qt, SDL_mixer and rlottie.</source>
        <translation>كل صورة وصفحة تلوين وصوت ورسوم متحركة في Pintaloo صنعها فريق Pintaloo خصيصًا له، وهي محفوظة مع الشيفرة المصدرية للبرنامج. بُني Pintaloo على Qt وSDL_mixer وrlottie.</translation>
    </message>
    <message>
        <source>Licence.</source>
        <translation>الترخيص.</translation>
    </message>
    <message>
        <source>Pintaloo is free software: its program code is under the GNU General Public License, version 3 or later (%1); its pictures, sounds, cartoons and colouring pages are under the Creative Commons Attribution-ShareAlike 4.0 licence (%2); its software-centre metadata is under %3. The full texts come with the program, on Debian in %4.</source>
        <comment>%1, %2 and %3 are the licences&apos; short names, %4 a folder.</comment>
        <translation>يُعدّ Pintaloo برمجية حرة: شيفرته البرمجية مرخّصة بموجب رخصة جنو العمومية العامة، الإصدار 3 أو أي إصدار لاحق (%1)؛ وصوره وأصواته ورسومه المتحركة وصفحات التلوين فيه مرخّصة بموجب رخصة المشاع الإبداعي نَسب المُصنَّف - الترخيص بالمثل 4.0 (%2)؛ وبياناته الوصفية لمركز البرمجيات مرخّصة بموجب %3. تأتي النصوص الكاملة مع البرنامج، وهي على دبيان في %4.</translation>
    </message>
    <message>
        <source>For grown-ups.</source>
        <translation>للكبار.</translation>
    </message>
    <message>
        <source>Pintaloo speaks the language of your desktop when it knows it, and English otherwise. Start it with %1 to choose one of: %2. Pintaloo remembers it.</source>
        <comment>%1 is the option as typed (&apos;--lang CODE&apos;), %2 the list of codes.</comment>
        <translation>يتحدث Pintaloo لغة سطح المكتب لديك إن كان يعرفها، وإلا فيتحدث الإنجليزية. شغّله مع %1 لتختار واحدة من: %2. وسيتذكّر Pintaloo اختيارك.</translation>
    </message>
    <message>
        <source>Besides your pictures, Pintaloo keeps a few settings in %1: sound on or off, the language, full screen and the folder you last used.</source>
        <comment>%1 is a file.</comment>
        <translation>إلى جانب صورك، يحفظ Pintaloo بعض الإعدادات في %1: تشغيل الصوت أو إيقافه، واللغة، وملء الشاشة، وآخر مجلد استخدمته.</translation>
    </message>
    <message>
        <source>The drawing on the page is kept in %1 a moment after each change, so it comes back when Pintaloo starts again, even after a crash. Drawings left for a new page go into %2.</source>
        <comment>%1 and %2 are folders.</comment>
        <translation>تُحفظ الرسمة التي على الصفحة في %1 بعد كل تغيير بلحظة، لذلك تعود عندما يبدأ Pintaloo من جديد، حتى بعد توقّفه المفاجئ. والرسومات التي تُترك لبدء صفحة جديدة تذهب إلى %2.</translation>
    </message>
    <message>
        <source>For children who use one or two switches: start Pintaloo with %1 and the buttons light up one after another; %2 gives one switch to move and one to press.</source>
        <comment>%1 and %2 are options as typed.</comment>
        <translation>للأطفال الذين يستخدمون مفتاحًا واحدًا أو مفتاحين: شغّل Pintaloo مع %1 فتضيء الأزرار واحدًا بعد الآخر؛ ومع %2 يكون مفتاح للتنقّل ومفتاح للضغط.</translation>
    </message>
    <message>
        <source>Opens a box of %1 special brushes: rings, spray, dots, a rainbow ribbon, balls, a pen, daisies, stars, grass with flowers, splats, tiles, zigzags, bricks and more.</source>
        <comment>%1 is how many (17 or more).</comment>
        <translation>يفتح علبة فيها %1 فرشاة خاصة: حلقات، ورذاذ، ونقاط، وشريط بألوان قوس قزح، وكرات، وقلم، وزهور أقحوان، ونجوم، وعشب فيه أزهار، وبقع، وبلاطات، وخطوط متعرّجة، وطوب، وغيرها.</translation>
    </message>
    <message>
        <source>Opens a box of %1 kinds of magic: brushes that paint or change the paint under them, and tricks that change the whole picture at once.</source>
        <comment>%1 is how many (16 or more).</comment>
        <translation>يفتح صندوقًا فيه %1 نوعًا من السحر: فُرَش ترسم أو تغيّر الألوان تحتها، وحِيَل تغيّر الصورة كلها مرة واحدة.</translation>
    </message>
    <message>
        <source>A pen paints wider when you press harder, and thinner when you press lightly.</source>
        <comment>Follows the help page&apos;s first paragraph, which says a child can paint with a pen.</comment>
        <translation>يرسم القلم خطًا أعرض عندما تضغط بقوة أكبر، وخطًا أرفع عندما تضغط برفق.</translation>
    </message>
    <message>
        <source>Opens the shapes and a straight line. Press where the middle of the shape goes and pull: the shape grows as you move, and stays on the page when you let go. Press the chosen shape in the box again to paint it filled in, or as an outline only.</source>
        <translation>يفتح الأشكال وخطًا مستقيمًا. اضغط حيث يكون وسط الشكل واسحب: يكبر الشكل وأنت تتحرك، ويبقى على الورقة عندما تترك. اضغط الشكل المختار في الصندوق مرة أخرى لترسمه مملوءًا أو بحدوده فقط.</translation>
    </message>
    <message>
        <source>Writes a word on your drawing, such as your name. Press on the page where it goes, then type it on the keyboard or press the big letters on the board that opens. The arrow takes back a letter; the tick or Enter puts the word on the page in your colour, at the size of the bar you chose.</source>
        <translation>يكتب كلمة على رسمتك، مثل اسمك. اضغط على الصفحة حيث تريدها، ثم اكتبها بلوحة المفاتيح أو اضغط على الحروف الكبيرة في اللوحة التي تُفتح. السهم يمسح حرفًا؛ وعلامة الصح أو Enter تضع الكلمة على الصفحة بلونك، بحجم الشريط الذي اخترته.</translation>
    </message>
    <message>
        <source>Press the little rainbow under your colour to choose any colour at all. The dropper takes a colour from your picture.</source>
        <comment>Help page line about the field of every colour and the dropper, read aloud to a young child.</comment>
        <translation>اضغط على قوس قزح الصغير تحت لونك لتختار أي لون تريده. القطّارة تأخذ لونًا من رسمتك.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Painting for Children</source>
        <comment>The launcher&apos;s generic name, shown under or beside &apos;Pintaloo&apos;.</comment>
        <translation>رسم للأطفال</translation>
    </message>
    <message>
        <source>Paint with crayons, stamps and colouring pages</source>
        <comment>The launcher&apos;s tooltip.</comment>
        <translation>ارسم بأقلام التلوين والأختام وصفحات التلوين</translation>
    </message>
    <message>
        <source>paint;draw;crayon;colouring;stamps;children;kids;</source>
        <comment>Words a menu search finds Pintaloo by: separated and ended by &apos;;&apos;, no spaces around them.</comment>
        <translation>رسم;ارسم;تلوين;أقلام تلوين;أختام;أطفال;صغار;</translation>
    </message>
    <message>
        <source>Painting for young children</source>
        <comment>The software centre&apos;s one-line summary.</comment>
        <translation>رسم للأطفال الصغار</translation>
    </message>
    <message>
        <source>Pintaloo is a painting program for young children. Big friendly buttons, sounds and short cartoons make every tool easy to find, and nothing a child does can break anything.</source>
        <comment>The software centre&apos;s description, first paragraph.</comment>
        <translation>يُعدّ Pintaloo برنامج رسم للأطفال الصغار. الأزرار الكبيرة اللطيفة والأصوات والرسوم المتحركة القصيرة تجعل العثور على كل أداة سهلًا، ولا شيء يفعله الطفل يمكن أن يُفسد شيئًا.</translation>
    </message>
    <message>
        <source>A crayon pencil whose colour blends into the paint already on the page</source>
        <comment>The software centre&apos;s list of what Pintaloo does.</comment>
        <translation>قلم تلوين يمتزج لونه بالألوان الموجودة على الصفحة</translation>
    </message>
    <message>
        <source>An eraser, flood fill and patterned and picture brushes</source>
        <translation>ممحاة، وأداة ملء، وفُرَش بنقوش وصور</translation>
    </message>
    <message>
        <source>Stamps that come out smaller further up the page</source>
        <translation>أختام تظهر أصغر كلما ارتفعت في الصفحة</translation>
    </message>
    <message>
        <source>An oil-painting effect</source>
        <translation>تأثير اللوحة الزيتية</translation>
    </message>
    <message>
        <source>Colouring pages whose outlines the pencil never covers</source>
        <translation>صفحات تلوين لا يغطي قلم التلوين خطوطها أبدًا</translation>
    </message>
    <message>
        <source>A gallery of the child&apos;s own drawings, and each drawing played back as a film</source>
        <translation>معرض لرسومات الطفل نفسه، وكل رسمة تُعرض من جديد مثل فيلم</translation>
    </message>
    <message>
        <source>Sixteen languages, and painting by touch, pen, keyboard or switch</source>
        <translation>ست عشرة لغة، والرسم باللمس أو بالقلم أو بلوحة المفاتيح أو بمفاتيح المساعدة</translation>
    </message>
    <message>
        <source>Pintaloo needs no network, shows no advertising and collects nothing.</source>
        <comment>The software centre&apos;s description, last paragraph.</comment>
        <translation>لا يحتاج Pintaloo إلى شبكة، ولا يعرض إعلانات، ولا يجمع أي شيء.</translation>
    </message>
    <message>
        <source>A picture painted with crayons and stamps</source>
        <comment>Caption of the software centre&apos;s screenshot.</comment>
        <translation>صورة مرسومة بأقلام التلوين والأختام</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The film was not saved</source>
        <translation>لم يُحفظ الفيلم</translation>
    </message>
    <message>
        <source>Pintaloo could not save the film as
%1

%2

Please try another folder.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>لم يستطع Pintaloo حفظ الفيلم باسم
%1

%2

جرّب مجلدًا آخر من فضلك.</translation>
    </message>
    <message>
        <source>The film was saved</source>
        <translation>حُفظ الفيلم</translation>
    </message>
    <message>
        <source>There was too much to film: the film stops before the drawing is finished.</source>
        <translation>كان هناك الكثير لتصويره: سيتوقف الفيلم قبل أن تكتمل الرسمة.</translation>
    </message>
    <message>
        <source>The picture was not opened</source>
        <translation>لم تُفتح الصورة</translation>
    </message>
    <message>
        <source>This file is not a picture Pintaloo can open.</source>
        <translation>هذا الملف ليس صورة يستطيع Pintaloo فتحها.</translation>
    </message>
    <message>
        <source>This picture took too long to open.</source>
        <translation>استغرق فتح هذه الصورة وقتًا طويلًا جدًا.</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>لم تُحفظ الصورة</translation>
    </message>
    <message>
        <source>Pintaloo could not save the picture as
%1

%2

The drawing is still on the page: please try another folder or free some disk space.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>لم يستطع Pintaloo حفظ الصورة باسم
%1

%2

الرسمة ما زالت على الصفحة: جرّب مجلدًا آخر أو أفرغ بعض المساحة على القرص.</translation>
    </message>
    <message>
        <source>Pintaloo saves pictures as .bmp, .png or .jpg.</source>
        <translation>يحفظ Pintaloo الصور بصيغة ‎.bmp أو ‎.png أو ‎.jpg.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <comment>The reason given when the disk is full; it follows a file name.</comment>
        <translation>لم تبقَ مساحة على الجهاز</translation>
    </message>
    <message>
        <source>Pintaloo could not read this file.</source>
        <translation>لم يستطع Pintaloo قراءة هذا الملف.</translation>
    </message>
    <message>
        <source>This picture is too big for Pintaloo to open.</source>
        <translation>هذه الصورة أكبر من أن يفتحها Pintaloo.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete, so Pintaloo cannot open it.</source>
        <translation>هذه الصورة تالفة أو غير مكتملة، لذلك لا يستطيع Pintaloo فتحها.</translation>
    </message>
    <message>
        <source>This picture takes too long to open, so Pintaloo stopped trying.</source>
        <translation>فتح هذه الصورة يستغرق وقتًا طويلًا جدًا، لذلك توقّف Pintaloo عن المحاولة.</translation>
    </message>
    <message>
        <source>Pintaloo opens bitmap (.bmp), JPEG and PNG pictures.</source>
        <comment>Follows a refusal: which kinds of picture Pintaloo opens.</comment>
        <translation>يفتح Pintaloo الصور النقطية (‎.bmp) وصور JPEG وPNG.</translation>
    </message>
    <message>
        <source>The drawing is still on the page.</source>
        <comment>Ends every message that says a picture was not opened or saved.</comment>
        <translation>الرسمة ما زالت على الصفحة.</translation>
    </message>
    <message>
        <source>Pintaloo cannot save a picture as
%1

Please end the name with .bmp, .png or .jpg, or leave the ending off for a bitmap. The drawing is still on the page.</source>
        <comment>%1 is the name the parent typed. A bitmap is a .bmp file.</comment>
        <translation>لا يستطيع Pintaloo حفظ صورة باسم
%1

من فضلك اجعل الاسم ينتهي بـ ‎.bmp أو ‎.png أو ‎.jpg، أو اتركه بلا امتداد لتُحفظ صورة نقطية. الرسمة ما زالت على الصفحة.</translation>
    </message>
    <message>
        <source>Your drawing is not being kept</source>
        <translation>رسمتك لا يُحتفَظ بها</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

%2

The drawing stays on the page while Pintaloo is open, and Pintaloo keeps trying. To be sure, save the drawing before quitting.</source>
        <comment>%1 is the folder, %2 the reason (a system message). Pintaloo keeps the drawing between runs.</comment>
        <translation>لا يستطيع Pintaloo الاحتفاظ برسمتك هنا:
%1

%2

تبقى الرسمة على الصفحة ما دام Pintaloo مفتوحًا، ويواصل Pintaloo المحاولة. وحتى تكون مطمئنًا، احفظ الرسمة قبل الخروج.</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

Another Pintaloo (perhaps in another login) is already keeping its drawing there. This one starts blank and keeps nothing: save the drawing before quitting.</source>
        <comment>%1 is the folder. Two copies of Pintaloo cannot keep one drawing.</comment>
        <translation>لا يستطيع Pintaloo الاحتفاظ برسمتك هنا:
%1

هناك Pintaloo آخر (ربما في جلسة دخول أخرى) يحتفظ برسمته هناك بالفعل. هذا يبدأ بصفحة فارغة ولا يحتفظ بشيء: احفظ الرسمة قبل الخروج.</translation>
    </message>
    <message>
        <source>The drawing kept last time could not be read, so the page starts blank. It was not thrown away: it was put aside as
%1</source>
        <comment>%1 is the name the unreadable file was put aside as.</comment>
        <translation>تعذّرت قراءة الرسمة المحفوظة من المرة السابقة، لذلك تبدأ الصفحة فارغة. لم تُرمَ الرسمة، بل وُضعت جانبًا باسم
%1</translation>
    </message>
    <message>
        <source>Your drawing has not been kept and will be gone when Pintaloo closes.

Save it now?</source>
        <comment>A question; the Yes button saves.</comment>
        <translation>لم يُحتفَظ برسمتك، وستختفي عندما يُغلَق Pintaloo.

هل تريد حفظها الآن؟</translation>
    </message>
    <message>
        <source>The film was not kept</source>
        <translation>لم يُحتفَظ بالفيلم</translation>
    </message>
    <message>
        <source>The picture was saved as
%1

but its film could not be kept beside it as
%2

%3</source>
        <comment>%1 is the picture&apos;s file, %2 the story file beside it, %3 the reason.</comment>
        <translation>حُفظت الصورة باسم
%1

لكن تعذّر الاحتفاظ بفيلمها بجانبها باسم
%2

%3</translation>
    </message>
    <message>
        <source>Drawings are not going into My drawings</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name; use the same words as its button.</comment>
        <translation>الرسومات لا تذهب إلى «رسوماتي»</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

Nothing is lost: they are kept in
%3</source>
        <comment>%1 the gallery folder, %2 the reason, %3 the folder the drawings are kept in instead.</comment>
        <translation>لا يمكن وضع الرسومات في
%1

%2

لم يضِع شيء: إنها محفوظة في
%3</translation>
    </message>
    <message>
        <source>The film could not be made.</source>
        <comment>The reason a film was not saved, under the file&apos;s name.</comment>
        <translation>تعذّر صنع الفيلم.</translation>
    </message>
    <message>
        <source>The film could not be written: %1</source>
        <comment>The reason a film was not saved; %1 is the system&apos;s reason.</comment>
        <translation>تعذّرت كتابة الفيلم: %1</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

nor into Pintaloo&apos;s own folder. They are kept only while Pintaloo is open: press Save and choose a folder, and they are saved there with the drawing.</source>
        <comment>%1 the gallery folder, %2 the reason. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>لا يمكن وضع الرسومات في
%1

%2

ولا في مجلد Pintaloo نفسه. إنها محفوظة فقط ما دام Pintaloo مفتوحًا: اضغط «احفظ» واختر مجلدًا، فتُحفَظ هناك مع الرسمة.</translation>
    </message>
    <message>
        <source>Pintaloo keeps at most %1 drawings in memory, so the oldest of them is gone. Press Save and choose a folder to keep the others.</source>
        <comment>%1 a number, 30 or so. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>لا يحفظ Pintaloo في الذاكرة أكثر من %1 رسمة، لذلك ذهبت أقدمها. اضغط «احفظ» واختر مجلدًا لتحفظ الباقي.</translation>
    </message>
    <message>
        <source>Drawings kept only in memory, because no folder would take them: %1.

They are lost when Pintaloo closes. Save them now into a folder you choose?</source>
        <comment>%1 a number. A question: yes opens the save dialog.</comment>
        <translation>رسومات محفوظة في الذاكرة فقط لأن أي مجلد لم يقبلها: %1.

ستضيع عندما يُغلَق Pintaloo. هل تحفظها الآن في مجلد تختاره؟</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>اعثر في:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ا&amp;سم الملفّ:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>الملفّات من النّوع:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ا&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>ا&amp;فتح</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>احفظ كَ‍</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ارجع</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>الدّليل الأمّ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>أنشئ مجلّدًا جديدًا</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>مجلّد جديد</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>منظور قائميّ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>منظور تفصيليّ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>حاسوبي</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>الأماكن الحديثة</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>‏%1 موجود بالفعل.
أتريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النّوع</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>تاريخ التّعديل</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>اطبع</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>ا&amp;طبع</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;خيارات &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;خيارات &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>اطبع إلى ملفّ (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>ملفّ محلّيّ</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>ملفّ PDF للكتابة</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>النُّسخ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>النُّسخ:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>مجال الطّباعة</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>اطبع الكلّ</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>الصّفحات من</translation>
    </message>
    <message>
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>الوضع اللونيّ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>ملوّن</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>تدرّج الرّماديّ</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>الطّابعة</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>الا&amp;سم:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;خصائص</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>المكان:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النّوع:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>ال&amp;ملفّ الخرج:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Drawing paper: %1</source>
        <comment>What a screen reader says of the page; %1 is the chosen tool.</comment>
        <translation>ورقة الرسم: %1</translation>
    </message>
    <message>
        <source>Stamp %1</source>
        <comment>Screen reader: a stamp in the stamp box; %1 counts from 1.</comment>
        <translation>ختم %1</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <comment>Screen reader: a brush in the brush box; %1 counts from 1.</comment>
        <translation>نقش %1</translation>
    </message>
    <message>
        <source>Stamp group %1</source>
        <comment>Screen reader: a group of stamps; %1 counts from 1.</comment>
        <translation>مجموعة الأختام %1</translation>
    </message>
    <message>
        <source>Animation %1</source>
        <comment>Screen reader: one of the short cartoons; %1 counts from 1.</comment>
        <translation>رسوم متحركة %1</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <comment>Screen reader: the big box showing the chosen colour, which plays a cartoon when pressed.</comment>
        <translation>رسوم متحركة</translation>
    </message>
    <message>
        <source>Take this page</source>
        <comment>Screen reader: the big colouring page in its panel; pressing it takes the page.</comment>
        <translation>خذ هذه الصفحة</translation>
    </message>
    <message>
        <source>Next drawing</source>
        <comment>Screen reader: arrow to the next colouring page or drawing.</comment>
        <translation>الرسمة التالية</translation>
    </message>
    <message>
        <source>Previous drawing</source>
        <comment>Screen reader: arrow to the previous colouring page or drawing.</comment>
        <translation>الرسمة السابقة</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Children</source>
        <comment>Title of the grown-up&apos;s settings page that lists the children who share this computer.</comment>
        <translation>الأطفال</translation>
    </message>
    <message>
        <source>With two or more children, each one presses their own picture at the start and keeps their own drawings.</source>
        <comment>The line at the top of the grown-up&apos;s settings page for the children.</comment>
        <translation>عند وجود طفلين أو أكثر، يضغط كل طفل على صورته في البداية ويحتفظ برسوماته الخاصة.</translation>
    </message>
    <message>
        <source>Child&apos;s name</source>
        <comment>Label of the field where a grown-up writes a child&apos;s name.</comment>
        <translation>اسم الطفل</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <comment>Tooltip of the button that opens the grid of pictures a child can have as their own.</comment>
        <translation>اختر صورة</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>Button on the grown-up&apos;s settings page that adds a row for one more child.</comment>
        <translation>إضافة طفل</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>Button that removes a child from the list (their drawings stay where they are).</comment>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Move up</source>
        <comment>Button that moves a child one place up the list.</comment>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move down</source>
        <comment>Button that moves a child one place down the list.</comment>
        <translation>نقل لأسفل</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Pintaloo needs a graphical desktop (X11 or Wayland), and none could be opened here.</source>
        <comment>Printed on the terminal when Pintaloo is started without a graphical desktop.</comment>
        <translation>يحتاج Pintaloo إلى سطح مكتب رسومي (X11 أو Wayland)، ولم يمكن فتح أيٍّ منهما هنا.</translation>
    </message>
    <message>
        <source>Pintaloo is already open, but its window could not be brought to the front. Look for it on the task bar, or close it and start Pintaloo again.</source>
        <comment>Printed on the terminal, and shown in a message box, when Pintaloo is started while another Pintaloo runs and that one could not be asked to show its window.</comment>
        <translation>Pintaloo مفتوح بالفعل، لكن تعذّر إحضار نافذته إلى الأمام. ابحث عنها في شريط المهام، أو أغلقه وشغّل Pintaloo من جديد.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wait...</source>
        <comment>Shown over the page while the oil painting is being made.</comment>
        <translation>انتظر قليلًا...</translation>
    </message>
    <message>
        <source>Select a drawing</source>
        <comment>Title of the panel that leafs through the colouring pages. Speak to a child (informal you).</comment>
        <translation>اختر رسمة</translation>
    </message>
    <message>
        <source>Close me</source>
        <comment>Tooltip of the window&apos;s close button, spoken by the window itself.</comment>
        <translation>أغلقني</translation>
    </message>
    <message>
        <source>Minimize me</source>
        <comment>Tooltip of the window&apos;s minimise button, spoken by the window itself.</comment>
        <translation>صغّرني</translation>
    </message>
    <message>
        <source>New page</source>
        <comment>Tooltip: starts again on a clean white page.</comment>
        <translation>صفحة جديدة</translation>
    </message>
    <message>
        <source>New coloring page</source>
        <comment>Tooltip: opens the panel of colouring pages.</comment>
        <translation>صفحة تلوين جديدة</translation>
    </message>
    <message>
        <source>Save drawing</source>
        <comment>Tooltip of the save button, and the save dialog&apos;s title.</comment>
        <translation>احفظ الرسمة</translation>
    </message>
    <message>
        <source>Help/About</source>
        <comment>Tooltip of the help button, and the help window&apos;s title.</comment>
        <translation>مساعدة ونبذة</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>Tool: a crayon that blends into the paint under it.</comment>
        <translation>قلم تلوين</translation>
    </message>
    <message>
        <source>Models brush</source>
        <comment>Tool: opens a box of patterned and picture brushes (rings, stars, grass...).</comment>
        <translation>فرشاة الأشكال</translation>
    </message>
    <message>
        <source>Stamp brush</source>
        <comment>Tool: opens the stamps (animals, cars, flowers...).</comment>
        <translation>فرشاة الأختام</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>ممحاة</translation>
    </message>
    <message>
        <source>Oil drawing</source>
        <comment>Tool: turns the whole picture into an oil painting.</comment>
        <translation>رسم زيتي</translation>
    </message>
    <message>
        <source>Fill with color</source>
        <comment>Tool: a paint pot that fills an area.</comment>
        <translation>املأ باللون</translation>
    </message>
    <message>
        <source>Brush size</source>
        <comment>Tooltip of the four bars that choose how thick the brush is.</comment>
        <translation>حجم الفرشاة</translation>
    </message>
    <message>
        <source>Select the color</source>
        <comment>Tooltip of each of the 24 colour swatches.</comment>
        <translation>اختر اللون</translation>
    </message>
    <message>
        <source>Open a drawing</source>
        <comment>Caption in the colouring-page panel, and the open dialog&apos;s title.</comment>
        <translation>افتح رسمة</translation>
    </message>
    <message>
        <source>Pintaloo %1 · help and about</source>
        <comment>The line at the foot of the window; %1 is the version number. Clicking it opens the help.</comment>
        <translation>مساعدة ونبذة · Pintaloo %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Tooltip: take back the last thing painted.</comment>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Tooltip: bring back what Undo took.</comment>
        <translation>أعِد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>اطبع</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <comment>Tooltip of the button that turns the sounds off and on.</comment>
        <translation>تشغيل الصوت وإيقافه</translation>
    </message>
    <message>
        <source>Full screen</source>
        <comment>Name of the full-screen switch (F11); read by screen readers.</comment>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <comment>Tooltip of the round close button on a panel (stamps, brushes, pages).</comment>
        <translation>أغلق هذه اللوحة</translation>
    </message>
    <message>
        <source>Watch it again</source>
        <comment>Button: plays the drawing again from the first stroke, like a film.</comment>
        <translation>شاهدها من جديد</translation>
    </message>
    <message>
        <source>Save the film</source>
        <comment>Button: saves that film as an animated picture. Also the film&apos;s proposed file name.</comment>
        <translation>احفظ الفيلم</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Button: stops the film.</comment>
        <translation>أوقف</translation>
    </message>
    <message>
        <source>My drawings</source>
        <comment>Button and panel title: the child&apos;s gallery of drawings Pintaloo kept.</comment>
        <translation>رسوماتي</translation>
    </message>
    <message>
        <source>Show them all</source>
        <comment>Button: shows all the drawings one after another, full screen.</comment>
        <translation>اعرضها كلها</translation>
    </message>
    <message>
        <source>Put this drawing in the trash (press twice)</source>
        <comment>Tooltip of the bin under each drawing in the gallery.</comment>
        <translation>ضع هذه الرسمة في سلة المهملات (اضغط مرتين)</translation>
    </message>
    <message>
        <source>Really?</source>
        <comment>The bin&apos;s caption after its first press; a second press removes the drawing.</comment>
        <translation>حقًا؟</translation>
    </message>
    <message>
        <source>Magic</source>
        <comment>Tool: opens a box of magic brushes and magic tricks for the whole picture.</comment>
        <translation>سحر</translation>
    </message>
    <message>
        <source>Mirror Paint</source>
        <comment>A magic brush: a crayon whose line is copied, mirrored, on the other half of the picture.</comment>
        <translation>الرسم بالمرآة</translation>
    </message>
    <message>
        <source>Mirror Paint: draw on one side and the other side copies you, like a mirror.</source>
        <comment>The help line of the mirror painting brush, read aloud to a child.</comment>
        <translation>الرسم بالمرآة: ارسم على جانب، فيقلّدك الجانب الآخر مثل المرآة.</translation>
    </message>
    <message>
        <source>Four Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied four times, mirrored into each corner.</comment>
        <translation>أربع مرايا</translation>
    </message>
    <message>
        <source>Four Mirrors: your drawing appears four times, once in each corner.</source>
        <comment>The help line of the four-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>أربع مرايا: يظهر رسمك أربع مرات، مرة في كل زاوية.</translation>
    </message>
    <message>
        <source>Eight Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied eight times around the middle, like a kaleidoscope.</comment>
        <translation>ثماني مرايا</translation>
    </message>
    <message>
        <source>Eight Mirrors: your drawing appears eight times around the middle, like a snowflake.</source>
        <comment>The help line of the eight-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>ثماني مرايا: يظهر رسمك ثماني مرات حول الوسط، مثل ندفة الثلج.</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>A magic brush that draws grainy lines like a stick of chalk.</comment>
        <translation>طباشير</translation>
    </message>
    <message>
        <source>Chalk: draw dusty, bumpy lines like chalk on the pavement.</source>
        <comment>The help line of the chalk brush, read aloud to a child.</comment>
        <translation>طباشير: ارسم خطوطًا مغبّرة وخشنة مثل الطباشير على الرصيف.</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <comment>A magic brush that scatters little twinkling stars along the line.</comment>
        <translation>نجوم لامعة</translation>
    </message>
    <message>
        <source>Sparkles: draw a trail of twinkling stars.</source>
        <comment>The help line of the sparkles brush, read aloud to a child.</comment>
        <translation>نجوم لامعة: ارسم دربًا من النجوم المتلألئة.</translation>
    </message>
    <message>
        <source>Blur</source>
        <comment>A magic brush that makes the paint soft and fuzzy.</comment>
        <translation>تمويه</translation>
    </message>
    <message>
        <source>Blur: paint over your picture to make it soft and dreamy.</source>
        <comment>The help line of the blur brush, read aloud to a small child.</comment>
        <translation>تمويه: لوّن فوق رسمتك لتصبح ناعمة وحالمة.</translation>
    </message>
    <message>
        <source>Smudge</source>
        <comment>A magic brush that drags the paint along like a wet finger.</comment>
        <translation>تلطيخ</translation>
    </message>
    <message>
        <source>Smudge: push the paint around like a wet finger.</source>
        <comment>The help line of the smudge brush, read aloud to a small child.</comment>
        <translation>تلطيخ: حرّك الألوان كأنك تستعمل إصبعًا مبلولًا.</translation>
    </message>
    <message>
        <source>Tint</source>
        <comment>A magic brush that colours the paint under it with the chosen colour, keeping its light and dark parts.</comment>
        <translation>تلوين</translation>
    </message>
    <message>
        <source>Tint: give your painting a new color and keep its light and dark.</source>
        <comment>The help line of the tint brush, read aloud to a small child.</comment>
        <translation>تلوين: أعطِ رسمتك لونًا جديدًا مع بقاء الفاتح والغامق.</translation>
    </message>
    <message>
        <source>Lighten</source>
        <comment>A magic brush that makes the paint paler with each stroke.</comment>
        <translation>تفتيح</translation>
    </message>
    <message>
        <source>Lighten: paint over colors to make them lighter.</source>
        <comment>The help line of the lighten brush, read aloud to a small child.</comment>
        <translation>تفتيح: لوّن فوق الألوان لتصبح أفتح.</translation>
    </message>
    <message>
        <source>Darken</source>
        <comment>A magic brush that makes the paint deeper with each stroke.</comment>
        <translation>تغميق</translation>
    </message>
    <message>
        <source>Darken: paint over colors to make them darker.</source>
        <comment>The help line of the darken brush, read aloud to a small child.</comment>
        <translation>تغميق: لوّن فوق الألوان لتصبح أغمق.</translation>
    </message>
    <message>
        <source>Opposite</source>
        <comment>A magic brush that turns colours into their opposites, like a photo negative: white becomes black, yellow becomes blue.</comment>
        <translation>عكس</translation>
    </message>
    <message>
        <source>Opposite: turn colors into their opposites, light into dark.</source>
        <comment>The help line of the negative brush, read aloud to a small child.</comment>
        <translation>عكس: اقلب الألوان إلى عكسها، فيصير الفاتح غامقًا.</translation>
    </message>
    <message>
        <source>Upside down</source>
        <comment>A magic effect that turns the whole picture upside down at one press.</comment>
        <translation>رأسًا على عقب</translation>
    </message>
    <message>
        <source>Upside down: press to turn your whole picture upside down.</source>
        <comment>Help line of the upside-down magic effect, read aloud to a young child.</comment>
        <translation>رأسًا على عقب: اضغط لتقلب رسمتك كلها رأسًا على عقب.</translation>
    </message>
    <message>
        <source>Swap sides</source>
        <comment>A magic effect that turns the whole picture around, left to right, at one press.</comment>
        <translation>بدّل الجانبين</translation>
    </message>
    <message>
        <source>Swap sides: press to turn your picture around, left to right.</source>
        <comment>Help line of the swap-sides magic effect, read aloud to a young child.</comment>
        <translation>بدّل الجانبين: اضغط لتقلب رسمتك من اليسار إلى اليمين.</translation>
    </message>
    <message>
        <source>Snow</source>
        <comment>A magic effect that lets snowflakes fall all over the picture at one press.</comment>
        <translation>ثلج</translation>
    </message>
    <message>
        <source>Snow: press to make snowflakes fall all over your picture.</source>
        <comment>Help line of the snow magic effect, read aloud to a young child.</comment>
        <translation>ثلج: اضغط لتتساقط ندف الثلج على رسمتك كلها.</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <comment>A magic effect that shows the picture through big round soap bubbles.</comment>
        <translation>فقاعات</translation>
    </message>
    <message>
        <source>Bubbles: press to see your picture through soap bubbles.</source>
        <comment>Help line of the bubbles magic effect, read aloud to a young child.</comment>
        <translation>فقاعات: اضغط لترى رسمتك من خلال فقاعات الصابون.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>A magic effect that turns the whole picture into little square tiles, as a mosaic.</comment>
        <translation>مربعات</translation>
    </message>
    <message>
        <source>Blocks: press to make your picture out of little squares.</source>
        <comment>Help line of the blocks (mosaic) magic effect, read aloud to a young child.</comment>
        <translation>مربعات: اضغط لتصنع رسمتك من مربعات صغيرة.</translation>
    </message>
    <message>
        <source>Shapes and lines</source>
        <comment>Tool: opens a box of shapes (circle, square, star, heart...) and a straight line, which the child drags out to size.</comment>
        <translation>أشكال وخطوط</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>Tool: write words on the picture, with the keyboard or big letter buttons.</comment>
        <translation>حروف</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>A shape tool: a round circle, dragged out from its middle.</comment>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>Circle: press for the middle and pull out a round circle.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>دائرة: اضغط مكان الوسط واسحب دائرة مستديرة.</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>A shape tool: an oval, dragged out from its middle, as wide and tall as you pull.</comment>
        <translation>شكل بيضوي</translation>
    </message>
    <message>
        <source>Oval: press for the middle and pull out an egg shape, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>شكل بيضوي: اضغط مكان الوسط واسحب شكل بيضة، طويلًا أو عاليًا.</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>A shape tool: a square, dragged out from its middle.</comment>
        <translation>مربع</translation>
    </message>
    <message>
        <source>Square: press for the middle and pull out a square.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>مربع: اضغط مكان الوسط واسحب مربعًا.</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>A shape tool: a box, dragged out from its middle to a corner.</comment>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Rectangle: press for the middle and pull a corner out, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>مستطيل: اضغط مكان الوسط واسحب زاوية إلى الخارج، طولًا أو ارتفاعًا.</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>A shape tool: a triangle standing on its base, dragged out from its middle.</comment>
        <translation>مثلث</translation>
    </message>
    <message>
        <source>Triangle: press for the middle and pull out a triangle like a little roof.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>مثلث: اضغط مكان الوسط واسحب مثلثًا مثل سقف صغير.</translation>
    </message>
    <message>
        <source>Star</source>
        <comment>A shape tool: a five-pointed star, dragged out from its middle.</comment>
        <translation>نجمة</translation>
    </message>
    <message>
        <source>Star: press for the middle and pull out a big star.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>نجمة: اضغط مكان الوسط واسحب نجمة كبيرة.</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>A shape tool: a heart, dragged out from its middle.</comment>
        <translation>قلب</translation>
    </message>
    <message>
        <source>Heart: press for the middle and pull out a heart.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>قلب: اضغط مكان الوسط واسحب قلبًا.</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>A shape tool: a diamond (a square standing on its corner), dragged out from its middle.</comment>
        <translation>معيّن</translation>
    </message>
    <message>
        <source>Diamond: press for the middle and pull out a diamond, like a kite.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>معيّن: اضغط مكان الوسط واسحب معيّنًا مثل طائرة ورقية.</translation>
    </message>
    <message>
        <source>Straight line</source>
        <comment>A shape tool: a straight line drawn with the crayon, from where you press to where you let go.</comment>
        <translation>خط مستقيم</translation>
    </message>
    <message>
        <source>Straight line: press where it starts and let go where it ends.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>خط مستقيم: اضغط حيث يبدأ واترك حيث ينتهي.</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>A key of the on-screen letter board: a gap between two words.</comment>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Take back a letter</source>
        <comment>A key of the on-screen letter board that removes the last letter written.</comment>
        <translation>امسح حرفًا</translation>
    </message>
    <message>
        <source>Put the word on the page</source>
        <comment>A key of the on-screen letter board that ends the word and leaves it on the drawing.</comment>
        <translation>ضع الكلمة على الصفحة</translation>
    </message>
    <message>
        <source>Letters: press on the page where your word goes, then press the big letters.</source>
        <comment>What the on-screen letter board is for, read aloud to a young child.</comment>
        <translation>الحروف: اضغط على الصفحة حيث تريد كلمتك، ثم اضغط على الحروف الكبيرة.</translation>
    </message>
    <message>
        <source>More colors: the rainbow</source>
        <comment>Tooltip and screen-reader name of the little rainbow under the chosen colour: it opens a big field of every colour.</comment>
        <translation>ألوان أكثر: قوس قزح</translation>
    </message>
    <message>
        <source>Rainbow: press a color</source>
        <comment>Screen-reader name of the big field of colours; a press or a drag on it chooses the colour there. Speak to a child (informal you).</comment>
        <translation>قوس قزح: اضغط على لون</translation>
    </message>
    <message>
        <source>Dropper: take a color from your picture</source>
        <comment>Tooltip of the dropper button: the next press on the picture takes the colour there. Speak to a child (informal you).</comment>
        <translation>القطّارة: خذ لونًا من رسمتك</translation>
    </message>
    <message>
        <source>Close the rainbow</source>
        <comment>Tooltip of the button that closes the big field of colours.</comment>
        <translation>أغلق قوس قزح</translation>
    </message>
    <message>
        <source>Animals</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;animals&apos;.</comment>
        <translation>حيوانات</translation>
    </message>
    <message>
        <source>Clothes</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;clothes&apos;.</comment>
        <translation>ملابس</translation>
    </message>
    <message>
        <source>Food</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;food&apos;.</comment>
        <translation>طعام</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;hobbies&apos;.</comment>
        <translation>هوايات</translation>
    </message>
    <message>
        <source>At home</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;household&apos;.</comment>
        <translation>في البيت</translation>
    </message>
    <message>
        <source>Doctor and nurse</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;medical&apos;.</comment>
        <translation>الطبيب والممرضة</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;military&apos;.</comment>
        <translation>جنود</translation>
    </message>
    <message>
        <source>Weather and nature</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;naturalforces&apos;.</comment>
        <translation>الطقس والطبيعة</translation>
    </message>
    <message>
        <source>People</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;people&apos;.</comment>
        <translation>ناس</translation>
    </message>
    <message>
        <source>Plants</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;plants&apos;.</comment>
        <translation>نباتات</translation>
    </message>
    <message>
        <source>Holidays and seasons</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;seasonal&apos;.</comment>
        <translation>الأعياد والفصول</translation>
    </message>
    <message>
        <source>Stars and planets</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;space&apos;.</comment>
        <translation>النجوم والكواكب</translation>
    </message>
    <message>
        <source>Sports</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;sports&apos;.</comment>
        <translation>رياضة</translation>
    </message>
    <message>
        <source>Signs and symbols</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;symbols&apos;.</comment>
        <translation>إشارات ورموز</translation>
    </message>
    <message>
        <source>Town</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;town&apos;.</comment>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;vehicles&apos;.</comment>
        <translation>مركبات</translation>
    </message>
    <message>
        <source>Other stamps</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing): the stamps found directly in a stamp collection&apos;s folder, not in a theme.</comment>
        <translation>أختام أخرى</translation>
    </message>
    <message>
        <source>All the stamps</source>
        <comment>Title of the big stamp browser while it shows the groups of stamps. Speak to a child (informal you).</comment>
        <translation>كل الأختام</translation>
    </message>
    <message>
        <source>More stamps</source>
        <comment>Tooltip of the big button in the stamps panel that opens the browser of many more stamps. Speak to a child (informal you).</comment>
        <translation>أختام أكثر</translation>
    </message>
    <message>
        <source>Small stamps</source>
        <comment>Tooltip of the button that makes stamps small. Speak to a child (informal you).</comment>
        <translation>أختام صغيرة</translation>
    </message>
    <message>
        <source>Middle-sized stamps</source>
        <comment>Tooltip of the button that makes stamps their usual, middle size. Speak to a child (informal you).</comment>
        <translation>أختام متوسطة</translation>
    </message>
    <message>
        <source>Big stamps</source>
        <comment>Tooltip of the button that makes stamps big. Speak to a child (informal you).</comment>
        <translation>أختام كبيرة</translation>
    </message>
    <message>
        <source>Giant stamps</source>
        <comment>Tooltip of the button that makes stamps very big. Speak to a child (informal you).</comment>
        <translation>أختام عملاقة</translation>
    </message>
    <message>
        <source>Turn the stamp left to right</source>
        <comment>Tooltip of the button that mirrors the stamp (left becomes right). Speak to a child (informal you).</comment>
        <translation>اقلب الختم من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>Turn the stamp upside down</source>
        <comment>Tooltip of the button that flips the stamp upside down. Speak to a child (informal you).</comment>
        <translation>اقلب الختم رأسًا على عقب</translation>
    </message>
    <message>
        <source>Back to all the stamps</source>
        <comment>Tooltip of the button in the stamp browser that goes back from one group to all the groups. Speak to a child (informal you).</comment>
        <translation>ارجع إلى كل الأختام</translation>
    </message>
    <message>
        <source>Close the stamps</source>
        <comment>Tooltip of the button that closes the big stamp browser. Speak to a child (informal you).</comment>
        <translation>أغلق الأختام</translation>
    </message>
    <message>
        <source>Stamps before</source>
        <comment>Tooltip of the arrow that shows the page of stamps before this one. Speak to a child (informal you).</comment>
        <translation>الأختام السابقة</translation>
    </message>
    <message>
        <source>More stamps after</source>
        <comment>Tooltip of the arrow that shows the next page of stamps. Speak to a child (informal you).</comment>
        <translation>أختام بعدها</translation>
    </message>
    <message>
        <source>All the pages</source>
        <comment>Tooltip of the button that shows every colouring page at once as little pictures, and the title of that panel.</comment>
        <translation>كل الصفحات</translation>
    </message>
    <message>
        <source>Color this page</source>
        <comment>Tooltip and screen-reader name of one little picture of a colouring page: a press puts it on the canvas. Speak to a child (informal you).</comment>
        <translation>لوّن هذه الصفحة</translation>
    </message>
    <message>
        <source>Paper to paint on</source>
        <comment>Tooltip of the button that offers coloured paper and background pictures for a new page, and the title of that panel.</comment>
        <translation>ورق للرسم</translation>
    </message>
    <message>
        <source>Start on this paper</source>
        <comment>Tooltip and screen-reader name of one coloured paper or background picture: a press starts a new page on it. Speak to a child (informal you).</comment>
        <translation>ابدأ على هذه الورقة</translation>
    </message>
    <message>
        <source>Close: only with a grown-up</source>
        <comment>Tooltip and screen-reader name of the window&apos;s close button when the school has locked closing: a grown-up must answer a question first.</comment>
        <translation>إغلاق: مع شخص كبير فقط</translation>
    </message>
    <message>
        <source>Who is painting?</source>
        <comment>The friendly question over the big pictures of the children who share the computer, read aloud to a young child at the start.</comment>
        <translation>من يرسم الآن؟</translation>
    </message>
    <message>
        <source>Another child&apos;s turn</source>
        <comment>Tooltip of the small picture of the child painting now, in the window&apos;s corner: a press lets another child choose their picture.</comment>
        <translation>دور طفل آخر</translation>
    </message>
    <message>
        <source>Collect the drawings</source>
        <comment>The grown-up&apos;s settings page that gathers a span of days of drawings into files; its name on the window&apos;s side.</comment>
        <translation>جمع الرسومات</translation>
    </message>
    <message>
        <source>Whose drawings?</source>
        <comment>Label of the choice of child whose drawings are collected (or everyone).</comment>
        <translation>رسومات من؟</translation>
    </message>
    <message>
        <source>Everyone</source>
        <comment>The choice that collects the drawings of every child.</comment>
        <translation>الجميع</translation>
    </message>
    <message>
        <source>All the drawings</source>
        <comment>Shown instead of a choice of child when the account has no children named.</comment>
        <translation>كل الرسومات</translation>
    </message>
    <message>
        <source>From</source>
        <comment>Label of the first day of the span of days collected.</comment>
        <translation>من</translation>
    </message>
    <message>
        <source>To</source>
        <comment>Label of the last day of the span of days collected (included).</comment>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Pictures in a folder</source>
        <comment>One of three big choices: each drawing as a PNG file in a folder.</comment>
        <translation>صور في مجلد</translation>
    </message>
    <message>
        <source>A booklet to print</source>
        <comment>One of three big choices: one PDF file, a page a drawing, to print.</comment>
        <translation>كتيّب للطباعة</translation>
    </message>
    <message>
        <source>A film</source>
        <comment>One of three big choices: one animated picture showing the drawings one after another.</comment>
        <translation>فيلم</translation>
    </message>
    <message>
        <source>Seconds for each picture</source>
        <comment>Label of the film&apos;s speed: how long each drawing is shown.</comment>
        <translation>ثوانٍ لكل صورة</translation>
    </message>
    <message>
        <source>A cover page for each child</source>
        <comment>Check box: the booklet starts each child&apos;s drawings with a page showing the child&apos;s name.</comment>
        <translation>صفحة غلاف لكل طفل</translation>
    </message>
    <message>
        <source>A cover page</source>
        <comment>Check box: the booklet starts with a page showing the span of days (no children named).</comment>
        <translation>صفحة غلاف</translation>
    </message>
    <message>
        <source>Make it</source>
        <comment>The big button that starts making the pictures, booklet or film.</comment>
        <translation>اصنعه</translation>
    </message>
    <message>
        <source>Stop making it</source>
        <comment>The big button while the work runs: stops it.</comment>
        <translation>توقّف</translation>
    </message>
    <message>
        <source>Our drawings</source>
        <comment>Title of a booklet&apos;s cover page (and of the booklet) when no child is named.</comment>
        <translation>رسوماتنا</translation>
    </message>
    <message>
        <source>Where should the pictures go?</source>
        <comment>Title of the dialog choosing the folder for the PNG files (a new folder name may be typed).</comment>
        <translation>أين توضع الصور؟</translation>
    </message>
    <message>
        <source>Where should the booklet go?</source>
        <comment>Title of the dialog choosing the booklet&apos;s PDF file.</comment>
        <translation>أين يوضع الكتيّب؟</translation>
    </message>
    <message>
        <source>Where should the film go?</source>
        <comment>Title of the dialog choosing the film&apos;s file.</comment>
        <translation>أين يوضع الفيلم؟</translation>
    </message>
    <message>
        <source>Drawings put in the folder: %1</source>
        <comment>The result line after making the pictures; %1 how many.</comment>
        <translation>رسومات وُضعت في المجلد: %1</translation>
    </message>
    <message>
        <source>Drawings put in the booklet: %1</source>
        <comment>The result line after making the booklet; %1 how many.</comment>
        <translation>رسومات وُضعت في الكتيّب: %1</translation>
    </message>
    <message>
        <source>Drawings put in the film: %1</source>
        <comment>The result line after making the film; %1 how many.</comment>
        <translation>رسومات وُضعت في الفيلم: %1</translation>
    </message>
    <message>
        <source>There are no drawings on those days.</source>
        <comment>The result line when the span of days holds no drawing: nothing was made.</comment>
        <translation>لا توجد رسومات في تلك الأيام.</translation>
    </message>
    <message>
        <source>Stopped: nothing more was made.</source>
        <comment>The result line after the grown-up pressed Stop.</comment>
        <translation>توقّف: لم يُصنع شيء آخر.</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <comment>The result line when the file or folder could not be written; %1 the system&apos;s reason.</comment>
        <translation>تعذّرت الكتابة: %1</translation>
    </message>
    <message>
        <source>Drawings that could not be read, left out: %1</source>
        <comment>A second result line: files the program refused to read (damaged or too large); %1 how many.</comment>
        <translation>رسومات تعذّرت قراءتها وتُركت: %1</translation>
    </message>
    <message>
        <source>Too many drawings, left out: %1</source>
        <comment>A second result line: drawings past the most one collection takes; %1 how many.</comment>
        <translation>رسومات كثيرة جدًا، تُرك منها: %1</translation>
    </message>
</context>
</TS>
